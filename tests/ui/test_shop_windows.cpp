// The fuel and shield shops as the player uses them: their captions, the maximum, purchases.
#include "ui/support/command_windows.h"

#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

const QColor kYellowText(255, 255, 0), kRedText(255, 0, 0);

} // namespace

class ShopWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachShopHasItsOwnCaptions();
    void fuelBoughtToTheMaximumTurnsTheRouteYellowAndEnablesGo();
    void shieldsAreBoughtWithinTheCash();
    void refusedPurchasesBeepAndChangeNothing();
};

void ShopWindowsTest::eachShopHasItsOwnCaptions() {
    const struct {
        const char* button;
        const char* menu;
        QStringList texts;
    } shops[] = {
        {"buyFuelButton",
         "buyFuelMenu",
         {"buyFuelForm", "Buy Fuel", "Zenthari Shipyards", "Refueling Division",
          "Current Fuel Level:", "Fuel Capacity:", "Fuel Costs $10 per unit",
          "Buy Fuel Units:", "Maxiumum number of units you can buy:", "Actions", "Buy", "&Done",
          "30", "1,000", "400"}},
        {"repairShieldButton",
         "repairShieldMenu",
         {"repairShieldForm", "Buy Shield Repairs", "Zenthari Shipyards",
          "Shield Replenishment Division",
          "Current Shield Level:", "Shield Capacity:", "Shields Cost $100 per unit",
          "Buy Shield Units:", "Maximum number of units you can buy:", "Actions", "Buy", "&Done",
          "40", "500", "40"}},
    };
    for (const auto& shop : shops) {
        StartedGame s(4000, 0, 5, 30, 40); // fuel 1,000, shields 500
        for (const char* command : {shop.button, shop.menu}) {
            bool opened = false;
            whenModalShown([&](QWidget* w) {
                opened = true;
                const bool fuel = w->objectName() == QStringLiteral("buyFuelForm");
                const QString level = fuel ? "currentFuelLevelLabel" : "currentShieldLevelLabel";
                const QString capacity = fuel ? "fuelCapacityLabel" : "shieldCapacityLabel";
                QStringList seen = {w->objectName(), w->windowTitle()};
                for (const char* name :
                     {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
                    seen << labelText(w, name);
                seen << widget(w, "Frame1")->property("title").toString()
                     << widget(w, "buyButton")->property("text").toString()
                     << widget(w, "doneButton")->property("text").toString() << labelText(w, level)
                     << labelText(w, capacity) << labelText(w, "maxLabel");
                QCOMPARE(seen, shop.texts);
                QCOMPARE(boxText(w, "Number"), QStringLiteral("0"));
                click(w, "doneButton");
            });
            if (command == shop.button)
                click(&s.main, command);
            else
                trigger(&s.main, command);
            QVERIFY(opened);
        }
    }
}

void ShopWindowsTest::fuelBoughtToTheMaximumTurnsTheRouteYellowAndEnablesGo() {
    StartedGame s(5000, 0, 1, 5);
    click(&s.main, "mapImage_8"); // 10 units of fuel needed
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kRedText);
    QVERIFY(!widget(&s.main, "goButton")->isEnabled());
    playInWindow(s.main, "buyFuelButton", [&](QWidget* shop) {
        QCOMPARE(labelText(shop, "maxLabel"), QStringLiteral("95"));
        click(shop, "maxLabel");
        QCOMPARE(boxText(shop, "Number"), QStringLiteral("95"));
        click(shop, "buyButton");
        const QStringList seen = {labelText(&s.main, "cashLabel"), labelText(&s.main, "fuelLabel"),
                                  labelText(shop, "currentFuelLevelLabel"),
                                  labelText(shop, "maxLabel")};
        QCOMPARE(seen, (QStringList{"$4,050", "100 / 100", "100", "0"}));
        QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), kYellowText);
        // Buying nothing more with a full tank is accepted.
        typeInto(shop, "Number", "0");
        click(shop, "buyButton");
    });
    QVERIFY(widget(&s.main, "goButton")->isEnabled());
    QCOMPARE(s.game.recorder.beeps, 0);
    QCOMPARE(s.main.state().fuel, 100);
    QCOMPARE(s.main.state().cash, 4050);
}

void ShopWindowsTest::shieldsAreBoughtWithinTheCash() {
    StartedGame s(1234, 0, 1, 100, 20);
    playInWindow(s.main, "repairShieldButton", [&](QWidget* shop) {
        QCOMPARE(labelText(shop, "maxLabel"), QStringLiteral("12"));
        typeInto(shop, "Number", "5");
        click(shop, "buyButton");
        QCOMPARE(labelText(&s.main, "shieldsLabel"), QStringLiteral("25 / 100"));
        QCOMPARE(labelText(&s.main, "fuelLabel"), QStringLiteral("100 / 100"));
        QCOMPARE(labelText(shop, "currentShieldLevelLabel"), QStringLiteral("25"));
        QCOMPARE(labelText(shop, "maxLabel"), QStringLiteral("7"));
        QCOMPARE(labelText(&s.main, "cashLabel"), QStringLiteral("$734"));
    });
    // The box keeps its text until the next visit.
    playInWindow(s.main, "repairShieldButton",
                 [&](QWidget* shop) { QCOMPARE(boxText(shop, "Number"), QStringLiteral("5")); });
    QCOMPARE(s.game.recorder.beeps, 0);
}

void ShopWindowsTest::refusedPurchasesBeepAndChangeNothing() {
    const struct {
        std::int32_t cash;
        std::int16_t fuel;
        const char* typed;
        const char* max;
    } cases[] = {
        {5000, 10, "2.5", "90"}, // half a unit
        {-5, 50, "0", "-1"},     // negative cash refuses even nothing
    };
    for (const auto& c : cases) {
        StartedGame s(c.cash, 0, 1, c.fuel);
        playInWindow(s.main, "buyFuelButton", [&](QWidget* shop) {
            QCOMPARE(labelText(shop, "maxLabel"), QString::fromLatin1(c.max));
            typeInto(shop, "Number", c.typed);
            click(shop, "buyButton");
            QCOMPARE(labelText(shop, "maxLabel"), QString::fromLatin1(c.max));
        });
        QCOMPARE(s.game.recorder.beeps, 1);
        QCOMPARE(s.main.state().cash, c.cash);
        QCOMPARE(s.main.state().fuel, c.fuel);
    }
}

QTEST_MAIN(ShopWindowsTest)
#include "test_shop_windows.moc"
