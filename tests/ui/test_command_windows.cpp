// The bank, the fuel and shield shops and the shipyard as the player uses them: each shows the
// state, calls its command and refreshes the main window at once.
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

} // namespace

class CommandWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void theBankLendsTakesRepaymentsAndRefusesAndTheRouteFollows();
    void theFuelShopSellsAndTheRouteFollows();
    void theShipyardSellsThePickedShip();
};

void CommandWindowsTest::theBankLendsTakesRepaymentsAndRefusesAndTheRouteFollows() {
    StartedGame s(5, 100);
    const QStringList money = split("cashLabel currentDebtLabel maxLabel");
    click(&s.main, "mapImage_8"); // toll $20
    QVERIFY(!enabled(&s.main, "goButton"));
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        QCOMPARE(shownTexts(bank, money), split("$5 $100 $49,900"));
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
}

void CommandWindowsTest::theFuelShopSellsAndTheRouteFollows() {
    StartedGame s(5000, 0, 1, 5, 20);
    click(&s.main, "mapImage_8"); // 10 units of fuel needed
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kRed);
    playInWindow(s.main, "buyFuelButton", [&](QWidget* shop) {
        QCOMPARE(shownTexts(shop, {"currentFuelLevelLabel", "maxLabel"}), split("5 95"));
        click(shop, "maxLabel");
        click(shop, "buyButton");
        QCOMPARE(shownTexts(shop, {"currentFuelLevelLabel", "maxLabel"}) +
                     shownTexts(&s.main, {"cashLabel", "fuelLabel"}),
                 split("100|0|$4,050|100 / 100", '|'));
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kYellow);
    });
}

void CommandWindowsTest::theShipyardSellsThePickedShip() {
    StartedGame s(25000, 10000, 4, 5); // a Class I Frigate: fuel capacity 500
    click(&s.main, "mapImage_8");      // 10 units of fuel needed
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        auto* list = qobject_cast<QListWidget*>(widget(yard, "shipList"));
        QCOMPARE(list->currentRow(), 3); // the ship flown now
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(shownTexts(yard, {"typeLabel", "costLabel"}), split("Planet Hopper|$10,000", '|'));
        click(yard, "buyShipButton");
        QCOMPARE(shownTexts(yard, split("currentShipLabel netCashLabel")) +
                     shownTexts(&s.main, {"cashLabel", "fuelLabel"}),
                 split("Planet Hopper|$5,000|$15,000|100 / 100", '|'));
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kYellow);
    });
}

QTEST_MAIN(CommandWindowsTest)
#include "test_command_windows.moc"
