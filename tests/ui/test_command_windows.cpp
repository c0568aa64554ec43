// The bank, the fuel and shield shops and the shipyard as the player uses them: each shows the
// state, calls its rule, refreshes the main window at once and beeps on a refusal.
#include "ui/support/command_windows.h"

#include <QListWidget>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

const QColor kYellow(255, 255, 0), kRed(255, 0, 0);

bool enabled(QObject* root, const char* name) {
    return widget(root, name)->isEnabled();
}

// Clicks entry `row` of the shipyard's list as the player does.
void pickShip(QWidget* yard, int row) {
    auto* list = qobject_cast<QListWidget*>(widget(yard, "shipList"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

const QStringList kBankMoney = {"cashLabel", "currentDebtLabel", "maxLabel"};
const QStringList kMainMoney = {"cashLabel", "debtLabel"};
const QStringList kShopTexts = {"Label1",    "Label2",     "Label3",   "Label4",
                                "Label5",    "Label6",     "Label7",   "Frame1",
                                "buyButton", "doneButton", "maxLabel", "Number"};
const QStringList kYardFigures = {"currentShipLabel", "cashLabel", "debtLabel", "netCashLabel"};
const QStringList kShipSpecs = {"typeLabel",          "costLabel",         "speedLabel",
                                "cargoCapacityLabel", "fuelCapacityLabel", "shieldCapacityLabel"};

} // namespace

class CommandWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachWindowOpensFromItsButtonAndItsMenuWithItsTexts_data();
    void eachWindowOpensFromItsButtonAndItsMenuWithItsTexts();
    void theBankLendsAndTakesRepaymentsAndTheRouteFollows();
    void theShopsSellUpToTheMaximumAndTheRouteFollows();
    void theShipyardSellsWhatNetCashPaysFor();
    void refusedAmountsBeepAndChangeNothing_data();
    void refusedAmountsBeepAndChangeNothing();
};

// Each command window, opened by its button and by its menu entry.
const struct {
    const char *button, *menu;
    QStringList names, texts; // texts start with the window's objectName and title
} kWindows[] = {
    {"bankButton",
     "bankMenu",
     QStringList{"Label1", "interestRateLabel", "Label5", "Label9", "loanAmountBox"} + kBankMoney,
     {"bankForm", "The Bank", "Zenthari Bank", "7 % per Earth year",
      "You cannot borrow more than $50,000",
      "Click on current debt and max loan labels to put that amount in the corresponding box", "0",
      "$4,000", "$0", "$50,000"}},
    {"buyFuelButton",
     "buyFuelMenu",
     kShopTexts + QStringList{"currentFuelLevelLabel", "fuelCapacityLabel"},
     {"buyFuelForm", "Buy Fuel", "Zenthari Shipyards", "Refueling Division",
      "Current Fuel Level:", "Fuel Capacity:", "Fuel Costs $10 per unit",
      "Buy Fuel Units:", "Maxiumum number of units you can buy:", "Actions", "Buy", "&Done", "400",
      "0", "30", "1,000"}},
    {"repairShieldButton",
     "repairShieldMenu",
     kShopTexts + QStringList{"currentShieldLevelLabel", "shieldCapacityLabel"},
     {"repairShieldForm", "Buy Shield Repairs", "Zenthari Shipyards",
      "Shield Replenishment Division",
      "Current Shield Level:", "Shield Capacity:", "Shields Cost $100 per unit",
      "Buy Shield Units:", "Maximum number of units you can buy:", "Actions", "Buy", "&Done", "40",
      "0", "40", "500"}},
    {"buyNewShipButton",
     "buyNewShipMenu",
     kYardFigures + QStringList{"typeLabel"},
     {"buyNewShipForm", "Buy New Ship", "Class II Frigate", "$4,000", "$0", "$4,000",
      "Class II Frigate"}},
};

void CommandWindowsTest::eachWindowOpensFromItsButtonAndItsMenuWithItsTexts_data() {
    QTest::addColumn<int>("window");
    for (int i = 0; i < int(std::size(kWindows)); ++i)
        QTest::newRow(kWindows[i].button) << i;
}

void CommandWindowsTest::eachWindowOpensFromItsButtonAndItsMenuWithItsTexts() {
    QFETCH(int, window);
    const auto& w = kWindows[window];
    StartedGame s(4000, 0, 5, 30, 40); // fuel capacity 1,000, shields 500
    for (const bool byMenu : {false, true}) {
        QStringList seen;
        whenModalShown([&](QWidget* form) {
            seen << form->objectName() << form->windowTitle() << shownTexts(form, w.names);
            click(form, "doneButton");
        });
        byMenu ? trigger(&s.main, w.menu) : click(&s.main, w.button);
        QCOMPARE(seen, w.texts);
    }
}

void CommandWindowsTest::theBankLendsAndTakesRepaymentsAndTheRouteFollows() {
    StartedGame s(5, 100);
    click(&s.main, "mapImage_8"); // toll $20
    QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), kRed);
    QVERIFY(!enabled(&s.main, "goButton"));
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        click(bank, "currentDebtLabel");
        click(bank, "maxLabel");
        QCOMPARE(shownTexts(bank, {"repayAmountBox", "loanAmountBox"}),
                 (QStringList{"100", "49900"}));
        typeInto(bank, "loanAmountBox", "115");
        click(bank, "borrowButton");
        QCOMPARE(shownTexts(bank, kBankMoney) + shownTexts(&s.main, kMainMoney),
                 (QStringList{"$120", "$215", "$49,785", "$120", "$215"}));
        QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), kYellow); // while the bank is open
        typeInto(bank, "repayAmountBox", "100");
        click(bank, "repayButton");
        QCOMPARE(shownTexts(bank, kBankMoney) + shownTexts(&s.main, kMainMoney),
                 (QStringList{"$20", "$115", "$49,885", "$20", "$115"}));
    });
    QVERIFY(enabled(&s.main, "goButton"));
    QCOMPARE(s.game.recorder.beeps, 0);
    // The boxes keep their text for the next visit; the figures follow the state.
    s.main.session().state().cash = 777;
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        QCOMPARE(shownTexts(bank, {"loanAmountBox", "cashLabel"}), (QStringList{"115", "$777"}));
    });
}

void CommandWindowsTest::theShopsSellUpToTheMaximumAndTheRouteFollows() {
    StartedGame s(5000, 0, 1, 5, 20);
    click(&s.main, "mapImage_8"); // 10 units of fuel needed
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kRed);
    QVERIFY(!enabled(&s.main, "goButton"));
    playInWindow(s.main, "buyFuelButton", [&](QWidget* shop) {
        click(shop, "maxLabel");
        QCOMPARE(boxText(shop, "Number"), QStringLiteral("95"));
        click(shop, "buyButton");
        QCOMPARE(shownTexts(shop, {"currentFuelLevelLabel", "maxLabel"}) +
                     shownTexts(&s.main, {"cashLabel", "fuelLabel"}),
                 (QStringList{"100", "0", "$4,050", "100 / 100"}));
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kYellow);
    });
    QVERIFY(enabled(&s.main, "goButton"));
    playInWindow(s.main, "repairShieldButton", [&](QWidget* shop) {
        typeInto(shop, "Number", "5");
        click(shop, "buyButton");
        QCOMPARE(shownTexts(shop, {"currentShieldLevelLabel", "maxLabel"}) +
                     shownTexts(&s.main, {"cashLabel", "shieldsLabel"}),
                 (QStringList{"25", "35", "$3,550", "25 / 100"}));
    });
    QCOMPARE(s.game.recorder.beeps, 0);
}

void CommandWindowsTest::theShipyardSellsWhatNetCashPaysFor() {
    StartedGame s(25000, 10000, 4, 5); // a Class I Frigate: fuel capacity 500
    click(&s.main, "mapImage_8");      // 10 units of fuel needed
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        QCOMPARE(qobject_cast<QListWidget*>(widget(yard, "shipList"))->currentRow(), 3);
        QVERIFY(!enabled(yard, "buyShipButton")); // the ship flown now
        pickShip(yard, 1);                        // $20,000: more than the net cash
        QVERIFY(!enabled(yard, "buyShipButton"));
        pickShip(yard, 0);
        QCOMPARE(shownTexts(yard, kShipSpecs),
                 (QStringList{"Planet Hopper", "$10,000", "1", "100", "100", "100"}));
        click(yard, "buyShipButton");
        QCOMPARE(
            shownTexts(yard, kYardFigures) + shownTexts(&s.main, {"cashLabel", "fuelLabel"}),
            (QStringList{"Planet Hopper", "$15,000", "$10,000", "$5,000", "$15,000", "100 / 100"}));
        QVERIFY(!enabled(yard, "buyShipButton"));
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kYellow);
    });
    QVERIFY(enabled(&s.main, "goButton"));
}

// A refused amount in each window that takes one.
const struct {
    const char *row, *button, *box, *command, *typed;
    std::int32_t cash, debt;
} kRefusals[] = {
    {"a fractional loan", "bankButton", "loanAmountBox", "borrowButton", "100.5", 5000, 0},
    {"a repayment over the cash", "bankButton", "repayAmountBox", "repayButton", "5000", 4999,
     5000},
    {"fractional fuel", "buyFuelButton", "Number", "buyButton", "2.5", 5000, 0},
    {"shields over the maximum", "repairShieldButton", "Number", "buyButton", "13", 1234, 0},
};

void CommandWindowsTest::refusedAmountsBeepAndChangeNothing_data() {
    QTest::addColumn<int>("refusal");
    for (int i = 0; i < int(std::size(kRefusals)); ++i)
        QTest::newRow(kRefusals[i].row) << i;
}

void CommandWindowsTest::refusedAmountsBeepAndChangeNothing() {
    QFETCH(int, refusal);
    const auto& c = kRefusals[refusal];
    StartedGame s(c.cash, c.debt, 1, 10, 20);
    const GameState before = s.main.session().state();
    const QStringList labels = shownTexts(&s.main, kMainMoney);
    playInWindow(s.main, c.button, [&](QWidget* form) {
        typeInto(form, c.box, c.typed);
        click(form, c.command);
    });
    QCOMPARE(s.game.recorder.beeps, 1);
    QVERIFY(s.main.session().state() == before);
    QCOMPARE(shownTexts(&s.main, kMainMoney), labels);
}

QTEST_MAIN(CommandWindowsTest)
#include "test_command_windows.moc"
