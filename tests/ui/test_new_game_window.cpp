// File › New Game: the game-length window, the map and the status of the starting galaxy.
#include "ui/map_widgets.h"
#include "ui/support/ui_support.h"

#include <QAbstractButton>
#include <QDialog>
#include <QTest>

using namespace zt;
using namespace zt::test;

class NewGameWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aNewGameShowsTheMapAndTheMilkyWay();
    void theLengthChosenIsKeptAndClosingTakesTheOptionShown();
    void aNewGameDuringPlayEmptiesTheHoldAndDropsThePick();
};

void NewGameWindowTest::aNewGameShowsTheMapAndTheMilkyWay() {
    TestGame game(5);
    Main& m = *game.main;
    startGame(m);
    const GameState& s = m.state();
    const Catalogue& c = m.catalogue();
    int pictures = 0, outlines = 0;
    for (int cell = 1; cell <= 42; ++cell) {
        const QString i = QString::number(cell - 1);
        auto* picture = qobject_cast<QLabel*>(widget(&m, "mapImage_" + i));
        const int g = s.cellGalaxy[cell];
        QCOMPARE(picture->isVisible(), g != 0);
        QCOMPARE(label(&m, "mapImageLabel_" + i)->isVisible(), g != 0);
        if (g != 0) {
            ++pictures;
            QVERIFY(!picture->pixmap().isNull());
            QCOMPARE(labelText(&m, "mapImageLabel_" + i), QString::fromStdString(c.galaxyNames[g]));
        }
        auto* box = qobject_cast<Outline*>(widget(&m, "mapOutline_" + i));
        if (box->isVisible()) {
            ++outlines;
            QCOMPARE(g, 3);
            QCOMPARE(box->borderColour(), QColor(255, 0, 0));
        }
    }
    QCOMPARE(pictures, 16);
    QCOMPARE(outlines, 1);

    const Galaxy& milkyWay = s.galaxies[3];
    QStringList supplies, demands;
    for (int k = 1; k <= 4; ++k) {
        supplies << QString::fromStdString(c.goodsNames[milkyWay.supplies[k]]);
        demands << QString::fromStdString(c.goodsNames[milkyWay.demands[k]]);
    }
    for (const char* panel : {"location", "selected"}) {
        const QString prefix = QString::fromLatin1(panel);
        QCOMPARE(labelText(&m, prefix == "location" ? "locationLabel" : "selectedLocationLabel"),
                 QStringLiteral("Milky Way"));
        QCOMPARE(labelText(&m, prefix + "SuppliesLabel"), supplies.join(", "));
        QCOMPARE(labelText(&m, prefix + "DemandsLabel"), demands.join(", "));
    }
    QCOMPARE(labelText(&m, "cashLabel"), QStringLiteral("$5,000"));
    QCOMPARE(labelText(&m, "fuelLabel"), QStringLiteral("100 / 100"));
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2300.00"));
    QVERIFY(!widget(&m, "goButton")->isEnabled());
}

void NewGameWindowTest::theLengthChosenIsKeptAndClosingTakesTheOptionShown() {
    TestGame game;
    Main& m = *game.main;
    bool shortFirst = false;
    whenModalShown([&](QWidget* form) {
        QCOMPARE(form->objectName(), QStringLiteral("startNewGameForm"));
        shortFirst = qobject_cast<QAbstractButton*>(widget(form, "shortOption"))->isChecked();
        click(form, "longOption");
        click(form, "beginNewGameButton");
    });
    m.startNewGame();
    QVERIFY(shortFirst);
    QCOMPARE(m.state().endYear, 3500);
    QCOMPARE(m.state().gameLength, 1);

    bool longKept = false;
    whenModalShown([&](QWidget* form) {
        longKept = qobject_cast<QAbstractButton*>(widget(form, "longOption"))->isChecked();
        click(form, "normalOption");
        qobject_cast<QDialog*>(form)->reject(); // the close box
    });
    trigger(&m, "newGameMenu");
    QVERIFY(longKept);
    QCOMPARE(m.state().endYear, 2700);
    QCOMPARE(m.state().gameLength, 2);
    QCOMPARE(labelText(&m, "locationLabel"), QStringLiteral("Milky Way"));
}

void NewGameWindowTest::aNewGameDuringPlayEmptiesTheHoldAndDropsThePick() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    GameState& s = m.state();
    s.cargo[2] = {5, 100000};
    s.cargoInHold = 5;
    s.cash = 77;
    s.debt = 900;
    click(&m, "mapImage_8");
    startGame(m);
    QCOMPARE(s.cargoInHold, 0);
    QCOMPARE(s.cargo[2], CargoItem{});
    QCOMPARE(s.selectedCell, -1);
    QCOMPARE(labelText(&m, "cashLabel"), QStringLiteral("$5,000"));
    QCOMPARE(labelText(&m, "debtLabel"), QStringLiteral("$0"));
    QCOMPARE(labelText(&m, "fuelNeededLabel"), QStringLiteral("0"));
    QCOMPARE(labelText(&m, "bridgeTollLabel"), QStringLiteral("$0"));
    QVERIFY(!widget(&m, "goButton")->isEnabled());
    int white = 0;
    for (auto* box : m.findChildren<Outline*>())
        if (box->isVisible() && box->borderColour() == QColor(255, 255, 255)) ++white;
    QCOMPARE(white, 0);
}

QTEST_MAIN(NewGameWindowTest)
#include "test_new_game_window.moc"
