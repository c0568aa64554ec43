#pragma once
#include <QGroupBox>

class QAction;
class QLabel;
class QPushButton;

namespace zt {

class GameSession;
struct Galaxy;

// The route panel (`Frame5`): the galaxy picked on the map with its supplies and demands,
// the fuel, time and toll the flight there takes (fuel and toll red when the player cannot
// pay them), and GO.
class RoutePanel : public QGroupBox {
    Q_OBJECT
  public:
    // `goMenu` is the menu entry that goes on and off with GO.
    RoutePanel(GameSession& session, QAction* goMenu, QWidget* parent);

    // GO pressed (or its menu entry chosen) while it is on: one flight.
    void go();

  private:
    void setGoEnabled(bool enabled);
    void showGalaxy(const Galaxy& galaxy);
    void showSupplies(const Galaxy& galaxy);
    void showRoute();
    // The figures with `fuelAndTime` and "$" + `toll`, drawn yellow.
    void resetFigures(const QString& fuelAndTime, const QString& toll);

    GameSession& session_;
    QAction* goMenu_;
    QLabel* selectedLocationLabel_;
    QLabel* selectedSuppliesLabel_;
    QLabel* selectedDemandsLabel_;
    QLabel* fuelNeededLabel_;
    QLabel* timeNeededLabel_;
    QLabel* bridgeTollLabel_;
    QPushButton* goButton_;
};

} // namespace zt
