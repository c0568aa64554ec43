// A whole game played with the keyboard alone: every step is a key sent to whatever holds the
// focus, from the greeting through a flight with an event, a purchase, the bank, the fuel shop,
// saving and loading.
#include "scripted_random.h"
#include "ui/support/game_files.h"
#include "ui/support/ui_support.h"

#include <QApplication>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QVERIFY(focused());
    QTest::keyClick(focused(), k, modifiers);
}

void type(const QString& text) {
    QVERIFY(focused());
    QTest::keyClicks(focused(), text);
}

// Gives `window` the keyboard, as the desktop does when the window above it closes.
void backTo(QWidget* window) {
    window->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == window);
}

// Tabs through `window` until the control `name` holds the focus, as a player looks for it.
void tabTo(QWidget* window, const QString& name) {
    backTo(window);
    for (int presses = 0; presses < 40; ++presses) {
        if (focused() && focused()->objectName() == name) return;
        key(Qt::Key_Tab);
    }
    QFAIL(qPrintable(name + " is never reached by Tab in " + window->objectName()));
}

// Runs `keys` in the next modal window once it is active, then checks the keys closed it.
void inNextWindow(std::function<void(QWidget*)> keys) {
    whenModalShown([keys](QWidget* window) {
        backTo(window);
        keys(window);
        if (window->isVisible()) {
            window->close();
            QFAIL(qPrintable(window->objectName() + " was left open by its keys"));
        }
    });
}

// Types `amount` into the amount box a command window opens on, presses Enter for its action
// and Escape to leave.
void dealAndLeave(const QString& amount) {
    type(amount);
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
}

} // namespace

class KeyboardGameTest : public QObject {
    Q_OBJECT
  private slots:
    void aWholeGameIsPlayedByKeysAlone();
};

void KeyboardGameTest::aWholeGameIsPlayedByKeysAlone() {
    TestGame game;
    Main& m = *game.main;
    const GameState& state = m.session().state();
    m.show();
    m.showStartupForm();

    // The greeting, then the game-length window with its default length.
    inNextWindow([](QWidget* length) {
        tabTo(length, QStringLiteral("beginNewGameButton"));
        key(Qt::Key_Space);
    });
    tabTo(widget(&m, QStringLiteral("startupForm")), QStringLiteral("startNewGameButton"));
    key(Qt::Key_Space);
    QTRY_VERIFY(state.inProgress());

    // A destination from the map's keys: the first direction that leads somewhere.
    tabTo(&m, QStringLiteral("mapCanvas"));
    for (Qt::Key arrow : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}) {
        key(arrow);
        key(Qt::Key_Return);
        if (state.selectedCell != kNoCell) break;
    }
    QVERIFY(state.selectedCell != kNoCell);
    const int destination = state.cellGalaxy[state.selectedCell];

    // The flight meets an asteroid storm, gone around with the window's default choice.
    queueEventFlight(game.rng, {1, 100, 100}, {{{drawFor(5, 1, 5), drawFor(7, 1, 20)}, {}, {}}});
    QString event;
    inNextWindow([&event](QWidget* hazard) {
        event = hazard->objectName();
        key(Qt::Key_Return);
    });
    key(Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(event, QStringLiteral("naturalHazardForm"));
    QCOMPARE(state.currentGalaxy, destination);

    // One unit of the first good for sale, from the list by Enter.
    const std::int32_t cashBefore = state.cash;
    inNextWindow([](QWidget* trade) {
        inNextWindow([](QWidget*) { dealAndLeave(QStringLiteral("1")); });
        tabTo(trade, QStringLiteral("goodsForSaleList"));
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        backTo(trade);
        key(Qt::Key_Escape);
    });
    tabTo(&m, QStringLiteral("tradeButton"));
    key(Qt::Key_Space);
    QCOMPARE(state.cargoInHold, 1);
    QVERIFY(state.cash < cashBefore);

    // Saved here; then a loan and fuel bought, which the load takes back.
    ChosenFiles chosen;
    chosen.queue(game.folder.filePath(QStringLiteral("by keys.zht")));
    backTo(&m);
    key(Qt::Key_S, Qt::ControlModifier);
    const GameState saved = state;
    inNextWindow([](QWidget*) { dealAndLeave(QStringLiteral("100")); });
    tabTo(&m, QStringLiteral("bankButton"));
    key(Qt::Key_Space);
    QCOMPARE(state.debt, saved.debt + 100);
    inNextWindow([](QWidget*) { dealAndLeave(QStringLiteral("1")); });
    tabTo(&m, QStringLiteral("buyFuelButton"));
    key(Qt::Key_Space);
    QCOMPARE(state.fuel, saved.fuel + 1);

    chosen.queue(game.folder.filePath(QStringLiteral("by keys.zht")));
    backTo(&m);
    key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(state.debt, saved.debt);
    QCOMPARE(state.fuel, saved.fuel);
    QCOMPARE(state.cargoInHold, 1);
    QCOMPARE(game.recorder.beeps, 0);
}

QTEST_MAIN(KeyboardGameTest)
#include "test_keyboard_game.moc"
