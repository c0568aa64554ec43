#pragma once
#include "core/random.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QLineEdit;
class QTimer;

namespace zt {

// The end of a game: the net worth, a name for a new high score, and the choice between a
// new game and leaving. Closing it without a button counts as "New Game".
class EndForm : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { NewGame, Exit };

    // `colours` feeds the title's colour cycling (a decoration, not the game's draws).
    EndForm(RandomSource& colours, QWidget* parent);

    // Fills the texts for a game that earned a row or did not; the name box is open only
    // for a new high score and keeps the name typed last time.
    void showResult(std::int32_t netWorth, bool newHighScore);

    Choice choice() const { return choice_; }
    QString playerName() const;

    // One tick of the title's colour cycling: a new random colour.
    void highScoreTimer_Timer();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    RandomSource& colours_;
    Choice choice_ = Choice::NewGame;
    QLabel* titleLabel_;
    QLabel* promptLabel_;
    QLabel* netWorthLabel_;
    QLineEdit* nameBox_;
    QTimer* highScoreTimer_;
};

} // namespace zt
