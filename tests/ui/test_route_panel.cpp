// Picking a destination on the map: the route figures, their colours and GO.
#include "ui/map_widgets.h"
#include "ui/support/ui_support.h"

#include <QAction>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

struct Started {
    TestGame game;
    Main& main;
    Started() : main(*game.main) { startKnownGame(main); }
};

Outline* outline(Main& m, int index) {
    return qobject_cast<Outline*>(widget(&m, QStringLiteral("mapOutline_%1").arg(index)));
}

bool goEnabled(Main& m) {
    const bool button = widget(&m, "goButton")->isEnabled();
    if (button != m.findChild<QAction*>("goMenu")->isEnabled())
        qWarning("GO and its menu entry differ");
    return button;
}

} // namespace

class RoutePanelTest : public QObject {
    Q_OBJECT
  private slots:
    void aNeighbourShowsItsFiguresAndEnablesGo();
    void shortFuelOrCashTurnsItsFigureRedAndTheRefreshTurnsItBack();
    void theWhiteBoxFollowsThePickAndTheCurrentGalaxyCannotBePicked();
};

void RoutePanelTest::aNeighbourShowsItsFiguresAndEnablesGo() {
    Started s;
    click(&s.main, "mapImage_8");
    QCOMPARE(labelText(&s.main, "selectedLocationLabel"),
             QString::fromStdString(s.main.catalogue().galaxyNames[5]));
    QCOMPARE(labelText(&s.main, "fuelNeededLabel"), QStringLiteral("10"));
    QCOMPARE(labelText(&s.main, "timeNeededLabel"), QStringLiteral("1"));
    QCOMPARE(labelText(&s.main, "bridgeTollLabel"), QStringLiteral("$20"));
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), QColor(255, 255, 0));
    QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), QColor(255, 255, 0));
    QVERIFY(goEnabled(s.main));
    const Galaxy& five = s.main.state().galaxies[5];
    const QStringList supplies = labelText(&s.main, "selectedSuppliesLabel").split(", ");
    QCOMPARE(supplies.size(), 4);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(supplies[k - 1],
                 QString::fromStdString(s.main.catalogue().goodsNames[five.supplies[k]]));
    QCOMPARE(labelText(&s.main, "selectedDemandsLabel").split(", ").size(), 4);
    // The panel of the current location is untouched.
    QCOMPARE(labelText(&s.main, "locationLabel"), QStringLiteral("Milky Way"));
}

void RoutePanelTest::shortFuelOrCashTurnsItsFigureRedAndTheRefreshTurnsItBack() {
    const QColor red(255, 0, 0), yellow(255, 255, 0);
    const struct {
        int fuel, cash;
        QColor fuelColour, tollColour;
        bool go;
    } cases[] = {{10, 20, yellow, yellow, true},
                 {9, 20, red, yellow, false},
                 {10, 19, yellow, red, false},
                 {0, 0, red, red, false}};
    for (const auto& c : cases) {
        Started s;
        GameState& state = s.main.state();
        state.fuel = static_cast<std::int16_t>(c.fuel);
        state.cash = c.cash;
        click(&s.main, "mapImage_8");
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), c.fuelColour);
        QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), c.tollColour);
        QCOMPARE(goEnabled(s.main), c.go);
        // Fuel bought and a loan taken: the refresh turns everything yellow again.
        state.fuel = 100;
        state.cash = 5000;
        s.main.routeRefresh();
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), yellow);
        QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), yellow);
        QVERIFY(goEnabled(s.main));
        // Cash spent below the toll: red again.
        state.cash = 5;
        s.main.routeRefresh();
        QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), red);
        QVERIFY(!goEnabled(s.main));
    }
}

void RoutePanelTest::theWhiteBoxFollowsThePickAndTheCurrentGalaxyCannotBePicked() {
    Started s;
    QVERIFY(outline(s.main, 7)->isVisible());
    QCOMPARE(outline(s.main, 7)->borderColour(), QColor(255, 0, 0));
    click(&s.main, "mapImage_8");
    QVERIFY(outline(s.main, 8)->isVisible());
    QCOMPARE(outline(s.main, 8)->borderColour(), QColor(255, 255, 255));

    const QString figures = labelText(&s.main, "fuelNeededLabel");
    click(&s.main, "mapImage_7"); // the current galaxy
    QCOMPARE(s.main.state().selectedCell, 9);
    QVERIFY(outline(s.main, 8)->isVisible());
    QCOMPARE(outline(s.main, 7)->borderColour(), QColor(255, 0, 0));
    QCOMPARE(labelText(&s.main, "fuelNeededLabel"), figures);

    click(&s.main, "mapImage_14");
    QVERIFY(!outline(s.main, 8)->isVisible());
    QVERIFY(outline(s.main, 14)->isVisible());
    QVERIFY(outline(s.main, 7)->isVisible());
    click(&s.main, "mapImage_14"); // again: same pick, same figures
    QVERIFY(outline(s.main, 14)->isVisible());
    QCOMPARE(labelText(&s.main, "fuelNeededLabel"), QStringLiteral("14"));
    int shown = 0;
    for (int i = 0; i < 42; ++i)
        shown += outline(s.main, i)->isVisible();
    QCOMPARE(shown, 2);
}

QTEST_MAIN(RoutePanelTest)
#include "test_route_panel.moc"
