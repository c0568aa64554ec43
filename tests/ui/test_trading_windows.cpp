// Trading as a player does it: the Trading Post and the Black Market, their purchase and sale
// dialogs, the scrap window, and what the main window shows afterwards.
#include "known_market.h"
#include "market/trading.h"
#include "ui/NumberBox.h"
#include "ui/look.h"
#include "ui/support/ui_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QListWidget>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

constexpr int kHere = 3; // the galaxy a new game starts at

// A started game whose galaxy has the known market and $1,000 in cash.
struct Shop {
    TestGame game;
    Main& main;
    GameState& state;
    const Catalogue& catalogue;

    Shop() : main(*game.main), state(main.state()), catalogue(main.catalogue()) {
        startKnownGame(main);
        setKnownMarket(state.galaxies[kHere]);
        state.cash = 1000;
        main.refreshStatus();
    }
    QString good(int g) const { return QString::fromStdString(catalogue.goodsNames[g]); }
    QString blackGood(int g) const { return QString::fromStdString(catalogue.blackGoodsNames[g]); }
};

QListWidget* list(QWidget* window, const char* name) {
    return qobject_cast<QListWidget*>(widget(window, name));
}

QStringList rows(QWidget* window, const char* name) {
    QStringList texts;
    QListWidget* l = list(window, name);
    for (int i = 0; i < l->count(); ++i)
        texts << l->item(i)->text();
    return texts;
}

QString row(const QString& name, std::int64_t price, std::int64_t quantity) {
    return QString::fromStdString(tradeRow(name.toStdString(), price, quantity));
}

// Double-clicks row `index` of a list with the mouse.
void doubleClickRow(QWidget* window, const char* name, int index) {
    QListWidget* l = list(window, name);
    const QRect rect = l->visualItemRect(l->item(index));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, rect.center());
}

// Types `text` into the dialog's amount box after emptying it with Backspace.
void typeAmount(QWidget* dialog, const QString& text) {
    auto* box = qobject_cast<NumberBox*>(widget(dialog, "Number"));
    box->setFocus();
    box->setCursorPosition(static_cast<int>(box->text().size()));
    while (!box->text().isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Opens a market with its button and runs `inside` while its window is up, then closes it.
void inMarket(Main& main, const char* button, std::function<void(QWidget*)> inside) {
    whenModalShown([inside](QWidget* window) {
        inside(window);
        click(window, "doneButton");
    });
    click(&main, button);
}

// Double-clicks a row and runs `inside` while the dialog it opens is up, then closes it.
void inDialog(QWidget* window, const char* listName, int index,
              std::function<void(QWidget*)> inside, const char* closeButton = "doneButton") {
    whenModalShown([inside, closeButton](QWidget* dialog) {
        inside(dialog);
        if (dialog->isVisible()) click(dialog, closeButton);
    });
    doubleClickRow(window, listName, index);
}

} // namespace

class TradingWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void theTradingPostListsWhatIsSoldWantedAndCarried();
    void aPurchaseByKeysAndClicksRefreshesEveryWindow();
    void aSaleByKeysSellsOutAndSelectsTheNextRow();
    void aGoodNobodyBuysCanBeScrappedOrKept();
    void theBlackMarketTradesItsOwnGoodsInTheSameHold();
};

void TradingWindowsTest::theTradingPostListsWhatIsSoldWantedAndCarried() {
    Shop m;
    m.state.galaxies[kHere].supplyQuantity[3] = 0;
    m.state.cargo[12] = {7, 150};
    m.state.cargo[2] = {1, 90};
    inMarket(m.main, "tradeButton", [&](QWidget* trade) {
        QCOMPARE(trade->objectName(), QStringLiteral("tradeForm"));
        QCOMPARE(trade->windowTitle(), QStringLiteral("Trade"));
        QCOMPARE(labelText(trade, "tradeFormTitle"), QStringLiteral("Milky Way Trading Post"));
        QCOMPARE(rows(trade, "goodsForSaleList"),
                 QStringList({row(m.good(5), 30, 50), row(m.good(6), 30, 50), row(m.good(7), 30, 0),
                              row(m.good(8), 30, 50)}));
        QCOMPARE(rows(trade, "goodsWantedList"),
                 QStringList({row(m.good(1), 100, 100), row(m.good(2), 200, 100),
                              row(m.good(3), 300, 100), row(m.good(4), 400, 100)}));
        QCOMPARE(rows(trade, "yourInventoryList"),
                 QStringList({row(m.good(2), 90, 1), row(m.good(12), 150, 7)}));
        QCOMPARE(list(trade, "yourInventoryList")->item(1)->data(Qt::UserRole).toInt(), 12);
        QCOMPARE(labelText(trade, "Label4").simplified(),
                 QStringLiteral("Your Inventory: Bought At: Quantity:"));
        // The columns line up: headings and rows share one fixed-pitch font.
        const QFontMetrics metrics(list(trade, "goodsForSaleList")->font());
        QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
        QCOMPARE(label(trade, "Label1")->font(), list(trade, "goodsForSaleList")->font());

        // The guide opens over the window and leaves it as it was.
        list(trade, "goodsWantedList")->setCurrentRow(2);
        whenModalShown([](QWidget* guide) {
            QCOMPARE(guide->objectName(), QStringLiteral("normalGoodsPricesForm"));
            click(guide, "doneButton");
        });
        click(trade, "normalPricesButton");
        QVERIFY(trade->isVisible());
        QCOMPARE(list(trade, "goodsWantedList")->currentRow(), 2);
        QCOMPARE(rows(trade, "yourInventoryList").size(), 2);
    });
}

void TradingWindowsTest::aPurchaseByKeysAndClicksRefreshesEveryWindow() {
    Shop m;
    m.state.cargo[6] = {10, 20};
    m.state.cargoInHold = 10;
    click(&m.main, "mapImage_41"); // far away: a toll of $128
    QVERIFY(widget(&m.main, "goButton")->isEnabled());
    inMarket(m.main, "tradeButton", [&](QWidget* trade) {
        inDialog(trade, "goodsForSaleList", 1, [&](QWidget* buy) {
            QCOMPARE(buy->objectName(), QStringLiteral("purchaseForm"));
            QCOMPARE(labelText(buy, "purchaseFormTitle"), QStringLiteral("Milky Way Trading Post"));
            QCOMPARE(labelText(buy, "goodLabel"), m.good(6));
            QCOMPARE(labelText(buy, "priceLabel"), QStringLiteral("30"));
            QCOMPARE(labelText(buy, "quantityAvailableLabel"), QStringLiteral("50"));
            QCOMPARE(labelText(buy, "unusedCapacity"), QStringLiteral("90"));
            QCOMPARE(labelText(buy, "maxLabel"), QStringLiteral("33"));
            QCOMPARE(widget(buy, "Number")->property("text").toString(), QStringLiteral("0"));

            typeAmount(buy, "10");
            click(buy, "buyButton");
            QCOMPARE(labelText(buy, "quantityAvailableLabel"), QStringLiteral("40"));
            QCOMPARE(labelText(buy, "maxLabel"), QStringLiteral("23"));
            QCOMPARE(labelText(buy, "unusedCapacity"), QStringLiteral("80"));
            QCOMPARE(rows(trade, "goodsForSaleList")[1], row(m.good(6), 30, 40));
            QCOMPARE(list(trade, "goodsForSaleList")->currentRow(), 1);
            // Merged with the 10 carried at $20: (200 + 300) / 20 = 25.
            QCOMPARE(rows(trade, "yourInventoryList"), QStringList({row(m.good(6), 25, 20)}));
            QCOMPARE(labelText(&m.main, "cashLabel"), QStringLiteral("$700"));
            QCOMPARE(labelColour(&m.main, "bridgeTollLabel"), kYellow);

            // A fraction, a minus key and more than the maximum beep and change nothing.
            typeAmount(buy, "2.5");
            click(buy, "buyButton");
            QTest::keyClick(widget(buy, "Number"), Qt::Key_Minus);
            typeAmount(buy, "24");
            click(buy, "buyButton");
            QCOMPARE(m.game.recorder.beeps, 3);
            QCOMPARE(labelText(buy, "quantityAvailableLabel"), QStringLiteral("40"));

            // The maximum clicked into the box and bought leaves a maximum of 0.
            click(buy, "maxLabel");
            QCOMPARE(widget(buy, "Number")->property("text").toString(), QStringLiteral("23"));
            click(buy, "buyButton");
            QCOMPARE(labelText(buy, "maxLabel"), QStringLiteral("0"));
            QCOMPARE(labelText(&m.main, "cashLabel"), QStringLiteral("$10"));
            QCOMPARE(labelColour(&m.main, "bridgeTollLabel"), kRed); // the route refresh
            QVERIFY(!widget(&m.main, "goButton")->isEnabled());
        });
        // The dialog keeps the last amount for the next visit.
        inDialog(trade, "goodsForSaleList", 3, [&](QWidget* buy) {
            QCOMPARE(labelText(buy, "goodLabel"), m.good(8));
            QCOMPARE(widget(buy, "Number")->property("text").toString(), QStringLiteral("23"));
        });
    });
    QCOMPARE(m.state.cash, 10);
    QCOMPARE(m.state.cargoInHold, 43);
    QCOMPARE(m.state.cargo[6], (CargoItem{43, 28})); // (500 + 690) / 43 = 27.67
}

void TradingWindowsTest::aSaleByKeysSellsOutAndSelectsTheNextRow() {
    Shop m;
    m.state.cargo[2] = {30, 150};
    m.state.cargo[3] = {5, 80};
    m.state.cargo[9] = {4, 10};
    m.state.cargoInHold = 39;
    inMarket(m.main, "tradeButton", [&](QWidget* trade) {
        inDialog(trade, "yourInventoryList", 0, [&](QWidget* sell) {
            QCOMPARE(sell->objectName(), QStringLiteral("sellForm"));
            QCOMPARE(labelText(sell, "sellFormTitle"), QStringLiteral("Milky Way Trading Post"));
            QCOMPARE(labelText(sell, "goodLabel"), m.good(2));
            QCOMPARE(labelText(sell, "priceLabel"), QStringLiteral("200"));
            QCOMPARE(labelText(sell, "quantityOwnedLabel"), QStringLiteral("30"));
            QCOMPARE(labelText(sell, "quantityDemandedLabel"), QStringLiteral("100"));
            QCOMPARE(labelText(sell, "maxLabel"), QStringLiteral("30"));

            click(sell, "sellButton"); // selling 0 beeps
            QCOMPARE(m.game.recorder.beeps, 1);
            typeAmount(sell, "12");
            click(sell, "sellButton");
            QCOMPARE(labelText(sell, "quantityOwnedLabel"), QStringLiteral("18"));
            QCOMPARE(labelText(sell, "quantityDemandedLabel"), QStringLiteral("88"));
            QCOMPARE(rows(trade, "goodsWantedList")[1], row(m.good(2), 200, 88));
            QCOMPARE(list(trade, "yourInventoryList")->currentRow(), 0);
            QCOMPARE(labelText(&m.main, "cashLabel"), QStringLiteral("$3,400"));

            // Selling the rest from the same dialog removes the row and selects the first.
            click(sell, "maxLabel");
            click(sell, "sellButton");
            QCOMPARE(labelText(sell, "quantityOwnedLabel"), QStringLiteral("0"));
            QCOMPARE(labelText(sell, "maxLabel"), QStringLiteral("0"));
            QCOMPARE(rows(trade, "yourInventoryList"),
                     QStringList({row(m.good(3), 80, 5), row(m.good(9), 10, 4)}));
            QCOMPARE(list(trade, "yourInventoryList")->currentRow(), 0);
            click(sell, "sellButton");
            QCOMPARE(m.game.recorder.beeps, 2);
        });
        // A sale of a good further down keeps that good selected.
        inDialog(trade, "yourInventoryList", 0, [&](QWidget* sell) {
            typeAmount(sell, "2");
            click(sell, "sellButton");
            QCOMPARE(list(trade, "yourInventoryList")->currentItem()->data(Qt::UserRole).toInt(),
                     3);
        });
    });
    QCOMPARE(m.state.cash, 1000 + 30 * 200 + 2 * 300);
    QCOMPARE(m.state.cargo[2], (CargoItem{0, 0}));
    QCOMPARE(m.state.cargo[3], (CargoItem{3, 80}));
    QCOMPARE(m.state.cargoInHold, 7);
    QCOMPARE(m.state.galaxies[kHere].demandQuantity[2], 70);
}

void TradingWindowsTest::aGoodNobodyBuysCanBeScrappedOrKept() {
    Shop m;
    m.state.cargo[11] = {37, 500};
    m.state.cargo[12] = {3, 100};
    m.state.cargoInHold = 40;
    inMarket(m.main, "tradeButton", [&](QWidget* trade) {
        // "Never mind" is chosen at first and keeps everything.
        inDialog(
            trade, "yourInventoryList", 0,
            [&](QWidget* scrap) {
                QCOMPARE(scrap->objectName(), QStringLiteral("scrapForm"));
                QCOMPARE(labelText(scrap, "Label1"),
                         QStringLiteral("Sorry, there is no demand for that item here. What do "
                                        "you wish to do?"));
                QVERIFY(
                    qobject_cast<QAbstractButton*>(widget(scrap, "neverMindOption"))->isChecked());
                click(scrap, "continueButton");
            },
            "continueButton");
        QCOMPARE(m.state.cargo[11].quantity, 37);
        QCOMPARE(rows(trade, "yourInventoryList").size(), 2);

        inDialog(
            trade, "yourInventoryList", 0,
            [&](QWidget* scrap) {
                click(scrap, "scrapOption");
                click(scrap, "continueButton");
            },
            "continueButton");
        QCOMPARE(rows(trade, "yourInventoryList"), QStringList({row(m.good(12), 100, 3)}));
        QCOMPARE(list(trade, "yourInventoryList")->currentRow(), 0);
        QCOMPARE(labelText(&m.main, "cashLabel"), QStringLiteral("$1,074"));

        // The last choice stays chosen.
        inDialog(
            trade, "yourInventoryList", 0,
            [&](QWidget* scrap) {
                QVERIFY(qobject_cast<QAbstractButton*>(widget(scrap, "scrapOption"))->isChecked());
                click(scrap, "neverMindOption");
                click(scrap, "continueButton");
            },
            "continueButton");
    });
    QCOMPARE(m.state.cash, 1074);
    QCOMPARE(m.state.cargoInHold, 3);
    QCOMPARE(m.state.cargo[11].quantity, 0);
    QCOMPARE(m.state.cargo[12].quantity, 3);
}

void TradingWindowsTest::theBlackMarketTradesItsOwnGoodsInTheSameHold() {
    Shop m;
    m.state.blackCargo[5] = {2, 50}; // nobody here buys it
    m.state.cargoInHold = 2;
    inMarket(m.main, "blackMarketButton", [&](QWidget* black) {
        QCOMPARE(black->objectName(), QStringLiteral("blackMarketForm"));
        QCOMPARE(black->windowTitle(), QStringLiteral("Black Market Trading"));
        QCOMPARE(labelText(black, "blackMarketTitle"), QStringLiteral("Milky Way Black Market"));
        QCOMPARE(rows(black, "goodsForSaleList"),
                 QStringList({row(m.blackGood(3), 40, 20), row(m.blackGood(4), 700, 5)}));
        QCOMPARE(rows(black, "goodsWantedList"),
                 QStringList({row(m.blackGood(1), 5000, 10), row(m.blackGood(2), 60, 10)}));
        QCOMPARE(labelText(black, "Label4").simplified(),
                 QStringLiteral("Your Inventory: Bought At:: Quantity:"));

        inDialog(black, "goodsForSaleList", 0, [&](QWidget* buy) {
            QCOMPARE(buy->objectName(), QStringLiteral("blackPurchaseForm"));
            QCOMPARE(labelText(buy, "blackPurchaseFormTitle"),
                     QStringLiteral("Milky Way Black Market"));
            QCOMPARE(labelText(buy, "unusedCapacity"), QStringLiteral("98"));
            QCOMPARE(labelText(buy, "maxLabel"), QStringLiteral("20"));
            typeAmount(buy, "15");
            click(buy, "buyButton");
        });
        QCOMPARE(rows(black, "yourInventoryList"),
                 QStringList({row(m.blackGood(3), 40, 15), row(m.blackGood(5), 50, 2)}));

        // A black good nobody here buys meets a message and nothing else.
        const GameState before = m.state;
        doubleClickRow(black, "yourInventoryList", 1);
        QCOMPARE(m.game.recorder.messages,
                 QStringList({"Sorry, there is no demand for that item here."}));
        QVERIFY(m.state == before);
    });
    m.state.blackCargo[2] = {3, 20};
    m.state.cargoInHold += 3;
    // The Trading Post sees the hold the Black Market filled.
    inMarket(m.main, "tradeButton", [&](QWidget* trade) {
        inDialog(trade, "goodsForSaleList", 0, [&](QWidget* buy) {
            QCOMPARE(labelText(buy, "unusedCapacity"), QStringLiteral("80"));
        });
    });
    // Selling at the Black Market goes through its own sale dialog.
    inMarket(m.main, "blackMarketButton", [&](QWidget* black) {
        QCOMPARE(rows(black, "yourInventoryList").size(), 3); // the lists follow the state
        inDialog(black, "yourInventoryList", 0, [&](QWidget* sell) {
            QCOMPARE(sell->objectName(), QStringLiteral("blackSellForm"));
            QCOMPARE(labelText(sell, "blackSellFormTitle"),
                     QStringLiteral("Milky Way Black Market"));
            QCOMPARE(labelText(sell, "maxLabel"), QStringLiteral("3"));
            typeAmount(sell, "3");
            click(sell, "sellButton");
        });
        QCOMPARE(rows(black, "goodsWantedList")[1], row(m.blackGood(2), 60, 7));
    });
    QCOMPARE(m.state.cash, 1000 - 600 + 180);
    QCOMPARE(m.state.cargoInHold, 17);
    QCOMPARE(m.state.blackCargo[2], (CargoItem{0, 0}));
    QCOMPARE(labelText(&m.main, "cashLabel"), QStringLiteral("$580"));
}

QTEST_MAIN(TradingWindowsTest)
#include "test_trading_windows.moc"
