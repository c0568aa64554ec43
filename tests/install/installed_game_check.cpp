// The installed game, driven through its windows over the data of an install: it reads the
// high scores that came with it, saves a game and writes a new high score. check_install.sh
// runs it with the installed program's folder in ZT_INSTALLED_PROGRAM_FOLDER and a made-up
// XDG_DATA_HOME, then finds both files in the player's data folder and the install as it was.
#include "storage/file_io.h"
#include "ui/support/command_windows.h"
#include "ui/support/game_files.h"

#include <QDir>
#include <QTest>

using namespace zt;
using namespace zt::test;

class InstalledGameCheck : public QObject {
    Q_OBJECT
  private slots:
    void aSaveAndAHighScoreGoToThePlayersDataFolder();
};

void InstalledGameCheck::aSaveAndAHighScoreGoToThePlayersDataFolder() {
    const QString program = qEnvironmentVariable("ZT_INSTALLED_PROGRAM_FOLDER");
    const GameFolders folders = decideGameFolders(program.toStdString(), kInstalledDataFromProgram,
                                                  UserEnvironment::ofThisProcess());
    QVERIFY(folders.installed);

    TestRandom rng(1);
    MessageRecorder recorder;
    Main m(folders, rng);
    m.show();
    QCOMPARE(m.session().highScores(), readHighScores(folders.shippedHighScores).scores);
    startKnownGame(m);

    ChosenFiles chosen;
    chosen.queue(QString::fromStdString(folders.savesFolder) + "/voyage");
    trigger(&m, "saveGameMenu");

    // The time has run out: the next GO ends the game with the best short score.
    m.session().state().cash = 1000000;
    m.session().state().earthTime = *EarthTime::fromText("2401");
    click(&m, "mapImage_8");
    whenModalShown([](QWidget* end) {
        typeInto(end, "nameBox", "Installed");
        click(end, "exitButton");
    });
    click(&m, "goButton");
    QCOMPARE(recorder.messages, QStringList());
}

QTEST_MAIN(InstalledGameCheck)
#include "installed_game_check.moc"
