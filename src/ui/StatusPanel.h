#pragma once
#include <QGroupBox>

class QLabel;
class QPushButton;

namespace zt {

class GameSession;

// The status panel (`Frame3`): where the ship is with that galaxy's supplies and demands,
// cash, debt, Earth time, fuel and shields, and the S/D button of the search. Before the
// first game the opening captions stay.
class StatusPanel : public QGroupBox {
    Q_OBJECT
  public:
    StatusPanel(GameSession& session, QWidget* parent);

    QPushButton* sdChartButton() const { return sdChartButton_; }

  private:
    void refresh();

    GameSession& session_;
    QLabel* locationLabel_;
    QLabel* locationSuppliesLabel_;
    QLabel* locationDemandsLabel_;
    QLabel* cashLabel_;
    QLabel* debtLabel_;
    QLabel* earthTimeLabel_;
    QLabel* fuelLabel_;
    QLabel* shieldsLabel_;
    QPushButton* sdChartButton_;
};

} // namespace zt
