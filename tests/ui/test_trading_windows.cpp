// Trading as a player does it: the Trading Post and the Black Market, their purchase and sale
// dialogs, the scrap window, and what the main window shows afterwards. The prices and limits
// themselves are the rule tests' business; here the figures only show that each list and label
// is redrawn from the game.
#include "known_market.h"
#include "market/trading.h"
#include "ui/support/command_windows.h"

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
    QString good(int g, bool black = false) const {
        const Catalogue& c = main.session().catalogue();
        return QString::fromStdString(black ? c.blackGoodsNames[g] : c.goodsNames[g]);
    }
    QString row(int g, std::int64_t price, std::int64_t quantity, bool black = false) const {
        return QString::fromStdString(tradeRow(good(g, black).toStdString(), price, quantity));
    }
    QString cash() { return labelText(&main, "cashLabel"); }
};

int currentRow(QWidget* window, const char* name) {
    return qobject_cast<QListWidget*>(widget(window, name))->currentRow();
}

// Double-clicks row `index` of a list with the mouse and runs `inside` while the dialog it
// opens is up, then closes it with `closeButton`.
void inDialog(QWidget* window, const char* listName, int index,
              std::function<void(QWidget*)> inside, const char* closeButton = "doneButton") {
    if (inside)
        whenModalShown([inside, closeButton](QWidget* dialog) {
            inside(dialog);
            if (dialog->isVisible()) click(dialog, closeButton);
        });
    auto* l = qobject_cast<QListWidget*>(widget(window, listName));
    const QPoint at = l->visualItemRect(l->item(index)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TradingWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void theTradingPostBuysSellsAndScrapsKeepingTheRowAndTheTypedAmount();
    void theBlackMarketTradesThroughItsOwnDialogs();
};

void TradingWindowsTest::theTradingPostBuysSellsAndScrapsKeepingTheRowAndTheTypedAmount() {
    Shop m({{2, {30, 150}}, {3, {5, 80}}, {9, {4, 10}}}); // good 9 is bought nowhere here
    playInWindow(m.main, "tradeButton", [&](QWidget* trade) {
        QCOMPARE(labelText(trade, "tradeFormTitle"), QStringLiteral("Milky Way Trading Post"));
        inDialog(trade, "goodsForSaleList", 1, [&](QWidget* buy) {
            QCOMPARE(shownTexts(buy, {"purchaseFormTitle", "goodLabel", "maxLabel"}),
                     QStringList({"Milky Way Trading Post", m.good(6), "33"}));
            typeInto(buy, "Number", "10");
            click(buy, "buyButton");
            QCOMPARE(labelText(buy, "maxLabel"), QStringLiteral("23"));
            QCOMPARE(listRows(trade, "goodsForSaleList")[1], m.row(6, 30, 40));
            QCOMPARE(currentRow(trade, "goodsForSaleList"), 1);
            QCOMPARE(listRows(trade, "yourInventoryList")[2], m.row(6, 30, 10));
        });
        inDialog(trade, "yourInventoryList", 1, [&](QWidget* sell) {
            typeInto(sell, "Number", "1");
            click(sell, "sellButton");
            QCOMPARE(currentRow(trade, "yourInventoryList"), 1); // still carried: its row
        });
        inDialog(trade, "yourInventoryList", 0, [&](QWidget* sell) {
            QCOMPARE(
                shownTexts(sell, {"sellFormTitle", "goodLabel", "priceLabel", "quantityOwnedLabel",
                                  "quantityDemandedLabel", "maxLabel", "Number"}),
                QStringList({"Milky Way Trading Post", m.good(2), "200", "30", "100", "30",
                             "1"})); // the amount typed last stays in the box
            click(sell, "sellButton");
            QCOMPARE(shownTexts(sell, {"quantityOwnedLabel", "quantityDemandedLabel"}),
                     QStringList({"29", "99"}));
            QCOMPARE(listRows(trade, "goodsWantedList")[1], m.row(2, 200, 99));
            // Selling the rest removes the row and selects the first.
            click(sell, "maxLabel");
            click(sell, "sellButton");
            QCOMPARE(currentRow(trade, "yourInventoryList"), 0);
        });
        // A good nobody here buys: never mind keeps it, scrapping throws it away.
        for (const char* choice : {"neverMindOption", "scrapOption"})
            inDialog(
                trade, "yourInventoryList", 2,
                [&, choice](QWidget* scrap) {
                    QVERIFY(isChecked(scrap, "neverMindOption")); // chosen at first
                    click(scrap, choice);
                },
                "continueButton");
        QCOMPARE(listRows(trade, "yourInventoryList"),
                 QStringList({m.row(3, 80, 4), m.row(6, 30, 10)}));
    });
    QCOMPARE(m.cash(), QStringLiteral("$7,008"));
}

void TradingWindowsTest::theBlackMarketTradesThroughItsOwnDialogs() {
    Shop m;
    m.state.blackCargo[2] = {3, 20};
    m.state.blackCargo[5] = {2, 50}; // nobody here buys it
    m.state.cargoInHold = 5;
    playInWindow(m.main, "blackMarketButton", [&](QWidget* black) {
        QCOMPARE(listRows(black, "goodsForSaleList") + listRows(black, "goodsWantedList"),
                 QStringList({m.row(3, 40, 20, true), m.row(4, 700, 5, true),
                              m.row(1, 5000, 10, true), m.row(2, 60, 10, true)}));
        QStringList titles;
        inDialog(black, "goodsForSaleList", 0, [&](QWidget* buy) {
            titles << labelText(buy, "blackPurchaseFormTitle");
            typeInto(buy, "Number", "15");
            click(buy, "buyButton");
        });
        inDialog(black, "yourInventoryList", 0, [&](QWidget* sell) {
            titles << labelText(sell, "blackSellFormTitle");
            typeInto(sell, "Number", "3");
            click(sell, "sellButton");
        });
        QCOMPARE(titles, QStringList({"Milky Way Black Market", "Milky Way Black Market"}));
        QCOMPARE(listRows(black, "goodsWantedList")[1], m.row(2, 60, 7, true));
        QCOMPARE(listRows(black, "yourInventoryList"),
                 QStringList({m.row(3, 40, 15, true), m.row(5, 50, 2, true)}));
        const GameState before = m.state; // a message only
        inDialog(black, "yourInventoryList", 1, nullptr);
        QCOMPARE(m.game.recorder.messages,
                 QStringList({"Sorry, there is no demand for that item here."}));
        QVERIFY(m.state == before);
    });
    QCOMPARE(m.cash(), QStringLiteral("$580"));
}

QTEST_MAIN(TradingWindowsTest)
#include "test_trading_windows.moc"
