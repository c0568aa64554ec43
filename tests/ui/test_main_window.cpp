// The main window before and around a game: captions, menus, commands, sound and closing.
#include "ui/SoundPlayer.h"
#include "ui/support/ui_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace zt;
using namespace zt::test;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheStartingCaptionsAndNothingToDo();
    void menusHoldEveryEntryInOrderWithShortcuts();
    void commandsWaitForTheirWindowAndForAGame();
    void soundMenuMovesTheCheckMarkAndSilenceStopsPlaying();
    void fitsTheScreenWithoutClippedText();
    void closingClosesEveryWindowAndTheSound();
};

void MainWindowTest::opensWithTheStartingCaptionsAndNothingToDo() {
    TestGame game;
    Main* m = game.main.get();
    const struct {
        const char* name;
        const char* text;
    } captions[] = {{"selectedLocationLabel", "Milky Way"},
                    {"selectedSuppliesLabel", "nothing yet"},
                    {"selectedDemandsLabel", "nothing yet"},
                    {"fuelNeededLabel", "0"},
                    {"timeNeededLabel", "0"},
                    {"bridgeTollLabel", "$0"},
                    {"locationLabel", "Milky Way"},
                    {"locationSuppliesLabel", "nothing yet"},
                    {"locationDemandsLabel", "nothing yet"},
                    {"cashLabel", "$5,000"},
                    {"debtLabel", "$0"},
                    {"earthTimeLabel", "2300.00"},
                    {"fuelLabel", "100 / 100"},
                    {"shieldsLabel", "100 / 100"}};
    for (const auto& c : captions) {
        QCOMPARE(labelText(m, c.name), QString::fromUtf8(c.text));
        QCOMPARE(labelColour(m, c.name), QColor(255, 255, 0));
    }
    QCOMPARE(m->windowTitle(), QStringLiteral("Zenthari Trader"));
    QVERIFY(!widget(m, "goButton")->isEnabled());
    QVERIFY(!m->findChild<QAction*>("goMenu")->isEnabled());
    for (int i = 0; i < 42; ++i) {
        QVERIFY(!widget(m, QStringLiteral("mapOutline_%1").arg(i))->isVisible());
        QVERIFY(!widget(m, QStringLiteral("mapImage_%1").arg(i))->isVisible());
    }
    QVERIFY(!widget(m, "zoomGraphic")->isVisible());
    // The lists come from the shipped Winners.txt.
    QCOMPARE(m->highScores()[1].names[1], std::string("Admiral Okonkwo"));
    // A route refresh with nothing picked, or GO before a game, changes nothing.
    m->routeRefresh();
    m->goButton_Click();
    QCOMPARE(labelText(m, "cashLabel"), QStringLiteral("$5,000"));
    QVERIFY(game.recorder.messages.isEmpty());
}

void MainWindowTest::menusHoldEveryEntryInOrderWithShortcuts() {
    TestGame game;
    // Entries as "name caption [shortcut]"; "--" is a separator line.
    const QStringList expected = {
        "&File: newGameMenu &New Game [Ctrl+N] -- saveGameMenu &Save Game [Ctrl+S] "
        "openGameMenu &Open Game [Ctrl+O] -- highScoresMenu &High Scores [] -- "
        "exitMenu &Exit [Ctrl+X]",
        "&Game: goMenu &Go to selected destination [Ctrl+G] -- tradeMenu &Trade [Ctrl+T] "
        "blackMarketMenu &Black Market [Ctrl+Z] -- bankMenu &Bank [Ctrl+B] -- repairShieldMenu "
        "Repair &Shield [Ctrl+R] buyCargoModulesMenu Buy &Cargo Modules [Ctrl+C] buyFuelMenu "
        "Buy &Fuel [Ctrl+F] -- buyNewShipMenu Buy New Shi&p [Ctrl+P]",
        "&Data Bank: instructionsMenu &Instructions [] sdSearchMenu &Supply/Demand Search [F2] "
        "normalGoodsPricesMenu &Normal Goods Prices [] -- anoutMenu &About Zenthari Trader []",
        "&Sound: soundOnMenu &On [] soundOffMenu &Off []"};
    QStringList menus;
    for (QAction* top : game.main->menuBar()->actions()) {
        QString line = top->text() + ":";
        for (QAction* entry : top->menu()->actions()) {
            if (entry->isSeparator()) {
                line += " --";
                continue;
            }
            line += QStringLiteral(" %1 %2 [%3]")
                        .arg(entry->objectName(), entry->text(), entry->shortcut().toString());
        }
        menus << line;
    }
    QCOMPARE(menus, expected);
    QVERIFY(game.main->findChild<QAction*>("soundOnMenu")->isChecked());
}

void MainWindowTest::commandsWaitForTheirWindowAndForAGame() {
    TestGame game;
    Main* m = game.main.get();
    const QStringList needGame = {"tradeButton",      "tradeMenu",        "blackMarketButton",
                                  "blackMarketMenu",  "bankButton",       "bankMenu",
                                  "buyFuelButton",    "buyFuelMenu",      "repairShieldButton",
                                  "repairShieldMenu", "buyNewShipButton", "buyNewShipMenu",
                                  "sdChartButton",    "sdSearchMenu",     "saveGameMenu"};
    const auto enabled = [m](const QString& name) {
        if (auto* action = m->findChild<QAction*>(name)) return action->isEnabled();
        return widget(m, name)->isEnabled();
    };
    // Whichever windows have come already: without them, every command waits.
    for (int c = 0; c < Main::kCommandCount; ++c)
        m->setCommandAvailable(static_cast<Main::Command>(c), false);
    for (const QString& name : needGame)
        QVERIFY2(!enabled(name), qPrintable(name));
    for (const char* name :
         {"openGameMenu", "instructionsMenu", "anoutMenu", "normalGoodsPricesMenu"})
        QVERIFY2(!enabled(name), name);
    QVERIFY(enabled("newGameMenu") && enabled("highScoresMenu") && enabled("exitMenu"));

    // A window marked ready still waits for a game when it needs one.
    for (int c = 0; c < Main::kCommandCount; ++c)
        m->setCommandAvailable(static_cast<Main::Command>(c), true);
    for (const QString& name : needGame)
        QVERIFY2(!enabled(name), qPrintable(name));
    QVERIFY(enabled("openGameMenu") && enabled("anoutMenu"));
    startGame(*m);
    for (const QString& name : needGame)
        QVERIFY2(enabled(name), qPrintable(name));
    QVERIFY(!enabled("buyCargoModulesMenu"));
    QVERIFY(!enabled("goButton"));
}

void MainWindowTest::soundMenuMovesTheCheckMarkAndSilenceStopsPlaying() {
    TestGame game;
    Main* m = game.main.get();
    auto* on = m->findChild<QAction*>("soundOnMenu");
    auto* off = m->findChild<QAction*>("soundOffMenu");
    auto* player = m->findChild<SoundPlayer*>("soundControl");
    QVERIFY(player);
    QVERIFY(!player->deviceOpened()); // nothing opened at start-up

    QTest::failOnWarning(QRegularExpression(".*")); // no complaint reaches the player
    trigger(m, "soundOffMenu");
    QVERIFY(off->isChecked() && !on->isChecked());
    m->playSound("jet.wav");
    QVERIFY(!player->deviceOpened());
    trigger(m, "soundOnMenu");
    trigger(m, "soundOnMenu");
    QVERIFY(on->isChecked() && !off->isChecked());
    m->playSound("missing.wav");
    m->playSound("jet.wav");
    QVERIFY(player->deviceOpened());
    QFile::copy(QStringLiteral(ZT_DATA_DIR "/strings.txt"), game.folder.filePath("noise.wav"));
    m->playSound("../noise.wav"); // not a wave file at all
    QTest::qWait(200);
    m->playSound("irs.wav");
}

void MainWindowTest::fitsTheScreenWithoutClippedText() {
    TestGame game;
    Main* m = game.main.get();
    startGame(*m);
    // The longest names of the catalogue in both panels.
    GameState& s = m->state();
    const std::int16_t longest[] = {3, 15, 6, 4};
    for (int k = 1; k <= 4; ++k)
        s.galaxies[3].supplies[k] = s.galaxies[3].demands[k] = longest[k - 1];
    s.cash = 2000000000;
    s.debt = 2000000000;
    s.shipType = 7;
    s.fuel = s.shields = 10000;
    s.earthTime = *EarthTime::fromText("3499.99");
    m->refreshStatus();
    m->rebuildMap();
    QApplication::processEvents();
    const QSize frame = m->frameGeometry().size();
    QVERIFY2(frame.width() <= 1280 && frame.height() <= 800 - 40,
             qPrintable(QStringLiteral("%1 x %2").arg(frame.width()).arg(frame.height())));
    for (QLabel* l : m->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty()) continue;
        const QSize need =
            l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width())) : l->sizeHint();
        QVERIFY2(need.width() <= l->width() && need.height() <= l->height(),
                 qPrintable(l->objectName() + " '" + l->text() + "'"));
    }
}

void MainWindowTest::closingClosesEveryWindowAndTheSound() {
    TestGame game;
    Main* m = game.main.get();
    whenModalShown([m](QWidget* highScores) {
        QVERIFY(highScores->isVisible());
        trigger(m, "exitMenu");
        QVERIFY(!highScores->isVisible());
    });
    trigger(m, "highScoresMenu");
    QVERIFY(!m->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
