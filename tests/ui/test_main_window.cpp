// The main window before and around a game: captions, menus, commands, sound and closing.
#include "ui/SoundPlayer.h"
#include "ui/support/ui_support.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace zt;
using namespace zt::test;

namespace {

// Opens up how a menu draws its entries.
struct MenuLook : QMenu {
    using QMenu::initStyleOption;
};

// What `body` writes to standard error.
QString standardErrorOf(const std::function<void()>& body) {
    QTemporaryFile file;
    if (!file.open()) return QStringLiteral("no file for standard error");
    std::fflush(stderr);
    const int saved = ::dup(2);
    ::dup2(file.handle(), 2);
    body();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    file.seek(0);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheStartingCaptionsAndNothingToDo();
    void menusHoldEveryEntryInOrderWithShortcuts();
    void commandsWaitForTheirWindowAndForAGame();
    void soundMenuMovesTheCheckMarkAndSilenceStopsPlaying();
    void closingClosesEveryWindow();
    void missingPicturesAndSoundsAreNamedOnceOnStandardError();
};

void MainWindowTest::opensWithTheStartingCaptionsAndNothingToDo() {
    TestGame game;
    Main* m = game.main.get();
    const QStringList names =
        QString("selectedLocationLabel selectedSuppliesLabel selectedDemandsLabel fuelNeededLabel "
                "timeNeededLabel bridgeTollLabel locationLabel locationSuppliesLabel "
                "locationDemandsLabel cashLabel debtLabel earthTimeLabel fuelLabel shieldsLabel")
            .split(' ');
    QCOMPARE(QStringList(m->windowTitle()) + shownTexts(m, names),
             QString("Zenthari Trader|Milky Way|nothing yet|nothing yet|0|0|$0|Milky Way|nothing "
                     "yet|nothing yet|$5,000|$0|2300.00|100 / 100|100 / 100")
                 .split('|'));
    for (const QString& name : names)
        QCOMPARE(labelColour(m, name), QColor(255, 255, 0));
    QVERIFY(!widget(m, "mapImage_7")->isVisible());
    trigger(m, "goMenu"); // GO before a game changes nothing
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
        for (QAction* entry : top->menu()->actions())
            line += entry->isSeparator() ? QStringLiteral(" --")
                                         : QStringLiteral(" %1 %2 [%3]")
                                               .arg(entry->objectName(), entry->text(),
                                                    entry->shortcut().toString());
        menus << line;
    }
    QCOMPARE(menus, expected);
    QVERIFY(game.main->findChild<QAction*>("soundOnMenu")->isChecked());
}

void MainWindowTest::commandsWaitForTheirWindowAndForAGame() {
    TestGame game;
    Main* m = game.main.get();
    const QStringList needGame =
        QString("tradeButton tradeMenu blackMarketButton blackMarketMenu bankButton bankMenu "
                "buyFuelButton buyFuelMenu repairShieldButton repairShieldMenu buyNewShipButton "
                "buyNewShipMenu sdChartButton sdSearchMenu saveGameMenu")
            .split(' ');
    const QStringList always = QString("openGameMenu instructionsMenu anoutMenu "
                                       "normalGoodsPricesMenu newGameMenu highScoresMenu exitMenu")
                                   .split(' ');
    // The names among `names` that the player can use now.
    const auto usable = [m](const QStringList& names) {
        QStringList on;
        for (const QString& name : names) {
            auto* action = m->findChild<QAction*>(name);
            if (action ? action->isEnabled() : widget(m, name)->isEnabled()) on << name;
        }
        return on;
    };
    QCOMPARE(usable(needGame + always), always);
    startGame(*m);
    QCOMPARE(usable(needGame + QStringList{"buyCargoModulesMenu", "goButton"}), needGame);
}

void MainWindowTest::soundMenuMovesTheCheckMarkAndSilenceStopsPlaying() {
    TestGame game;
    Main* m = game.main.get();
    auto* on = m->findChild<QAction*>("soundOnMenu");
    auto* player = m->findChild<SoundPlayer*>("soundControl");
    QVERIFY(!player->deviceOpened());               // nothing opened at start-up
    QTest::failOnWarning(QRegularExpression(".*")); // no complaint reaches the player
    trigger(m, "soundOffMenu");
    QVERIFY(!on->isChecked() && m->findChild<QAction*>("soundOffMenu")->isChecked());
    // The entry that is on wears a check mark, not a radio bullet.
    QStyleOptionMenuItem look;
    (m->findChild<QMenu*>("soundMenu")->*&MenuLook::initStyleOption)(&look, on);
    QCOMPARE(look.checkType, QStyleOptionMenuItem::NonExclusive);
    m->session().playSound("jet.wav");
    QVERIFY(!player->deviceOpened());
    trigger(m, "soundOnMenu");
    trigger(m, "soundOnMenu");
    QVERIFY(on->isChecked());
    m->session().playSound("missing.wav");
    m->session().playSound("jet.wav");
    QVERIFY(player->deviceOpened());
    QTRY_VERIFY(player->playing());
    trigger(m, "soundOffMenu");
    m->session().playSound("jet.wav");
    QVERIFY(!player->playing()); // the sound still playing stops
    trigger(m, "soundOnMenu");
    QFile::copy(QStringLiteral(ZT_DATA_DIR "/strings.txt"), game.folder.filePath("noise.wav"));
    m->session().playSound("../noise.wav"); // not a wave file at all
    QTest::qWait(200);
}

void MainWindowTest::closingClosesEveryWindow() {
    TestGame game;
    Main* m = game.main.get();
    m->showStartupForm(); // the greeting, which Escape does not hide, goes too
    bool closed = false;
    whenModalShown([&](QWidget* highScores) {
        trigger(m, "exitMenu");
        closed = !highScores->isVisible() && !widget(m, "startupForm")->isVisible();
    });
    trigger(m, "highScoresMenu");
    QVERIFY(closed);
    QVERIFY(!m->isVisible());
}

void MainWindowTest::missingPicturesAndSoundsAreNamedOnceOnStandardError() {
    QTemporaryDir bare; // the strings table only: no Graphics, no Sounds, no Winners.txt
    QFile::link(QStringLiteral(ZT_DATA_DIR "/strings.txt"), bare.filePath("strings.txt"));
    TestRandom rng(1);
    MessageRecorder recorder;
    const QString said = standardErrorOf([&] {
        Main m(GameFolders::besideProgram(bare.path().toStdString()), rng);
        m.show();
        startKnownGame(m);
        startKnownGame(m); // the map needs every picture again
        for (const char* destination : {"mapImage_8", "mapImage_7"}) {
            click(&m, destination);
            rng.queueFlight();
            click(&m, "goButton"); // the engine sound each time
        }
    });
    QStringList expected, lines = said.split('\n', Qt::SkipEmptyParts);
    for (int g = 0; g <= 16; ++g)
        expected << QStringLiteral("Zenthari Trader: %1 is missing or cannot be read; playing on "
                                   "without it")
                        .arg(QDir::toNativeSeparators(bare.filePath(
                            g ? QStringLiteral("Graphics/%1.jpg").arg(g) : "Sounds/jet.wav")));
    lines.sort();
    expected.sort();
    QCOMPARE(lines, expected);
    QVERIFY(recorder.messages.isEmpty()); // the game itself goes on as before
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
