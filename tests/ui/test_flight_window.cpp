// Picking a destination on the map and pressing GO: the route figures, the ship moving on the
// map and in every status label, the flight's messages and the event windows it raises.
#include "core/flight_draws.h"
#include "ui/SoundPlayer.h"
#include "ui/support/command_windows.h"

#include <QAction>
#include <QTest>
#include <QTimer>

using namespace zt;
using namespace zt::test;

namespace {

// Whether GO can be pressed; when its button and menu entry disagree, the opposite of the
// button, so that every check of it fails.
bool goEnabled(Main& m) {
    const bool button = widget(&m, "goButton")->isEnabled();
    return button == m.findChild<QAction*>("goMenu")->isEnabled() ? button : !button;
}

// The goods names of a supplies or demands list, joined as the panels show them.
template <class List> QString goodsText(Main& m, const List& list) {
    QStringList names;
    for (int k = 1; k <= 4; ++k)
        names << QString::fromStdString(m.session().catalogue().goodsNames[list[k]]);
    return names.join(", ");
}

} // namespace

class FlightWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aPickShowsTheRouteAndAFlightTellsTheTrendsBeforeMovingTheShip();
    void anEventWindowComesMidFlightAfterTheStatusIsShown();
};

void FlightWindowTest::aPickShowsTheRouteAndAFlightTellsTheTrendsBeforeMovingTheShip() {
    StartedGame s;
    Main& m = s.main;
    click(&m, "mapImage_8");
    const Galaxy& five = m.session().state().galaxies[5];
    QCOMPARE(shownTexts(&m, {"selectedLocationLabel", "selectedSuppliesLabel",
                             "selectedDemandsLabel", "fuelNeededLabel", "bridgeTollLabel"}),
             (QStringList{QString::fromStdString(five.name), goodsText(m, five.supplies),
                          goodsText(m, five.demands), "10", "$20"}));
    // Fuel run short behind the window's back shows once the route is refreshed.
    m.session().state().fuel = 9;
    m.session().holdingsChanged();
    QCOMPARE(labelColour(&m, "fuelNeededLabel"), QColor(255, 0, 0));
    QVERIFY(!goEnabled(m));
    m.session().state().fuel = 100;
    m.session().state().debt = 1000;
    m.session().holdingsChanged();
    QVERIFY(goEnabled(m));

    QString cashWhenTold;
    s.game.recorder.onMessage = [&](const QString&) { cashWhenTold = labelText(&m, "cashLabel"); };
    queueEventFlight(s.game.rng, {100, 100, 100}, {}, 4);
    click(&m, "goButton");
    QCOMPARE(s.game.recorder.messages,
             QStringList{"CONSUMER TRENDS SHIFT!! ALL GALAXIES SUPPLIES/DEMANDS CHANGE!"});
    QCOMPARE(cashWhenTold, QStringLiteral("$5,000"));
    QCOMPARE(s.game.rng.queued(), std::size_t{0});
    QCOMPARE(shownTexts(&m, {"cashLabel", "debtLabel", "fuelLabel", "shieldsLabel",
                             "earthTimeLabel", "locationLabel", "locationSuppliesLabel"}),
             (QStringList{"$4,980", "$1,070", "90 / 100", "100 / 100", "2301",
                          QString::fromStdString(five.name), goodsText(m, five.supplies)}));
    QCOMPARE(visibleOutlines(m), QStringList{"8 #ff0000"});
    QVERIFY(!goEnabled(m));
    QVERIFY(m.findChild<SoundPlayer*>("soundControl")->deviceOpened()); // the engine
    QVERIFY(m.findChild<QTimer*>("zoomTimer")->isActive());             // the map flashes
    click(&m, "mapImage_7"); // and back by the menu entry
    queueEventFlight(s.game.rng, {100, 100, 100}, {});
    trigger(&m, "goMenu");
    QCOMPARE(visibleOutlines(m), QStringList{"7 #ff0000"});
}

void FlightWindowTest::anEventWindowComesMidFlightAfterTheStatusIsShown() {
    StartedGame s;
    Main& m = s.main;
    trigger(&m, "soundOffMenu"); // the window comes all the same, in silence
    QString shieldsWhenTold;
    s.game.recorder.onMessage = [&](const QString&) {
        shieldsWhenTold = labelText(&m, "shieldsLabel");
    };
    // Noted while the window is up: the option checked, the Earth time behind it, whether
    // Escape closed it, and its text.
    QStringList seen;
    whenModalShown([&](QWidget* hazard) {
        QTest::keyClick(hazard, Qt::Key_Escape);
        seen << labelText(&m, "earthTimeLabel") << (hazard->isVisible() ? "up" : "closed")
             << (isChecked(hazard, "goAroundOption") ? "around" : "")
             << labelText(hazard, "hazardLabel");
        click(hazard, "ProceedeOption");
        click(hazard, "goButton");
    });
    click(&m, "mapImage_8");
    queueEventFlight(s.game.rng, {1, 100, 100}, {{{drawFor(2, 1, 5), drawFor(25, 5, 40)}, {}, {}}});
    click(&m, "goButton");
    QCOMPARE(seen, (QStringList{"2301", "up", "around",
                                "An asteroid storm has been detected. What do you wish to do?"}));
    QCOMPARE(s.game.recorder.messages,
             QStringList{"You went through, but it cost you 25 shield units!"});
    QCOMPARE(shieldsWhenTold, QStringLiteral("75 / 100"));
    QCOMPARE(s.game.rng.queued(), std::size_t{0});
    QVERIFY(!m.findChild<SoundPlayer*>("soundControl")->deviceOpened());
}

QTEST_MAIN(FlightWindowTest)
#include "test_flight_window.moc"
