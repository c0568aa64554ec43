// File › Save Game and File › Open Game: the file dialog, the rebuilt main window, and the
// messages of a file that cannot be written or read.
#include "storage/file_io.h"
#include "storage/saved_game.h"
#include "ui/support/game_files.h"
#include "ui/support/ui_support.h"

#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

const QStringList kStatus =
    QString("cashLabel earthTimeLabel selectedLocationLabel fuelNeededLabel").split(' ');

} // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyAGoodFileReplacesTheGameInPlay();
    void theDialogsStartInTheSavesFolderThenInTheLastOneUsed();
};

void SavedGamesTest::onlyAGoodFileReplacesTheGameInPlay() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    m.session().state().cash = -1234;
    m.session().state().earthTime = *EarthTime::fromText("2345.5");
    const QString file = game.folder.filePath("carry on.zht");
    const QString damaged = game.folder.filePath("damaged.zht");
    const std::string text = savedGameText(m.session().state());
    QVERIFY(writeFileAtomically(damaged.toStdString(), text.substr(0, text.size() / 2)));
    ChosenFiles chosen;
    chosen.queue(file);
    trigger(&m, "saveGameMenu");

    // A new game with a destination picked, and the greeting up: a bad file changes nothing.
    startKnownGame(m);
    click(&m, "mapImage_8");
    const GameState fresh = m.session().state();
    const QStringList freshStatus = shownTexts(&m, kStatus);
    m.showStartupForm();
    QWidget* greeting = widget(&m, "startupForm");
    chosen.queue(damaged);
    click(greeting, "loadSavedGameButton");
    QCOMPARE(game.recorder.messages, QStringList{QString::fromLatin1(kDamagedFileMessage)});
    QCOMPARE(game.recorder.beeps, 1);
    QVERIFY(greeting->isVisible() && m.session().state() == fresh);
    QCOMPARE(shownTexts(&m, kStatus), freshStatus);

    chosen.queue(file);
    click(greeting, "loadSavedGameButton");
    QVERIFY(!greeting->isVisible());
    QVERIFY(chosen.kinds == std::vector({GameFileDialogKind::Save, GameFileDialogKind::Open,
                                         GameFileDialogKind::Open}));
    QCOMPARE(shownTexts(&m, kStatus), QString("$-1,234|2345.5||").split('|'));
    QVERIFY(!widget(&m, "goButton")->isEnabled());
    QCOMPARE(visibleOutlines(m), QStringList{"7 #ff0000"});
    click(&m, "mapImage_8"); // the loaded map answers clicks
    QCOMPARE(labelText(&m, "fuelNeededLabel"), QStringLiteral("10"));
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
    const QString saves = QString::fromStdString(folders.savesFolder);
    const QString elsewhere = home.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    ChosenFiles chosen;
    for (const QString& name : {saves + "/first",                   // made when first needed
                                QString(),                          // cancelled: nothing written
                                elsewhere + "/.backup",             // hidden, with no extension
                                home.filePath("missing/x.zht"),     // not there: not kept
                                elsewhere + "/v2.save", QString()}) // an extension is kept
        chosen.queue(name);
    for (int save = 0; save < 5; ++save)
        trigger(&m, "saveGameMenu");
    trigger(&m, "openGameMenu");
    QCOMPARE(chosen.folders, (QStringList{saves, saves, saves, elsewhere, elsewhere, elsewhere}));
    QCOMPARE(QDir(saves).entryList(QDir::Files) +
                 QDir(elsewhere).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"first.zht", ".backup.zht", "v2.save"}));
    QCOMPARE(recorder.messages, QStringList{QString::fromLatin1(kCannotWriteMessage)});
}

QTEST_MAIN(SavedGamesTest)
#include "test_saved_games.moc"
