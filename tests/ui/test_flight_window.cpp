// A press of GO on the main window: the ship moves on the map and in every status label.
#include "ui/SoundPlayer.h"
#include "ui/map_widgets.h"
#include "ui/support/ui_support.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace zt;
using namespace zt::test;

namespace {

bool outlineShown(Main& m, int index, QColor colour) {
    auto* box = qobject_cast<Outline*>(widget(&m, QStringLiteral("mapOutline_%1").arg(index)));
    return box->isVisible() && box->borderColour() == colour;
}

} // namespace

class FlightWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void theFlightMovesTheRedBoxAndUpdatesEveryLabel();
    void theTrendsMessageComesBeforeTheShipMoves();
    void theMapFlashesTwice();
};

void FlightWindowTest::theFlightMovesTheRedBoxAndUpdatesEveryLabel() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    m.state().debt = 1000;
    click(&m, "mapImage_8");
    game.rng.queueFlight(m);
    click(&m, "goButton");
    QCOMPARE(game.rng.queued(), std::size_t{0});

    const Galaxy& five = m.state().galaxies[5];
    QCOMPARE(labelText(&m, "locationLabel"), QString::fromStdString(five.name));
    QCOMPARE(labelText(&m, "cashLabel"), QStringLiteral("$4,980"));
    QCOMPARE(labelText(&m, "debtLabel"), QStringLiteral("$1,070"));
    QCOMPARE(labelText(&m, "fuelLabel"), QStringLiteral("90 / 100"));
    QCOMPARE(labelText(&m, "shieldsLabel"), QStringLiteral("100 / 100"));
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2301"));
    for (const char* panel : {"location", "selected"}) {
        const QString prefix = QString::fromLatin1(panel);
        QCOMPARE(labelText(&m, prefix + "SuppliesLabel").split(", ").first(),
                 QString::fromStdString(m.catalogue().goodsNames[five.supplies[1]]));
        QCOMPARE(labelText(&m, prefix + "DemandsLabel").split(", ").last(),
                 QString::fromStdString(m.catalogue().goodsNames[five.demands[4]]));
    }
    QVERIFY(outlineShown(m, 8, QColor(255, 0, 0)));
    QVERIFY(!widget(&m, "mapOutline_7")->isVisible());
    QVERIFY(!widget(&m, "goButton")->isEnabled());
    QVERIFY(!m.findChild<QAction*>("goMenu")->isEnabled());
    QCOMPARE(m.state().currentGalaxy, 5);
    QCOMPARE(m.state().selectedCell, -1);
    QVERIFY(m.findChild<SoundPlayer*>("soundControl")->deviceOpened()); // the engine
    // The flight's figures stay until the next pick.
    QCOMPARE(labelText(&m, "fuelNeededLabel"), QStringLiteral("10"));

    // Flying back by the menu's Ctrl+G.
    click(&m, "mapImage_7");
    game.rng.queueFlight(m);
    trigger(&m, "goMenu");
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2302"));
    QVERIFY(outlineShown(m, 7, QColor(255, 0, 0)));
    QVERIFY(!widget(&m, "mapOutline_8")->isVisible());
}

void FlightWindowTest::theTrendsMessageComesBeforeTheShipMoves() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    click(&m, "mapImage_8");
    QString cashWhenShown;
    game.recorder.onMessage = [&](const QString&) { cashWhenShown = labelText(&m, "cashLabel"); };
    game.rng.queueFlight(m, 4);
    click(&m, "goButton");
    QCOMPARE(game.recorder.messages,
             QStringList{"CONSUMER TRENDS SHIFT!! ALL GALAXIES SUPPLIES/DEMANDS CHANGE!"});
    QCOMPARE(cashWhenShown, QStringLiteral("$5,000"));
    QCOMPARE(labelText(&m, "cashLabel"), QStringLiteral("$4,980"));

    game.recorder.messages.clear();
    click(&m, "mapImage_7");
    game.rng.queueFlight(m, 5);
    click(&m, "goButton");
    QVERIFY(game.recorder.messages.isEmpty());
}

void FlightWindowTest::theMapFlashesTwice() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    click(&m, "mapImage_8");
    game.rng.queueFlight(m);
    click(&m, "goButton");
    auto* timer = m.findChild<QTimer*>("zoomTimer");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 200);
    timer->stop(); // ticked by hand from here
    QWidget* flash = widget(&m, "zoomGraphic");
    QList<bool> shown;
    for (int tick = 0; tick < 4; ++tick) {
        m.zoomTimer_Timer();
        shown << flash->isVisible();
    }
    QCOMPARE(shown, (QList<bool>{true, false, true, false}));
    QVERIFY(!timer->isActive());
}

QTEST_MAIN(FlightWindowTest)
#include "test_flight_window.moc"
