// The shipyard as the player uses it: the list, the specifications, net cash and a purchase.
#include "ui/support/command_windows.h"

#include <QListWidget>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

QListWidget* shipList(QWidget* yard) {
    return qobject_cast<QListWidget*>(widget(yard, "shipList"));
}

// Clicks entry `row` of the ship list as the player does.
void pick(QWidget* yard, int row) {
    QListWidget* list = shipList(yard);
    const QRect entry = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

bool buyEnabled(QWidget* yard) {
    return widget(yard, "buyShipButton")->isEnabled();
}

// The labels beside "Current Ship:", "Cash:", "Debt:" and "Net Cash:".
QStringList figures(QWidget* yard) {
    return {labelText(yard, "currentShipLabel"), labelText(yard, "cashLabel"),
            labelText(yard, "debtLabel"), labelText(yard, "netCashLabel")};
}

QStringList specifications(QWidget* yard) {
    QStringList seen;
    for (const char* name : {"typeLabel", "costLabel", "speedLabel", "cargoCapacityLabel",
                             "fuelCapacityLabel", "shieldCapacityLabel"})
        seen << labelText(yard, name);
    return seen;
}

} // namespace

class ShipyardWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheCurrentShipWithTheFixedEntries();
    void netCashDecidesWhichShipMayBeBought();
    void aSmallerShipComesFullAndKeepsTheCargo();
    void negativeNetCashShowsZeroAndBuysNothing();
};

void ShipyardWindowTest::opensOnTheCurrentShipWithTheFixedEntries() {
    StartedGame s(5000, 0, 1);
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        QCOMPARE(yard->windowTitle(), QStringLiteral("Buy New Ship"));
        QStringList entries;
        for (int i = 0; i < shipList(yard)->count(); ++i)
            entries << shipList(yard)->item(i)->text();
        QCOMPARE(entries, (QStringList{"Planet Hopper", "Cargo Caravel", "Galactic Galleon",
                                       "Class I Frigate", "Class II Frigate", "Class III Grigate",
                                       "Zenthari Intrepid!"}));
        QCOMPARE(figures(yard), (QStringList{"Planet Hopper", "$5,000", "$0", "$5,000"}));
        QCOMPARE(shipList(yard)->currentRow(), 0);
        QCOMPARE(specifications(yard),
                 (QStringList{"Planet Hopper", "$10,000", "1", "100", "100", "100"}));
        QVERIFY(!buyEnabled(yard));
        // The dearest ship: its figures without separators except the price.
        pick(yard, 6);
        QCOMPARE(specifications(yard),
                 (QStringList{"Zenthari Intrepid", "$10,000,000", "4", "10000", "10000", "10000"}));
        QVERIFY(!buyEnabled(yard));
    });
}

void ShipyardWindowTest::netCashDecidesWhichShipMayBeBought() {
    StartedGame s(25000, 10000, 3, 7, 9);
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        QCOMPARE(figures(yard), (QStringList{"Galactic Galleon", "$25,000", "$10,000", "$15,000"}));
        QCOMPARE(shipList(yard)->currentRow(), 2);
        QVERIFY(!buyEnabled(yard));
        pick(yard, 1); // $20,000
        QVERIFY(!buyEnabled(yard));
        pick(yard, 2); // the current ship
        QVERIFY(!buyEnabled(yard));
        pick(yard, 0); // $10,000
        QVERIFY(buyEnabled(yard));
        click(yard, "buyShipButton");
        QCOMPARE(figures(yard), (QStringList{"Planet Hopper", "$15,000", "$10,000", "$5,000"}));
        QVERIFY(!buyEnabled(yard));
        const QStringList main = {labelText(&s.main, "cashLabel"), labelText(&s.main, "debtLabel"),
                                  labelText(&s.main, "fuelLabel"),
                                  labelText(&s.main, "shieldsLabel")};
        QCOMPARE(main, (QStringList{"$15,000", "$10,000", "100 / 100", "100 / 100"}));
    });
    QCOMPARE(s.main.state().shipType, 1);
    // The next visit starts again on the ship now flown.
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        QCOMPARE(shipList(yard)->currentRow(), 0);
        QVERIFY(!buyEnabled(yard));
    });
}

void ShipyardWindowTest::aSmallerShipComesFullAndKeepsTheCargo() {
    StartedGame s(300000, 0, 4, 5); // a Class I Frigate: hold 500, fuel 500, shields 250
    GameState& state = s.main.state();
    state.cargoInHold = 400;
    state.cargo[2] = {400, 12};
    // Picked destination needs 10 fuel: red now, yellow once the new ship brings its own.
    click(&s.main, "mapImage_8");
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), QColor(255, 0, 0));
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        pick(yard, 1); // the Cargo Caravel: hold 200, fuel 200, shields 150, $20,000
        click(yard, "buyShipButton");
    });
    QCOMPARE(state.shipType, 2);
    QCOMPARE(state.cash, 280000);
    QCOMPARE(state.fuel, 200);
    QCOMPARE(state.shields, 150);
    QCOMPARE(state.cargoInHold, 400);
    QCOMPARE(state.cargo[2].quantity, 400);
    QCOMPARE(labelText(&s.main, "fuelLabel"), QStringLiteral("200 / 200"));
    QCOMPARE(labelColour(&s.main, "fuelNeededLabel"), QColor(255, 255, 0));
    QVERIFY(widget(&s.main, "goButton")->isEnabled());
}

void ShipyardWindowTest::negativeNetCashShowsZeroAndBuysNothing() {
    StartedGame s(9000, 12000, 1);
    playInWindow(s.main, "buyNewShipButton", [&](QWidget* yard) {
        QCOMPARE(labelText(yard, "netCashLabel"), QStringLiteral("$0"));
        for (int row = 0; row < 7; ++row) {
            pick(yard, row);
            QVERIFY2(!buyEnabled(yard), qPrintable(QString::number(row)));
        }
    });
    QCOMPARE(s.main.state().cash, 9000);
}

QTEST_MAIN(ShipyardWindowTest)
#include "test_shipyard_window.moc"
