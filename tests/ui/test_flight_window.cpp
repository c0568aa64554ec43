// Picking a destination on the map and pressing GO: the route figures, the ship moving on the
// map and in every status label, the flight's messages and the event windows it raises.
#include "core/flight_draws.h"
#include "ui/MapView.h"
#include "ui/SoundPlayer.h"
#include "ui/support/command_windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <QTimer>

#include <vector>

using namespace zt;
using namespace zt::test;

namespace {

bool goEnabled(Main& m) {
    const bool button = widget(&m, "goButton")->isEnabled();
    if (button != m.findChild<QAction*>("goMenu")->isEnabled())
        qWarning("GO and its menu entry differ");
    return button;
}

// The goods names of a supplies or demands list, joined as the panels show them.
template <class List> QString goodsText(Main& m, const List& list) {
    QStringList names;
    for (int k = 1; k <= 4; ++k)
        names << QString::fromStdString(m.session().catalogue().goodsNames[list[k]]);
    return names.join(", ");
}

// Answers the event windows as they come up with `options` in turn, after a press of Escape;
// notes for each its name, the option checked when shown, the Earth time shown behind it,
// whether Escape closed it, and the hazard's text.
void answerEvents(Main& m, QStringList& seen, QStringList options) {
    if (options.isEmpty()) return;
    whenModalShown([&m, &seen, options](QWidget* form) mutable {
        QString checked;
        for (auto* option : form->findChildren<QAbstractButton*>())
            if (option->isCheckable() && option->isChecked()) checked = option->objectName();
        QTest::keyClick(form, Qt::Key_Escape);
        seen << QStringList{form->objectName(), checked, labelText(&m, "earthTimeLabel"),
                            form->isVisible() ? "up" : "closed"}
                    .join(' ');
        if (auto* hazard = form->findChild<QLabel*>("hazardLabel")) seen << hazard->text();
        const QString option = options.takeFirst();
        answerEvents(m, seen, options);
        click(form, option);
        click(form, form->objectName() == "irsForm" ? "passJudgementButton" : "goButton");
    });
}

} // namespace

class FlightWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aPickShowsTheRouteAndTheWhiteBox();
    void aFlightTellsTheTrendsMovesTheRedBoxAndFlashesTheMap();
    void eventWindowsComeMidFlightInOrderAndKeepTheLastChoice();
};

void FlightWindowTest::aPickShowsTheRouteAndTheWhiteBox() {
    StartedGame s;
    click(&s.main, "mapImage_8");
    const Galaxy& five = s.main.session().state().galaxies[5];
    QCOMPARE(shownTexts(&s.main,
                        {"selectedLocationLabel", "selectedSuppliesLabel", "selectedDemandsLabel",
                         "fuelNeededLabel", "timeNeededLabel", "bridgeTollLabel", "locationLabel"}),
             (QStringList{QString::fromStdString(five.name), goodsText(s.main, five.supplies),
                          goodsText(s.main, five.demands), "10", "1", "$20", "Milky Way"}));
    QVERIFY(goEnabled(s.main));
    click(&s.main, "mapImage_7"); // the current galaxy: the pick stays
    QCOMPARE(visibleOutlines(s.main), (QStringList{"7 #ff0000", "8 #ffffff"}));
    click(&s.main, "mapImage_14");
    QCOMPARE(visibleOutlines(s.main), (QStringList{"7 #ff0000", "14 #ffffff"}));
    // Fuel run short behind the window's back shows once the route is refreshed.
    s.main.session().state().fuel = 13;
    s.main.session().holdingsChanged();
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), QColor(255, 0, 0));
    QVERIFY(!goEnabled(s.main));
}

void FlightWindowTest::aFlightTellsTheTrendsMovesTheRedBoxAndFlashesTheMap() {
    StartedGame s;
    Main& m = s.main;
    m.session().state().debt = 1000;
    click(&m, "mapImage_8");
    // The trends message is told before the ship moves.
    QString cashWhenTold;
    s.game.recorder.onMessage = [&](const QString&) { cashWhenTold = labelText(&m, "cashLabel"); };
    s.game.rng.queueFlight(4);
    click(&m, "goButton");
    QCOMPARE(s.game.recorder.messages,
             QStringList{"CONSUMER TRENDS SHIFT!! ALL GALAXIES SUPPLIES/DEMANDS CHANGE!"});
    QCOMPARE(cashWhenTold, QStringLiteral("$5,000"));
    QCOMPARE(s.game.rng.queued(), std::size_t{0});
    const Galaxy& five = m.session().state().galaxies[5];
    QCOMPARE(shownTexts(&m, {"cashLabel", "debtLabel", "fuelLabel", "shieldsLabel",
                             "earthTimeLabel", "locationLabel", "locationSuppliesLabel"}),
             (QStringList{"$4,980", "$1,070", "90 / 100", "100 / 100", "2301",
                          QString::fromStdString(five.name), goodsText(m, five.supplies)}));
    QCOMPARE(visibleOutlines(m), QStringList{"8 #ff0000"});
    QVERIFY(!goEnabled(m));
    QVERIFY(m.findChild<SoundPlayer*>("soundControl")->deviceOpened()); // the engine
    // The map flashes twice, ticked by hand.
    auto* timer = m.findChild<QTimer*>("zoomTimer");
    QVERIFY(timer->isActive() && timer->interval() == 200);
    timer->stop();
    QList<bool> shown;
    for (int tick = 0; tick < 4; ++tick) {
        m.findChild<MapView*>()->zoomTimer_Timer();
        shown << widget(&m, "zoomGraphic")->isVisible();
    }
    QCOMPARE(shown, (QList<bool>{true, false, true, false}));
    QVERIFY(!timer->isActive());
    click(&m, "mapImage_7"); // and back by the menu entry
    s.game.rng.queueFlight();
    trigger(&m, "goMenu");
    QCOMPARE(visibleOutlines(m), QStringList{"7 #ff0000"});
}

void FlightWindowTest::eventWindowsComeMidFlightInOrderAndKeepTheLastChoice() {
    StartedGame s;
    Main& m = s.main;
    trigger(&m, "soundOffMenu"); // the windows come all the same, in silence
    QStringList seen;
    QString shieldsWhenTold; // the status is shown before the event's messages
    s.game.recorder.onMessage = [&](const QString&) {
        shieldsWhenTold = labelText(&m, "shieldsLabel");
    };
    answerEvents(m, seen, {"ProceedeOption"});
    click(&m, "mapImage_8");
    queueEventFlight(s.game.rng, {1, 100, 100}, {{{drawFor(2, 1, 5), drawFor(25, 5, 40)}, {}, {}}});
    click(&m, "goButton");
    QCOMPARE(seen, (QStringList{"naturalHazardForm goAroundOption 2301 up",
                                "An asteroid storm has been detected. What do you wish to do?"}));
    QCOMPARE(s.game.recorder.messages,
             QStringList{"You went through, but it cost you 25 shield units!"});
    QCOMPARE(shieldsWhenTold, QStringLiteral("75 / 100"));

    // All three on the way back, with black cargo aboard.
    m.session().state().blackCargo[4] = {100, 700};
    m.session().state().cargoInHold = 100;
    seen.clear();
    answerEvents(m, seen, {"goAroundOption", "runOption", "hireAttourneyOption"});
    click(&m, "mapImage_7");
    queueEventFlight(
        s.game.rng, {1, 1, 1},
        {{{drawFor(5, 1, 5), drawFor(7, 1, 20)}, {drawFor(100, 1, 100)}, {drawFor(50, 1, 100)}}});
    click(&m, "goButton");
    QCOMPARE(seen, (QStringList{"naturalHazardForm ProceedeOption 2302 up",
                                "An unkown spacial anomaly has been detected. What do you wish "
                                "to do?",
                                "spacePiratesForm runOption 2309 up",
                                "irsForm dumpCargoOption 2309 up"}));
    QCOMPARE(s.game.recorder.messages.size(), 4);
    QCOMPARE(s.game.rng.queued(), std::size_t{0});
    QVERIFY(!m.findChild<SoundPlayer*>("soundControl")->deviceOpened());
}

QTEST_MAIN(FlightWindowTest)
#include "test_flight_window.moc"
