// A whole game played with the keyboard alone: every step is a key sent to whatever holds the
// focus, from the greeting through the map, a flight with an event, a purchase from the list,
// the bank and the fuel shop with their boxes and figures, saving and loading.
#include "scripted_random.h"
#include "ui/support/command_windows.h"
#include "ui/support/game_files.h"
#include "ui/support/ui_support.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
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

// Types `amount` into the amount box holding the focus and presses Enter for its action,
// which leaves `window` up.
void deal(QWidget* window, const QString& amount) {
    QTest::keyClicks(focused(), amount);
    key(Qt::Key_Return);
    QVERIFY2(window->isVisible(), "Enter also pressed a default button");
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
    m.showStartupForm();

    // The greeting, then the game-length window with its default length.
    inNextWindow([](QWidget* length) {
        tabTo(length, QStringLiteral("beginNewGameButton"));
        key(Qt::Key_Space);
    });
    tabTo(widget(&m, QStringLiteral("startupForm")), QStringLiteral("startNewGameButton"));
    key(Qt::Key_Space);
    QTRY_VERIFY(state.inProgress());

    // A destination from the map's keys: the marker starts on the current galaxy (cell 8),
    // Enter picks the cell beside it, and the marker is moved below before the flight.
    placeGalaxies(m, kKnownLayout);
    tabTo(&m, QStringLiteral("mapCanvas"));
    key(Qt::Key_Left);
    key(Qt::Key_Return);
    QCOMPARE(state.selectedCell, 7);
    key(Qt::Key_Down);

    // The flight meets an asteroid storm, gone around with the window's default choice.
    queueEventFlight(game.rng, {1, 100, 100}, {{{drawFor(5, 1, 5), drawFor(7, 1, 20)}, {}, {}}});
    QString event;
    inNextWindow([&event](QWidget* hazard) {
        event = hazard->objectName();
        key(Qt::Key_Return);
    });
    key(Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(event, QStringLiteral("naturalHazardForm"));
    QCOMPARE(state.currentGalaxy, 11);
    // The arrival takes the marker off cell 13, onto the galaxy a screen reader now hears as
    // the current location.
    backTo(&m);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(focused())->focusChild()->text(QAccessible::Name),
        QStringLiteral("Akash, current location"));
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    QVERIFY2(state.selectedCell != 14, "the marker stayed where it was");

    // One unit of the first good for sale, from the list by Enter.
    const std::int32_t cashBefore = state.cash;
    inNextWindow([](QWidget* trade) {
        inNextWindow([](QWidget* buy) {
            deal(buy, QStringLiteral("1"));
            key(Qt::Key_Escape);
        });
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
    inNextWindow([](QWidget* bank) {
        deal(bank, QStringLiteral("100"));
        key(Qt::Key_Escape);
    });
    tabTo(&m, QStringLiteral("bankButton"));
    key(Qt::Key_Space);
    QCOMPARE(state.debt, saved.debt + 100);
    // Back in the bank: the loan box keeps its text selected, part of the loan is repaid from
    // the box below it, and the debt's figure fills that box.
    inNextWindow([](QWidget* bank) {
        QCOMPARE(qobject_cast<QLineEdit*>(focused())->selectedText(), QStringLiteral("100"));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        deal(bank, QStringLiteral("40"));
        tabTo(bank, QStringLiteral("currentDebtLabel"));
        key(Qt::Key_Space);
        QCOMPARE(shownTexts(bank, {QStringLiteral("repayAmountBox")}).front(),
                 QStringLiteral("60"));
        key(Qt::Key_Escape);
    });
    tabTo(&m, QStringLiteral("bankButton"));
    key(Qt::Key_Space);
    QCOMPARE(state.debt, saved.debt + 60);
    inNextWindow([](QWidget* shop) {
        deal(shop, QStringLiteral("1"));
        tabTo(shop, QStringLiteral("maxLabel"));
        key(Qt::Key_Return);
        QCOMPARE(shownTexts(shop, {QStringLiteral("Number")}).front(), labelText(shop, "maxLabel"));
        key(Qt::Key_Escape);
    });
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
