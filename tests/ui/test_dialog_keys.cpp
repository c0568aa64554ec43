// The command windows played with the keyboard alone: where the focus starts, what Enter,
// Space, Tab and Escape do there, and the trade rows opened by Enter or by their accessible
// action.
#include "known_market.h"
#include "ui/support/command_windows.h"
#include "ui/support/ui_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

constexpr int kHere = 3; // the galaxy a new game starts at

// A game at the known market with $5,000, a debt of $500, half a tank and half the shields,
// 30 units of good 2 (bought here) and 10 of good 11 (bought nowhere) aboard.
struct KeyGame : StartedGame {
    GameState& state;
    KeyGame() : StartedGame(5000, 500, 1, 50, 50), state(main.session().state()) {
        setKnownMarket(state.galaxies[kHere]);
        state.cargo[2] = {30, 20};
        state.cargo[11] = {10, 20};
        state.cargoInHold += 40;
        main.session().holdingsChanged();
    }
};

QWidget* focused() {
    return QApplication::focusWidget();
}

// Makes the modal window the active one, as a window shown on a desktop is.
void activate(QWidget* window) {
    window->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == window);
}

void press(Qt::Key key) {
    QTest::keyClick(focused(), key);
}

// Closes `window` whatever Escape did, so a failing check cannot leave a test blocked in it.
void closeAfter(QWidget* window) {
    if (window->isVisible()) qobject_cast<QDialog*>(window)->done(QDialog::Rejected);
}

// Where a window is opened from: a main window button and, inside a market, a list's row
// chosen with Enter.
struct Opener {
    const char* button;
    const char* list = nullptr;
    int row = 0;
};

// Opens the window of `how` as a keyboard player does and runs `play` in it; the windows are
// closed with Escape afterwards, which must close them.
void inWindow(Main& main, const Opener& how, const std::function<void(QWidget*)>& play) {
    const auto escape = [](QWidget* window) {
        press(Qt::Key_Escape);
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " stayed up"));
    };
    whenModalShown([&](QWidget* window) {
        activate(window);
        if (how.list) {
            whenModalShown([&](QWidget* dialog) {
                activate(dialog);
                play(dialog);
                escape(dialog);
                closeAfter(dialog);
            });
            auto* list = qobject_cast<QListWidget*>(widget(window, how.list));
            list->setFocus(Qt::TabFocusReason);
            list->setCurrentRow(how.row);
            press(Qt::Key_Return);
            activate(window); // back from the dialog, as a desktop returns to it
        } else {
            play(window);
        }
        escape(window);
        closeAfter(window);
    });
    click(&main, how.button);
}

} // namespace

class DialogKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void amountBoxesOpenFocusedAndEnterActsOnce();
    void fillFiguresAreReachedByTabAndFillTheirBoxByKeys();
    void escapeClosesEveryCommandWindow();
    void tradeRowsOpenTheirDialogByEnterAndByTheirAction();
};

void DialogKeysTest::amountBoxesOpenFocusedAndEnterActsOnce() {
    const struct {
        const char* row;
        Opener open;
        int tabs; // from the box the window opens on
        const char* box;
        std::function<int(const GameState&)> figure;
        int change; // of the figure, for 10 typed and Enter
    } rows[] = {
        {"borrow", {"bankButton"}, 0, "loanAmountBox", [](auto& s) { return s.debt; }, 10},
        {"repay", {"bankButton"}, 2, "repayAmountBox", [](auto& s) { return s.debt; }, -10},
        {"fuel", {"buyFuelButton"}, 0, "Number", [](auto& s) { return int(s.fuel); }, 10},
        {"shields",
         {"repairShieldButton"},
         0,
         "Number",
         [](auto& s) { return int(s.shields); },
         10},
        {"purchase",
         {"tradeButton", "goodsForSaleList", 0},
         0,
         "Number",
         [](auto& s) { return s.cargo[5].quantity; },
         10},
        {"sale",
         {"tradeButton", "yourInventoryList", 0},
         0,
         "Number",
         [](auto& s) { return s.cargo[2].quantity; },
         -10},
    };
    for (const auto& r : rows) {
        KeyGame g;
        const int before = r.figure(g.state);
        QString kept;
        for (const char* typed : {"10", ""}) {
            inWindow(g.main, r.open, [&](QWidget* window) {
                for (int i = 0; i < r.tabs; ++i)
                    press(Qt::Key_Tab);
                auto* box = qobject_cast<QLineEdit*>(widget(window, r.box));
                QVERIFY2(focused() == box, r.row);
                const QString selected = kept.isEmpty() ? QStringLiteral("0") : kept;
                QVERIFY2(box->selectedText() == selected, r.row);
                if (!*typed) return;
                QTest::keyClicks(box, typed); // replaces the selected text
                press(Qt::Key_Return);
                kept = box->text();
            });
        }
        QVERIFY2(r.figure(g.state) - before == r.change, r.row);
        QCOMPARE(kept, QStringLiteral("10"));
        QCOMPARE(g.game.recorder.beeps, 0);
    }
}

void DialogKeysTest::fillFiguresAreReachedByTabAndFillTheirBoxByKeys() {
    const struct {
        Opener open;
        const char* figure;
        const char* box;
        Qt::Key key;
    } rows[] = {
        {{"bankButton"}, "currentDebtLabel", "repayAmountBox", Qt::Key_Space},
        {{"bankButton"}, "maxLabel", "loanAmountBox", Qt::Key_Return},
        {{"buyFuelButton"}, "maxLabel", "Number", Qt::Key_Enter},
        {{"repairShieldButton"}, "maxLabel", "Number", Qt::Key_Space},
        {{"tradeButton", "goodsForSaleList", 1}, "maxLabel", "Number", Qt::Key_Return},
        {{"tradeButton", "yourInventoryList", 0}, "maxLabel", "Number", Qt::Key_Space},
    };
    for (const auto& r : rows) {
        KeyGame g;
        inWindow(g.main, r.open, [&](QWidget* window) {
            QWidget* figure = widget(window, r.figure);
            auto* box = qobject_cast<QLineEdit*>(widget(window, r.box));
            const QImage unfocused = figure->grab().toImage();
            for (int i = 0; i < 8 && focused() != figure; ++i)
                press(Qt::Key_Tab);
            QVERIFY2(focused() == figure, r.figure);
            QVERIFY2(figure->grab().toImage() != unfocused, "the focus does not show");
            press(r.key);
            const QString byKey = box->text();
            box->setText(QStringLiteral("0"));
            click(window, r.figure);
            QCOMPARE(byKey, box->text());
            QVERIFY(byKey != QStringLiteral("0"));
            QVERIFY2(window->isVisible(), "the key also pressed a button");
        });
        QCOMPARE(g.game.recorder.beeps, 0);
    }
}

void DialogKeysTest::escapeClosesEveryCommandWindow() {
    KeyGame g;
    for (const char* menu :
         {"tradeMenu", "blackMarketMenu", "bankMenu", "buyFuelMenu", "repairShieldMenu",
          "buyNewShipMenu", "sdSearchMenu", "normalGoodsPricesMenu", "instructionsMenu",
          "anoutMenu", "highScoresMenu"}) {
        bool closed = false;
        whenModalShown([&](QWidget* window) {
            activate(window);
            press(Qt::Key_Escape);
            closed = !window->isVisible();
            closeAfter(window);
        });
        trigger(&g.main, menu);
        QVERIFY2(closed, menu);
    }
}

void DialogKeysTest::tradeRowsOpenTheirDialogByEnterAndByTheirAction() {
    const struct {
        const char* button;
        const char* list;
        int row;
        const char* dialog;
    } rows[] = {
        {"tradeButton", "goodsForSaleList", 2, "purchaseForm"},
        {"tradeButton", "yourInventoryList", 0, "sellForm"},
        {"tradeButton", "yourInventoryList", 1, "scrapForm"},
        {"blackMarketButton", "goodsForSaleList", 1, "blackPurchaseForm"},
    };
    for (bool byAction : {false, true}) {
        for (const auto& r : rows) {
            KeyGame g;
            QStringList opened;
            whenModalShown([&](QWidget* market) {
                activate(market);
                auto* list = qobject_cast<QListWidget*>(widget(market, r.list));
                list->setFocus(Qt::TabFocusReason);
                list->setCurrentRow(r.row);
                whenModalShown([&](QWidget* dialog) {
                    opened << dialog->objectName();
                    closeAfter(dialog);
                });
                QAccessibleInterface* row =
                    QAccessible::queryAccessibleInterface(list)->child(r.row);
                if (byAction) {
                    QAccessibleActionInterface* actions = row->actionInterface();
                    QCOMPARE(actions->actionNames(), {QAccessibleActionInterface::pressAction()});
                    actions->doAction(QAccessibleActionInterface::pressAction());
                    QTest::qWait(200); // the action opens the dialog from the event loop
                } else {
                    press(Qt::Key_Return);
                }
                closeAfter(market);
            });
            click(&g.main, r.button);
            QCOMPARE(opened.size(), 1);
            QCOMPARE(opened.front(), QString::fromLatin1(r.dialog));
        }
    }
}

QTEST_MAIN(DialogKeysTest)
#include "test_dialog_keys.moc"
