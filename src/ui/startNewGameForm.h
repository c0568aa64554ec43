#pragma once
#include <QDialog>

class QRadioButton;

namespace zt {

// Asks the length of a new game. Short is chosen the first time; later the window offers
// the last choice. Closing it without its button takes the option shown.
class StartNewGameForm : public QDialog {
    Q_OBJECT
  public:
    explicit StartNewGameForm(QWidget* parent);

    // The game length chosen: short, then normal is tested; when neither is chosen, long.
    int gameLength() const;

  private:
    QRadioButton* shortOption_;
    QRadioButton* normalOption_;
    QRadioButton* longOption_;
};

} // namespace zt
