// The greeting at program start and the game-length window.
#include "ui/support/ui_support.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

using namespace zt;
using namespace zt::test;

class StartupFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void theGreetingWaitsBesideTheMainWindowUntilAGameBegins();
    void aNewGameKeepsTheLengthChosenAndStartsAfresh();
};

void StartupFlowTest::theGreetingWaitsBesideTheMainWindowUntilAGameBegins() {
    TestGame game;
    Main& m = *game.main;
    m.showStartupForm();
    QWidget* greeting = widget(&m, "startupForm");
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(greeting, Qt::Key_Escape); // only a game begun hides it
    QVERIFY(greeting->isVisible());
    // The game-length window hides the greeting and starts the length chosen.
    QStringList seen;
    whenModalShown([&](QWidget* form) {
        seen << form->objectName() << labelText(&m, "locationSuppliesLabel");
        if (!greeting->isVisible()) seen << "greeting hidden";
        if (isChecked(form, "shortOption")) seen << "short";
        click(form, "longOption");
        click(form, "beginNewGameButton");
    });
    click(greeting, "startNewGameButton");
    QCOMPARE(seen, (QStringList{"startNewGameForm", "nothing yet", "greeting hidden", "short"}));
    QCOMPARE(m.session().state().endYear, 3500);
    QCOMPARE(m.session().state().gameLength, 1);
}

// A new game in play: the window offers the last length, and its close box takes the option
// shown; the location stays on show until the new game is laid out.
void StartupFlowTest::aNewGameKeepsTheLengthChosenAndStartsAfresh() {
    TestGame game;
    Main& m = *game.main;
    startGame(m, "longOption");
    placeGalaxies(m, kKnownLayout);
    GameState& s = m.session().state();
    s.cash = 77;
    click(&m, "mapImage_8");
    const QStringList status = {"locationLabel", "locationSuppliesLabel"};
    const QStringList before = shownTexts(&m, status);
    QStringList seen;
    whenModalShown([&](QWidget* form) {
        seen = shownTexts(&m, status) << (isChecked(form, "longOption") ? "long" : "");
        click(form, "normalOption");
        qobject_cast<QDialog*>(form)->reject();
    });
    trigger(&m, "newGameMenu");
    QCOMPARE(seen, before + QStringList{"long"});
    QCOMPARE(s.endYear, 2700);
    QCOMPARE(shownTexts(&m, {"cashLabel", "fuelNeededLabel", "earthTimeLabel", "locationLabel",
                             "selectedLocationLabel"}),
             (QStringList{"$5,000", "0", "2300.00", "Milky Way", "Milky Way"}));
    QVERIFY(!widget(&m, "goButton")->isEnabled());
    // The new map: every galaxy's picture and the red box on the Milky Way.
    int pictures = 0;
    for (auto* picture : m.findChildren<QLabel*>(QRegularExpression("^mapImage_")))
        pictures += picture->isVisible() && !picture->pixmap().isNull();
    QCOMPARE(pictures, kGalaxies);
    QCOMPARE(visibleOutlines(m),
             QStringList{QStringLiteral("%1 #ff0000").arg(s.galaxies[3].cell() - 1)});
}

QTEST_MAIN(StartupFlowTest)
#include "test_startup_flow.moc"
