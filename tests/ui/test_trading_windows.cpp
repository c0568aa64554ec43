// Trading as a player does it: the Trading Post and the Black Market, their purchase and sale
// dialogs, the scrap window, and what the main window shows afterwards.
#include "known_market.h"
#include "market/trading.h"
#include "ui/look.h"
#include "ui/support/command_windows.h"
#include "ui/support/ui_support.h"

#include <QListWidget>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

constexpr int kHere = 3; // the galaxy a new game starts at

// A started game whose galaxy has the known market, $1,000 in cash and `cargo` aboard.
struct Shop : StartedGame {
    GameState& state;

    explicit Shop(std::initializer_list<std::pair<int, CargoItem>> cargo = {})
        : StartedGame(1000), state(main.session().state()) {
        setKnownMarket(state.galaxies[kHere]);
        for (const auto& [good, item] : cargo)
            state.cargo[good] = item, state.cargoInHold += static_cast<std::int16_t>(item.quantity);
        main.session().holdingsChanged();
    }
    QString good(int g) const {
        return QString::fromStdString(main.session().catalogue().goodsNames[g]);
    }
    QString blackGood(int g) const {
        return QString::fromStdString(main.session().catalogue().blackGoodsNames[g]);
    }
    QString cash() { return labelText(&main, "cashLabel"); }
    int beeps() const { return game.recorder.beeps; }
};

QListWidget* list(QWidget* window, const char* name) {
    return qobject_cast<QListWidget*>(widget(window, name));
}

QString row(const QString& name, std::int64_t price, std::int64_t quantity) {
    return QString::fromStdString(tradeRow(name.toStdString(), price, quantity));
}

// Double-clicks row `index` of a list with the mouse.
void doubleClickRow(QWidget* window, const char* name, int index) {
    QListWidget* l = list(window, name);
    const QPoint at = l->visualItemRect(l->item(index)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
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
    void theTradingPostListsItsGoodsAndBuysByClicksAndKeys();
    void aSaleByKeysSellsOutAndSelectsTheNextRow();
    void aGoodNobodyBuysCanBeScrappedOrKept();
    void theBlackMarketTradesItsOwnGoodsThroughItsOwnDialogs();
};

void TradingWindowsTest::theTradingPostListsItsGoodsAndBuysByClicksAndKeys() {
    Shop m({{6, {10, 20}}, {12, {7, 150}}});
    m.state.galaxies[kHere].supplyQuantity[3] = 0;
    click(&m.main, "mapImage_41"); // far away: a toll of $128
    playInWindow(m.main, "tradeButton", [&](QWidget* trade) {
        QCOMPARE(trade->windowTitle(), QStringLiteral("Trade"));
        QCOMPARE(labelText(trade, "tradeFormTitle"), QStringLiteral("Milky Way Trading Post"));
        QCOMPARE(listRows(trade, "goodsForSaleList"),
                 QStringList({row(m.good(5), 30, 50), row(m.good(6), 30, 50), row(m.good(7), 30, 0),
                              row(m.good(8), 30, 50)}));
        QCOMPARE(listRows(trade, "goodsWantedList"),
                 QStringList({row(m.good(1), 100, 100), row(m.good(2), 200, 100),
                              row(m.good(3), 300, 100), row(m.good(4), 400, 100)}));
        QCOMPARE(labelText(trade, "Label4").simplified(),
                 QStringLiteral("Your Inventory: Bought At: Quantity:"));

        inDialog(trade, "goodsForSaleList", 1, [&](QWidget* buy) {
            QCOMPARE(labelText(buy, "purchaseFormTitle"), QStringLiteral("Milky Way Trading Post"));
            QCOMPARE(shownTexts(buy, {"goodLabel", "priceLabel", "quantityAvailableLabel",
                                      "unusedCapacity", "maxLabel", "Number"}),
                     QStringList({m.good(6), "30", "50", "83", "33", "0"}));
            typeInto(buy, "Number", "10");
            click(buy, "buyButton");
            QCOMPARE(shownTexts(buy, {"quantityAvailableLabel", "unusedCapacity", "maxLabel"}),
                     QStringList({"40", "73", "23"}));
            QCOMPARE(listRows(trade, "goodsForSaleList")[1], row(m.good(6), 30, 40));
            QCOMPARE(list(trade, "goodsForSaleList")->currentRow(), 1);
            // Merged with the 10 carried at $20: (200 + 300) / 20 = 25.
            QCOMPARE(listRows(trade, "yourInventoryList"),
                     QStringList({row(m.good(6), 25, 20), row(m.good(12), 150, 7)}));
            QCOMPARE(m.cash(), QStringLiteral("$700"));
            QCOMPARE(labelColour(&m.main, "bridgeTollLabel"), kYellow);

            // A fraction and more than the maximum beep and change nothing.
            for (const char* refused : {"2.5", "24"}) {
                typeInto(buy, "Number", refused);
                click(buy, "buyButton");
            }
            QCOMPARE(m.beeps(), 2);
            QCOMPARE(labelText(buy, "quantityAvailableLabel"), QStringLiteral("40"));

            // The maximum clicked into the box and bought leaves too little for the toll.
            click(buy, "maxLabel");
            click(buy, "buyButton");
            QCOMPARE(labelText(buy, "maxLabel"), QStringLiteral("0"));
            QCOMPARE(m.cash(), QStringLiteral("$10"));
            QCOMPARE(labelColour(&m.main, "bridgeTollLabel"), kRed);
            QVERIFY(!widget(&m.main, "goButton")->isEnabled());
        });
    });
}

void TradingWindowsTest::aSaleByKeysSellsOutAndSelectsTheNextRow() {
    Shop m({{2, {30, 150}}, {3, {5, 80}}, {9, {4, 10}}});
    playInWindow(m.main, "tradeButton", [&](QWidget* trade) {
        // A good still carried after its sale keeps its row selected.
        inDialog(trade, "yourInventoryList", 1, [&](QWidget* sell) {
            typeInto(sell, "Number", "1");
            click(sell, "sellButton");
            QCOMPARE(list(trade, "yourInventoryList")->currentRow(), 1);
            typeInto(sell, "Number", "0"); // what the next dialog opens with
        });
        inDialog(trade, "yourInventoryList", 0, [&](QWidget* sell) {
            QCOMPARE(labelText(sell, "sellFormTitle"), QStringLiteral("Milky Way Trading Post"));
            QCOMPARE(shownTexts(sell, {"goodLabel", "priceLabel", "quantityOwnedLabel",
                                       "quantityDemandedLabel", "maxLabel"}),
                     QStringList({m.good(2), "200", "30", "100", "30"}));
            click(sell, "sellButton"); // selling 0 beeps
            QCOMPARE(m.beeps(), 1);
            typeInto(sell, "Number", "12");
            click(sell, "sellButton");
            QCOMPARE(shownTexts(sell, {"quantityOwnedLabel", "quantityDemandedLabel"}),
                     QStringList({"18", "88"}));
            QCOMPARE(listRows(trade, "goodsWantedList")[1], row(m.good(2), 200, 88));
            QCOMPARE(m.cash(), QStringLiteral("$3,700"));

            // Selling the rest from the same dialog removes the row and selects the first.
            click(sell, "maxLabel");
            click(sell, "sellButton");
            QCOMPARE(labelText(sell, "maxLabel"), QStringLiteral("0"));
            QCOMPARE(listRows(trade, "yourInventoryList"),
                     QStringList({row(m.good(3), 80, 4), row(m.good(9), 10, 4)}));
            QCOMPARE(list(trade, "yourInventoryList")->currentRow(), 0);
        });
    });
    QCOMPARE(m.state.cargoInHold, 8);
}

void TradingWindowsTest::aGoodNobodyBuysCanBeScrappedOrKept() {
    Shop m({{11, {37, 500}}, {12, {3, 100}}});
    const auto scrapWindow = [](QWidget* trade, std::function<void(QWidget*)> inside) {
        inDialog(
            trade, "yourInventoryList", 0,
            [inside](QWidget* scrap) {
                inside(scrap);
                click(scrap, "continueButton");
            },
            "continueButton");
    };
    playInWindow(m.main, "tradeButton", [&](QWidget* trade) {
        scrapWindow(trade, [&](QWidget* scrap) { // "Never mind" is chosen at first
            QCOMPARE(labelText(scrap, "Label1"),
                     QStringLiteral("Sorry, there is no demand for that item here. What do "
                                    "you wish to do?"));
            QVERIFY(isChecked(scrap, "neverMindOption"));
        });
        QCOMPARE(listRows(trade, "yourInventoryList").size(), 2);
        scrapWindow(trade, [](QWidget* scrap) { click(scrap, "scrapOption"); });
        QCOMPARE(listRows(trade, "yourInventoryList"), QStringList({row(m.good(12), 100, 3)}));
        QCOMPARE(list(trade, "yourInventoryList")->currentRow(), 0);
        QCOMPARE(m.cash(), QStringLiteral("$1,074"));
    });
}

void TradingWindowsTest::theBlackMarketTradesItsOwnGoodsThroughItsOwnDialogs() {
    Shop m;
    m.state.blackCargo[5] = {2, 50}; // nobody here buys it
    m.state.blackCargo[2] = {3, 20};
    m.state.cargoInHold = 5;
    playInWindow(m.main, "blackMarketButton", [&](QWidget* black) {
        QCOMPARE(black->windowTitle(), QStringLiteral("Black Market Trading"));
        QCOMPARE(labelText(black, "blackMarketTitle"), QStringLiteral("Milky Way Black Market"));
        QCOMPARE(listRows(black, "goodsForSaleList"),
                 QStringList({row(m.blackGood(3), 40, 20), row(m.blackGood(4), 700, 5)}));
        QCOMPARE(listRows(black, "goodsWantedList"),
                 QStringList({row(m.blackGood(1), 5000, 10), row(m.blackGood(2), 60, 10)}));
        QCOMPARE(labelText(black, "Label4").simplified(),
                 QStringLiteral("Your Inventory: Bought At:: Quantity:"));

        inDialog(black, "goodsForSaleList", 0, [&](QWidget* buy) {
            QCOMPARE(labelText(buy, "blackPurchaseFormTitle"),
                     QStringLiteral("Milky Way Black Market"));
            QCOMPARE(shownTexts(buy, {"unusedCapacity", "maxLabel"}), QStringList({"95", "20"}));
            typeInto(buy, "Number", "15");
            click(buy, "buyButton");
        });
        inDialog(black, "yourInventoryList", 0, [&](QWidget* sell) {
            QCOMPARE(labelText(sell, "blackSellFormTitle"),
                     QStringLiteral("Milky Way Black Market"));
            typeInto(sell, "Number", "3");
            click(sell, "sellButton");
        });
        QCOMPARE(listRows(black, "goodsWantedList")[1], row(m.blackGood(2), 60, 7));
        QCOMPARE(listRows(black, "yourInventoryList"),
                 QStringList({row(m.blackGood(3), 40, 15), row(m.blackGood(5), 50, 2)}));

        // A black good nobody here buys meets a message and nothing else.
        const GameState before = m.state;
        doubleClickRow(black, "yourInventoryList", 1);
        QCOMPARE(m.game.recorder.messages,
                 QStringList({"Sorry, there is no demand for that item here."}));
        QVERIFY(m.state == before);
    });
    QCOMPARE(m.cash(), QStringLiteral("$580"));
}

QTEST_MAIN(TradingWindowsTest)
#include "test_trading_windows.moc"
