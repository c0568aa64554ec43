// File › Save Game and File › Open Game: the file dialog, the rebuilt main window, and the
// messages of a file that cannot be written or read.
#include "storage/file_io.h"
#include "storage/saved_game.h"
#include "ui/map_widgets.h"
#include "ui/support/game_files.h"
#include "ui/support/ui_support.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

// Some flights in: negative cash, debt, normal and black cargo, a one-decimal Earth time.
void playSomeFlights(Main& m) {
    GameState& s = m.state();
    s.cash = -1234;
    s.debt = 20000;
    s.fuel = 55;
    s.cargo[4] = {12, 61000};
    s.blackCargo[2] = {3, 4567};
    s.cargoInHold = 15;
    s.earthTime = *EarthTime::fromText("2345.5");
    m.refreshStatus();
}

QStringList visibleOutlines(Main& m) {
    QStringList shown;
    for (int i = 0; i < kCells; ++i) {
        auto* box = qobject_cast<Outline*>(widget(&m, QStringLiteral("mapOutline_%1").arg(i)));
        if (box->isVisible())
            shown << QStringLiteral("%1 %2").arg(i).arg(box->borderColour().name());
    }
    return shown;
}

} // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT
  private slots:
    void aSavedGameLoadsBackIntoANewGameWithNothingPicked();
    void aDamagedFileLeavesTheGameInPlayAsItWas();
    void aCancelledDialogSavesAndLoadsNothing();
    void aFailedSaveSaysSo();
    void theRealFileDialogIsAnsweredByName();
};

void SavedGamesTest::aSavedGameLoadsBackIntoANewGameWithNothingPicked() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    QVERIFY(m.findChild<QAction*>("saveGameMenu")->isEnabled());
    playSomeFlights(m);
    const GameState saved = m.state();
    const QString file = game.folder.filePath("carry on.zht");
    ChosenFiles chosen;
    chosen.queue(file);
    trigger(&m, "saveGameMenu");
    QCOMPARE(chosen.folders, QStringList{m.programFolder()});
    QVERIFY(chosen.kinds.back() == GameFileDialogKind::Save);

    // A new game elsewhere on the map, with a destination picked.
    startGame(m);
    click(&m, QStringLiteral("mapImage_%1").arg(m.state().galaxies[5].cell() - 1));
    QVERIFY(widget(&m, "goButton")->isEnabled());

    chosen.queue(file);
    trigger(&m, "openGameMenu");
    QVERIFY(chosen.kinds.back() == GameFileDialogKind::Open);
    GameState expected = saved;
    expected.selectedCell = kNoCell;
    expected.route = {};
    QVERIFY(m.state() == expected);
    QVERIFY(game.recorder.messages.isEmpty());

    QCOMPARE(labelText(&m, "cashLabel"), QStringLiteral("$-1,234"));
    QCOMPARE(labelText(&m, "debtLabel"), QStringLiteral("$20,000"));
    QCOMPARE(labelText(&m, "fuelLabel"), QStringLiteral("55 / 100"));
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2345.5"));
    QCOMPARE(labelText(&m, "locationLabel"), QStringLiteral("Milky Way"));
    for (const char* route :
         {"selectedLocationLabel", "selectedSuppliesLabel", "selectedDemandsLabel",
          "fuelNeededLabel", "timeNeededLabel", "bridgeTollLabel"})
        QCOMPARE(labelText(&m, route), QString());
    QVERIFY(!widget(&m, "goButton")->isEnabled());
    QVERIFY(!m.findChild<QAction*>("goMenu")->isEnabled());
    // The saved layout is back: the Milky Way's red box only, names from the catalogue.
    QCOMPARE(visibleOutlines(m), QStringList{QStringLiteral("7 #ff0000")});
    QCOMPARE(labelText(&m, "mapImageLabel_41"), QStringLiteral("Chu'a"));
    QVERIFY(!label(&m, "mapImage_0")->pixmap().isNull());

    // A click on the map picks a destination of the loaded game again.
    click(&m, "mapImage_8");
    QCOMPARE(labelText(&m, "fuelNeededLabel"), QStringLiteral("10"));
    QCOMPARE(labelColour(&m, "bridgeTollLabel"), QColor(255, 0, 0)); // $20 toll, negative cash
}

void SavedGamesTest::aDamagedFileLeavesTheGameInPlayAsItWas() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    playSomeFlights(m);
    click(&m, "mapImage_8");
    const GameState before = m.state();
    const QString file = game.folder.filePath("damaged.zht");
    std::string text = savedGameText(before);
    text.resize(text.size() / 2);
    QVERIFY(writeFileAtomically(file.toStdString(), text));

    ChosenFiles chosen;
    chosen.queue(file);
    chosen.queue(game.folder.filePath("missing.zht"));
    trigger(&m, "openGameMenu");
    trigger(&m, "openGameMenu");
    const QString damaged = QString::fromLatin1(kDamagedFileMessage);
    QCOMPARE(game.recorder.messages, (QStringList{damaged, damaged}));
    QCOMPARE(game.recorder.beeps, 2);
    QVERIFY(m.state() == before);
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2345.5"));
    QCOMPARE(labelText(&m, "fuelNeededLabel"), QStringLiteral("10"));
    QCOMPARE(visibleOutlines(m),
             (QStringList{QStringLiteral("7 #ff0000"), QStringLiteral("8 #ffffff")}));
}

void SavedGamesTest::aCancelledDialogSavesAndLoadsNothing() {
    TestGame game;
    Main& m = *game.main;
    // Before the first game there is nothing to save.
    QVERIFY(!m.findChild<QAction*>("saveGameMenu")->isEnabled());
    QVERIFY(m.findChild<QAction*>("openGameMenu")->isEnabled());
    ChosenFiles chosen;
    chosen.queue(QString());
    QVERIFY(!m.loadGame());
    QVERIFY(!m.state().inProgress());
    QCOMPARE(labelText(&m, "cashLabel"), QStringLiteral("$5,000"));

    startKnownGame(m);
    const GameState before = m.state();
    chosen.queue(QString());
    trigger(&m, "saveGameMenu");
    QVERIFY(game.recorder.messages.isEmpty());
    QCOMPARE(QDir(game.folder.path()).entryList(QStringList{"*.zht"}), QStringList());
    QVERIFY(m.state() == before);
}

void SavedGamesTest::aFailedSaveSaysSo() {
    TestGame game;
    startKnownGame(*game.main);
    ChosenFiles chosen;
    chosen.queue(game.folder.filePath("no such folder/game.zht"));
    trigger(game.main.get(), "saveGameMenu");
    QCOMPARE(game.recorder.messages, QStringList{QString::fromLatin1(kCannotWriteMessage)});
    QCOMPARE(game.recorder.beeps, 1);
}

void SavedGamesTest::theRealFileDialogIsAnsweredByName() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    playSomeFlights(m);
    const QString file = game.folder.filePath("typed name"); // no extension is added
    const auto answerWith = [&](const QString& name) {
        whenModalShown([&m, name](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("Dialog"));
            QCOMPARE(dialog->nameFilters(), QStringList{"Zenthari Trader Files (*.zht)"});
            QCOMPARE(dialog->directory().absolutePath(), QDir(m.programFolder()).absolutePath());
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(edit);
            // The name goes in whole, as pasted, so no completion list pops up over it.
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
        });
    };
    answerWith(file);
    trigger(&m, "saveGameMenu");
    QCOMPARE(QString::fromStdString(*readWholeFile(file.toStdString())),
             QString::fromStdString(savedGameText(m.state())));

    // Saving again over the same file asks nothing.
    m.state().cash = 777;
    answerWith(file);
    trigger(&m, "saveGameMenu");

    startGame(m);
    answerWith(file);
    QVERIFY(m.loadGame());
    QCOMPARE(m.state().cash, 777);
    QCOMPARE(labelText(&m, "earthTimeLabel"), QStringLiteral("2345.5"));
    QVERIFY(game.recorder.messages.isEmpty());
}

QTEST_MAIN(SavedGamesTest)
#include "test_saved_games.moc"
