#pragma once
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace zt {

class GameSession;

// The shipyard: the figures of the seven ships and the sale of another one for net
// cash.
class BuyNewShipForm : public QDialog {
    Q_OBJECT
  public:
    BuyNewShipForm(GameSession& session, QWidget* parent);

    // The shipyard command of the main window: shows the current ship, the money and the
    // current ship's figures, then waits modally until Done.
    static void open(GameSession& session, QWidget& owner);

  private:
    void shipList_Click(int row);
    void buyShipButton_Click();
    // Rewrites the current ship, cash, debt and net cash and selects the current ship.
    void showCurrentShip();

    GameSession& session_;
    QLabel* currentShipLabel_;
    QLabel* cashLabel_;
    QLabel* debtLabel_;
    QLabel* netCashLabel_;
    QListWidget* shipList_;
    QLabel* typeLabel_;
    QLabel* costLabel_;
    QLabel* speedLabel_;
    QLabel* cargoCapacityLabel_;
    QLabel* fuelCapacityLabel_;
    QLabel* shieldCapacityLabel_;
    QPushButton* buyShipButton_;
};

} // namespace zt
