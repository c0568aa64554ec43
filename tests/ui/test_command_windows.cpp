// The bank, the fuel and shield shops and the shipyard as the player uses them: each shows the
// state, calls its command, refreshes the main window at once and beeps on a refusal.
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

QStringList split(const char* text, char by = ' ') {
    return QString::fromUtf8(text).split(QLatin1Char(by));
}

// Each command window, opened by its button and by its menu entry: the objectNames read, then
// the window's objectName, title and the texts of those controls.
const struct {
    const char *button, *menu, *names, *texts;
} kWindows[] = {
    {"bankButton", "bankMenu",
     "Label1 interestRateLabel Label5 Label9 loanAmountBox cashLabel currentDebtLabel maxLabel",
     "bankForm|The Bank|Zenthari Bank|7 % per Earth year|You cannot borrow more than $50,000|"
     "Click on current debt and max loan labels to put that amount in the corresponding box|0|"
     "$4,000|$0|$50,000"},
    {"buyFuelButton", "buyFuelMenu",
     "Label1 Label2 Label3 Label4 Label5 Label6 Label7 Frame1 buyButton doneButton maxLabel "
     "Number currentFuelLevelLabel fuelCapacityLabel",
     "buyFuelForm|Buy Fuel|Zenthari Shipyards|Refueling Division|Current Fuel Level:|Fuel "
     "Capacity:|Fuel Costs $10 per unit|Buy Fuel Units:|Maxiumum number of units you can buy:|"
     "Actions|Buy|&Done|400|0|30|1,000"},
    {"repairShieldButton", "repairShieldMenu",
     "Label1 Label2 Label3 Label4 Label5 Label6 Label7 Frame1 buyButton doneButton maxLabel "
     "Number currentShieldLevelLabel shieldCapacityLabel",
     "repairShieldForm|Buy Shield Repairs|Zenthari Shipyards|Shield Replenishment Division|"
     "Current Shield Level:|Shield Capacity:|Shields Cost $100 per unit|Buy Shield Units:|"
     "Maximum number of units you can buy:|Actions|Buy|&Done|40|0|40|500"},
    {"buyNewShipButton", "buyNewShipMenu",
     "currentShipLabel cashLabel debtLabel netCashLabel typeLabel",
     "buyNewShipForm|Buy New Ship|Class II Frigate|$4,000|$0|$4,000|Class II Frigate"},
};

} // namespace

class CommandWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachWindowOpensFromItsButtonAndItsMenuWithItsTexts_data();
    void eachWindowOpensFromItsButtonAndItsMenuWithItsTexts();
    void theBankLendsTakesRepaymentsAndRefusesAndTheRouteFollows();
    void theShopsSellAndRefuseAndTheRouteFollows();
    void theShipyardSellsWhatNetCashPaysFor();
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
            seen << form->objectName() << form->windowTitle() << shownTexts(form, split(w.names));
            click(form, "doneButton");
        });
        byMenu ? trigger(&s.main, w.menu) : click(&s.main, w.button);
        QCOMPARE(seen, split(w.texts, '|'));
    }
}

void CommandWindowsTest::theBankLendsTakesRepaymentsAndRefusesAndTheRouteFollows() {
    StartedGame s(5, 100);
    const QStringList money = split("cashLabel currentDebtLabel maxLabel");
    click(&s.main, "mapImage_8"); // toll $20
    QVERIFY(!enabled(&s.main, "goButton"));
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        click(bank, "currentDebtLabel");
        click(bank, "maxLabel");
        QCOMPARE(shownTexts(bank, {"repayAmountBox", "loanAmountBox"}), split("100 49900"));
        typeInto(bank, "loanAmountBox", "115");
        click(bank, "borrowButton");
        QCOMPARE(shownTexts(bank, money) + shownTexts(&s.main, {"cashLabel", "debtLabel"}),
                 split("$120 $215 $49,785 $120 $215"));
        QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), kYellow); // while the bank is open
        typeInto(bank, "repayAmountBox", "200");                    // more than the cash: refused
        click(bank, "repayButton");
        QCOMPARE(s.game.recorder.beeps, 1);
        typeInto(bank, "repayAmountBox", "100");
        click(bank, "repayButton");
        QCOMPARE(shownTexts(bank, money) + shownTexts(&s.main, {"cashLabel", "debtLabel"}),
                 split("$20 $115 $49,885 $20 $115"));
    });
    QVERIFY(enabled(&s.main, "goButton"));
    // The boxes keep their text for the next visit; the figures follow the state.
    s.main.session().state().cash = 777;
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        QCOMPARE(shownTexts(bank, {"loanAmountBox", "cashLabel"}), split("115 $777"));
    });
    QCOMPARE(s.game.recorder.beeps, 1);
}

void CommandWindowsTest::theShopsSellAndRefuseAndTheRouteFollows() {
    StartedGame s(5000, 0, 1, 5, 20);
    click(&s.main, "mapImage_8"); // 10 units of fuel needed
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kRed);
    playInWindow(s.main, "buyFuelButton", [&](QWidget* shop) {
        typeInto(shop, "Number", "2.5"); // refused: a beep and nothing else
        click(shop, "buyButton");
        QCOMPARE(s.game.recorder.beeps, 1);
        QCOMPARE(labelText(&s.main, "cashLabel"), QStringLiteral("$5,000"));
        click(shop, "maxLabel");
        QCOMPARE(boxText(shop, "Number"), QStringLiteral("95"));
        click(shop, "buyButton");
        QCOMPARE(shownTexts(shop, {"currentFuelLevelLabel", "maxLabel"}) +
                     shownTexts(&s.main, {"cashLabel", "fuelLabel"}),
                 split("100|0|$4,050|100 / 100", '|'));
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kYellow);
    });
    QVERIFY(enabled(&s.main, "goButton"));
    playInWindow(s.main, "repairShieldButton", [&](QWidget* shop) {
        typeInto(shop, "Number", "5");
        click(shop, "buyButton");
        QCOMPARE(shownTexts(shop, {"currentShieldLevelLabel", "maxLabel"}) +
                     shownTexts(&s.main, {"cashLabel", "shieldsLabel"}),
                 split("25|35|$3,550|25 / 100", '|'));
    });
    QCOMPARE(s.game.recorder.beeps, 1);
}

void CommandWindowsTest::theShipyardSellsWhatNetCashPaysFor() {
    StartedGame s(25000, 10000, 4, 5); // a Class I Frigate: fuel capacity 500
    click(&s.main, "mapImage_8");      // 10 units of fuel needed
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        auto* list = qobject_cast<QListWidget*>(widget(yard, "shipList"));
        const auto pickShip = [list](int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
        };
        QCOMPARE(list->currentRow(), 3);
        QVERIFY(!enabled(yard, "buyShipButton")); // the ship flown now
        pickShip(1);                              // $20,000: more than the net cash
        QVERIFY(!enabled(yard, "buyShipButton"));
        pickShip(0);
        QCOMPARE(shownTexts(yard, split("typeLabel costLabel speedLabel cargoCapacityLabel "
                                        "fuelCapacityLabel shieldCapacityLabel")),
                 split("Planet Hopper|$10,000|1|100|100|100", '|'));
        click(yard, "buyShipButton");
        QCOMPARE(shownTexts(yard, split("currentShipLabel cashLabel debtLabel netCashLabel")) +
                     shownTexts(&s.main, {"cashLabel", "fuelLabel"}),
                 split("Planet Hopper|$15,000|$10,000|$5,000|$15,000|100 / 100", '|'));
        QVERIFY(!enabled(yard, "buyShipButton"));
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kYellow);
    });
    QVERIFY(enabled(&s.main, "goButton"));
}

QTEST_MAIN(CommandWindowsTest)
#include "test_command_windows.moc"
