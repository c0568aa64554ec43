#pragma once
#include <QDialog>

namespace zt {

// The greeting shown beside the main window when the program starts: a new game, a saved
// game or the instructions. It only reports the player's choice; the main window acts on it
// and hides this window when the game has begun.
class StartupForm : public QDialog {
    Q_OBJECT
  public:
    // `picture` is the file of the greeting's picture.
    StartupForm(const QString& picture, QWidget* parent);

  protected:
    // Escape and the close box leave the greeting up: only a new game or a saved game
    // begun hides it.
    void reject() override {}

  signals:
    void startNewGameChosen();
    void loadSavedGameChosen();
    void instructionsChosen();
};

} // namespace zt
