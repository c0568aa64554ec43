#pragma once
#include <QDialog>

class QRadioButton;

namespace zt {

class GameSession;

// Offers to scrap a Trading Post good the galaxy does not buy, at $2 a unit. "Never mind" is
// chosen at first; the window is only hidden, so the last choice stays chosen.
class ScrapForm : public QDialog {
    Q_OBJECT
  public:
    ScrapForm(GameSession& session, QWidget* parent);

    // Shows the offer for good `good` until Continue; true when the good was scrapped.
    bool offer(int good);

  private:
    void continueButton_Click();

    GameSession& session_;
    QRadioButton* scrapOption_;
    int good_ = 0;
    bool scrapped_ = false;
};

} // namespace zt
