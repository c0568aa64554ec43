// The end of a game: the end window, the high score lists and "Winners.txt".
#include "storage/file_io.h"
#include "ui/endForm.h"
#include "ui/look.h"
#include "ui/support/command_windows.h"

#include <QDialog>
#include <QDir>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

// A short game whose time has run out, with `cash` and nothing else, and a destination.
void lastFlightReady(Main& m, std::int32_t cash) {
    startKnownGame(m);
    m.session().state().cash = cash;
    m.session().state().earthTime = *EarthTime::fromText("2401");
    click(&m, "mapImage_8");
}

// The title, prompt and score of the end window.
QStringList endTexts(QWidget* end) {
    return {labelText(end, "titleLabel"), labelText(end, "promptLabel"),
            labelText(end, "netWorthLabel")};
}

} // namespace

class EndOfGameTest : public QObject {
    Q_OBJECT
  private slots:
    void aNewHighScoreIsWrittenShownAndANewGameFollows();
    void aListThatCannotBeSavedIsToldAndEachCloseBoxCountsAsTheDefault();
    void theNameBoxKeepsTheLastNameAndTheTitleCyclesColours();
    void aDamagedListIsToldOnceAndKeptBeforeItsFirstRewrite();
};

void EndOfGameTest::aNewHighScoreIsWrittenShownAndANewGameFollows() {
    TestGame game;
    Main& m = *game.main;
    lastFlightReady(m, 30000); // between the shipped short rows of $60,000 and $25,000
    const QString name = QStringLiteral("O\"Neil, \"Ace\" <b>");
    QStringList seen;
    whenModalShown([&](QWidget* end) {
        seen << endTexts(end) << shownTexts(end, {"nameBox"});
        typeInto(end, "nameBox", name);
        whenModalShown([&](QWidget* scores) {
            seen << scores->objectName() << labelText(scores, "shortName_1")
                 << labelText(scores, "shortScore_1") << labelText(scores, "shortName_2");
            whenModalShown([](QWidget* length) { click(length, "beginNewGameButton"); });
            click(scores, "wowButton");
        });
        click(end, "newGameButton");
    });
    click(&m, "goButton");
    QCOMPARE(seen,
             (QStringList{"New High Score!",
                          "Congratulations! You have earned a place on the Zenthari Trade "
                          "High Score List!",
                          "$30,000", "Trader", "highScoresForm", name, "$30,000", "Cadet Yuki"}));
    const std::string path = game.folder.filePath("Winners.txt").toStdString();
    QCOMPARE(readHighScores(path).scores[3].names[2], name.toStdString());
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2300.00")); // a new game
}

void EndOfGameTest::aListThatCannotBeSavedIsToldAndEachCloseBoxCountsAsTheDefault() {
    TestGame game;
    // A folder where the file should be: it can be neither read nor replaced.
    QDir(game.folder.path()).remove("Winners.txt");
    QDir(game.folder.path()).mkdir("Winners.txt");
    Main m(game.folder.folders(), game.rng);
    lastFlightReady(m, 20); // just the toll
    QString name;
    whenModalShown([&](QWidget* end) {
        whenModalShown([&](QWidget* scores) {
            name = labelText(scores, "shortName_0"); // the name shown in the box
            whenModalShown([](QWidget* length) { qobject_cast<QDialog*>(length)->reject(); });
            qobject_cast<QDialog*>(scores)->reject();
        });
        qobject_cast<QDialog*>(end)->reject();
    });
    click(&m, "goButton");
    QCOMPARE(name, QStringLiteral("Trader"));
    QCOMPARE(game.recorder.messages.size(), 1);
    QVERIFY(game.recorder.messages.first().startsWith("The high score list could not be saved"));
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2300.00"));
    QCOMPARE(m.session().state().endYear, 2400); // the option shown when the window was closed
}

void EndOfGameTest::theNameBoxKeepsTheLastNameAndTheTitleCyclesColours() {
    TestGame game;
    TestRandom colours(1);
    EndForm end(game.main->session(), colours, nullptr);
    end.showResult(1, true);
    typeInto(&end, "nameBox", "Ace");
    end.showResult(2, false);
    QCOMPARE(endTexts(&end) << shownTexts(&end, {"nameBox"}),
             (QStringList{"Game Over!",
                          "Sorry, you score was not high enough to make the high score list.", "$2",
                          "Ace"}));
    QVERIFY(!widget(&end, "nameBox")->isEnabled());
    end.showResult(3, true);
    QCOMPARE(shownTexts(&end, {"nameBox"}), QStringList{"Ace"});
    // Red, green, blue from three draws, each r × 256 rounded and held to 255.
    for (float r : {0.1f, 0.5f, 0.999f})
        colours.queue(r);
    end.highScoreTimer_Timer();
    QCOMPARE(textColour(label(&end, "titleLabel")), QColor(26, 128, 255));
}

void EndOfGameTest::aDamagedListIsToldOnceAndKeptBeforeItsFirstRewrite() {
    TestGame game;
    const std::string path = game.folder.filePath("Winners.txt").toStdString();
    const std::string content = *readWholeFile(path);
    const std::string damaged = content.substr(0, content.size() / 2) + "\"ZEx";
    QVERIFY(writeFileAtomically(path, damaged));
    Main m(game.folder.folders(), game.rng);
    m.showStartupForm();
    m.showStartupForm();
    QCOMPARE(game.recorder.messages,
             QStringList{QStringLiteral("The high score file %1 is damaged. The scores that could "
                                        "be read are kept; the damaged file will be kept as "
                                        "%1.damaged when the list is next saved.")
                             .arg(QDir::toNativeSeparators(QString::fromStdString(path)))});
    // Two games make the short list; only the first rewrite keeps the damaged file.
    for (const std::int32_t cash : {30000, 40000}) {
        lastFlightReady(m, cash);
        whenModalShown([](QWidget* end) { click(end, "exitButton"); });
        click(&m, "goButton");
        QVERIFY(!m.isVisible());
        QCOMPARE(m.session().state().currentGalaxy, 3); // scored instead of flown
        QCOMPARE(readWholeFile(path + ".damaged").value_or("missing"), damaged);
    }
    QVERIFY(!readHighScores(path).damaged);
    QCOMPARE(game.recorder.messages.size(), 1);
}

QTEST_MAIN(EndOfGameTest)
#include "test_end_of_game.moc"
