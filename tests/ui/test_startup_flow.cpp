// The greeting at program start, the instructions and the about window.
#include "storage/saved_game.h"
#include "ui/support/game_files.h"
#include "ui/support/ui_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

struct Greeted {
    TestGame game;
    Main& main;
    QWidget* form;
    Greeted() : main(*game.main) {
        main.showStartupForm();
        form = widget(&main, "startupForm");
    }
};

} // namespace

class StartupFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void theGreetingWaitsBesideTheMainWindow();
    void startNewGameHidesTheGreetingAndStartsAGame();
    void onlyASuccessfulLoadHidesTheGreeting();
    void theInstructionsShowSixReadOnlyPagesAndKeepTheLastTab();
    void theAboutWindowClosesWithOk();
};

void StartupFlowTest::theGreetingWaitsBesideTheMainWindow() {
    Greeted g;
    QVERIFY(g.form->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(labelText(g.form, "Label1"), QStringLiteral("Zenthari Trader"));
    QVERIFY(!label(g.form, "Image1")->pixmap().isNull());
}

void StartupFlowTest::startNewGameHidesTheGreetingAndStartsAGame() {
    Greeted g;
    bool hiddenFirst = false;
    whenModalShown([&](QWidget* lengthForm) {
        hiddenFirst = !g.form->isVisible();
        click(lengthForm, "normalOption");
        click(lengthForm, "beginNewGameButton");
    });
    click(g.form, "startNewGameButton");
    QVERIFY(hiddenFirst);
    QCOMPARE(g.main.state().endYear, 2700);
    QCOMPARE(labelText(&g.main, "cashLabel"), QStringLiteral("$5,000"));
}

void StartupFlowTest::onlyASuccessfulLoadHidesTheGreeting() {
    Greeted g;
    const QString file = g.game.folder.filePath("saved.zht");
    ChosenFiles chosen;
    // A game saved from the menus, then a new one begun there: the greeting stays up.
    startKnownGame(g.main);
    g.main.state().cash = 123456;
    chosen.queue(file);
    trigger(&g.main, "saveGameMenu");
    startGame(g.main);
    const GameState fresh = g.main.state();

    chosen.queue(QString());                             // cancelled
    chosen.queue(g.game.folder.filePath("Winners.txt")); // not a saved game
    chosen.queue(file);
    click(g.form, "loadSavedGameButton");
    QVERIFY(g.form->isVisible());
    QVERIFY(g.game.recorder.messages.isEmpty());
    click(g.form, "loadSavedGameButton");
    QVERIFY(g.form->isVisible());
    QCOMPARE(g.game.recorder.messages, QStringList{QString::fromLatin1(kDamagedFileMessage)});
    QVERIFY(g.main.state() == fresh);
    click(g.form, "loadSavedGameButton");
    QVERIFY(!g.form->isVisible());
    QCOMPARE(labelText(&g.main, "cashLabel"), QStringLiteral("$123,456"));
    QVERIFY(g.main.findChild<QAction*>("saveGameMenu")->isEnabled());
}

void StartupFlowTest::theInstructionsShowSixReadOnlyPagesAndKeepTheLastTab() {
    Greeted g;
    QStringList tabs;
    whenModalShown([&](QWidget* form) {
        QCOMPARE(form->objectName(), QStringLiteral("instructionsForm"));
        auto* pages = qobject_cast<QTabWidget*>(widget(form, "instructionsTabs"));
        for (int i = 0; i < pages->count(); ++i) {
            tabs << pages->tabText(i);
            auto* text = qobject_cast<QPlainTextEdit*>(pages->widget(i));
            QVERIFY(text->isReadOnly());
            QVERIFY(text->toPlainText().size() > 300);
        }
        QVERIFY(widget(form, "overviewText")->isVisible());
        pages->setCurrentIndex(4);
        click(form, "doneButton");
    });
    click(g.form, "instructionsButton");
    QCOMPARE(tabs, (QStringList{"Overview", "Trading", "Movement", "Shipyards", "Special Events",
                                "Strategies"}));
    QVERIFY(g.form->isVisible());

    whenModalShown([](QWidget* form) {
        QVERIFY(widget(form, "specialEventsText")->isVisible());
        QVERIFY(qobject_cast<QPlainTextEdit*>(widget(form, "specialEventsText"))
                    ->toPlainText()
                    .contains("74 times in 100"));
        click(form, "doneButton");
    });
    trigger(&g.main, "instructionsMenu");
}

void StartupFlowTest::theAboutWindowClosesWithOk() {
    TestGame game;
    bool shown = false;
    whenModalShown([&](QWidget* form) {
        shown = form->objectName() == "aboutForm";
        QCOMPARE(labelText(form, "Label1"), QStringLiteral("Zenthari Trader"));
        QVERIFY(!label(form, "Image1")->pixmap().isNull());
        QCOMPARE(qobject_cast<QAbstractButton*>(widget(form, "doneButton"))->text(),
                 QStringLiteral("&OK"));
        click(form, "doneButton");
    });
    trigger(game.main.get(), "anoutMenu");
    QVERIFY(shown);
    QVERIFY(!widget(game.main.get(), "aboutForm")->isVisible());
}

QTEST_MAIN(StartupFlowTest)
#include "test_startup_flow.moc"
