// File › Save Game and File › Open Game: the file dialog, the rebuilt main window, and the
// messages of a file that cannot be written or read.
#include "storage/file_io.h"
#include "storage/saved_game.h"
#include "ui/support/game_files.h"
#include "ui/support/ui_support.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

// A known game some flights in: negative cash, debt, both cargoes, a one-decimal Earth time.
void playSomeFlights(Main& m) {
    startKnownGame(m);
    GameState& s = m.session().state();
    s.cash = -1234;
    s.debt = 20000;
    s.fuel = 55;
    s.cargo[4] = {12, 61000};
    s.blackCargo[2] = {3, 4567};
    s.cargoInHold = 15;
    s.earthTime = *EarthTime::fromText("2345.5");
    m.session().holdingsChanged();
}

const QStringList kStatus = {"cashLabel",       "debtLabel",      "fuelLabel",
                             "earthTimeLabel",  "locationLabel",  "selectedLocationLabel",
                             "fuelNeededLabel", "bridgeTollLabel"};

} // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyAGoodFileReplacesTheGameInPlay();
    void theRealFileDialogIsAnsweredByName();
    void theDialogsStartInTheSavesFolderThenInTheLastOneUsed();
};

void SavedGamesTest::onlyAGoodFileReplacesTheGameInPlay() {
    TestGame game;
    Main& m = *game.main;
    playSomeFlights(m);
    const GameState saved = m.session().state();
    const QString file = game.folder.filePath("carry on.zht");
    ChosenFiles chosen;
    chosen.queue(file);
    trigger(&m, "saveGameMenu");
    QCOMPARE(chosen.folders, QStringList{m.session().dataFolder()});
    QVERIFY(chosen.kinds.back() == GameFileDialogKind::Save);
    const QString damaged = game.folder.filePath("damaged.zht");
    std::string text = savedGameText(saved);
    text.resize(text.size() / 2);
    QVERIFY(writeFileAtomically(damaged.toStdString(), text));

    // A new game elsewhere on the map, with a destination picked, and the greeting up.
    startGame(m);
    click(&m, QStringLiteral("mapImage_%1").arg(m.session().state().galaxies[5].cell() - 1));
    const GameState fresh = m.session().state();
    const QStringList freshStatus = shownTexts(&m, kStatus), freshMap = visibleOutlines(m);
    m.showStartupForm();
    QWidget* greeting = widget(&m, "startupForm");
    chosen.queue(QString()); // cancelled
    trigger(&m, "openGameMenu");
    QVERIFY(chosen.kinds.back() == GameFileDialogKind::Open);
    for (const QString& name : {damaged, game.folder.filePath("missing.zht")}) {
        chosen.queue(name);
        click(greeting, "loadSavedGameButton");
    }
    const QString complaint = QString::fromLatin1(kDamagedFileMessage);
    QCOMPARE(game.recorder.messages, (QStringList{complaint, complaint}));
    QCOMPARE(game.recorder.beeps, 2);
    QVERIFY(greeting->isVisible());
    QVERIFY(m.session().state() == fresh);
    QCOMPARE(shownTexts(&m, kStatus), freshStatus);
    QCOMPARE(visibleOutlines(m), freshMap);

    chosen.queue(file);
    click(greeting, "loadSavedGameButton");
    QVERIFY(!greeting->isVisible());
    GameState expected = saved;
    expected.selectedCell = kNoCell;
    expected.route = {};
    QVERIFY(m.session().state() == expected);
    QCOMPARE(shownTexts(&m, kStatus),
             (QStringList{"$-1,234", "$20,000", "55 / 100", "2345.5", "Milky Way", "", "", ""}));
    QVERIFY(!widget(&m, "goButton")->isEnabled());
    QCOMPARE(visibleOutlines(m), QStringList{"7 #ff0000"});
    QCOMPARE(labelText(&m, "mapImageLabel_41"), QStringLiteral("Chu'a"));
    click(&m, "mapImage_8"); // the loaded map answers clicks
    QCOMPARE(labelText(&m, "fuelNeededLabel"), QStringLiteral("10"));
}

void SavedGamesTest::theRealFileDialogIsAnsweredByName() {
    TestGame game;
    Main& m = *game.main;
    playSomeFlights(m);
    const QString typed = game.folder.filePath("typed name"), file = typed + ".zht";
    const auto answerWith = [&](const QString& name) {
        whenModalShown([&m, name](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QCOMPARE(dialog->nameFilters(), QStringList{"Zenthari Trader Files (*.zht)"});
            QCOMPARE(dialog->directory().absolutePath(),
                     QDir(m.session().dataFolder()).absolutePath());
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            edit->setText(name); // whole, so no completion list pops up over it
            QTest::keyClick(edit, Qt::Key_Return);
        });
    };
    answerWith(typed);
    trigger(&m, "saveGameMenu");
    m.session().state().cash = 777;
    answerWith(file); // saving over the same file asks nothing more
    trigger(&m, "saveGameMenu");
    QCOMPARE(QString::fromStdString(*readWholeFile(file.toStdString())),
             QString::fromStdString(savedGameText(m.session().state())));
    startGame(m);
    answerWith(file);
    trigger(&m, "openGameMenu");
    QCOMPARE(labelText(&m, "cashLabel"), QStringLiteral("$777"));
    QVERIFY(game.recorder.messages.isEmpty());
}

void SavedGamesTest::theDialogsStartInTheSavesFolderThenInTheLastOneUsed() {
    ProgramFolder installed, home;
    GameFolders folders = installed.folders();
    folders.installed = true;
    folders.savesFolder = home.filePath("data/zenthari-trader/saves").toStdString();
    TestRandom rng(1);
    MessageRecorder recorder;
    Main m(folders, rng);
    startKnownGame(m);
    const QStringList programFiles = QDir(installed.path()).entryList(QDir::Files);
    const QString saves = QString::fromStdString(folders.savesFolder);
    const QString elsewhere = home.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    ChosenFiles chosen;
    chosen.queue(saves + "/first");               // made when first needed; ".zht" added
    chosen.queue(QString());                      // cancelled: nothing written
    chosen.queue(elsewhere + "/.backup");         // a hidden name has no extension yet
    chosen.queue(home.filePath("missing/x.zht")); // a folder that is not there is not kept
    chosen.queue(elsewhere + "/v2.save");         // an extension is kept
    for (int save = 0; save < 5; ++save)
        trigger(&m, "saveGameMenu");
    chosen.queue(QString());
    trigger(&m, "openGameMenu");
    QCOMPARE(chosen.folders, (QStringList{saves, saves, saves, elsewhere, elsewhere, elsewhere}));
    QCOMPARE(QDir(saves).entryList(QDir::Files), QStringList{"first.zht"});
    QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden),
             (QStringList{".backup.zht", "v2.save"}));
    QCOMPARE(recorder.messages, QStringList{QString::fromLatin1(kCannotWriteMessage)});
    QCOMPARE(recorder.beeps, 1);
    QCOMPARE(QDir(installed.path()).entryList(QDir::Files), programFiles);
}

QTEST_MAIN(SavedGamesTest)
#include "test_saved_games.moc"
