// The greeting at program start, the game-length window, the instructions and the about window.
#include "ui/look.h"
#include "ui/support/ui_support.h"

#include <QApplication>
#include <QDialog>
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
    void aNewGameKeepsTheLengthChosenAndStartsAfresh();
    void theInstructionsShowSixReadOnlyPagesAndKeepTheLastTab();
    void theAboutWindowClosesWithOk();
};

void StartupFlowTest::theGreetingWaitsBesideTheMainWindow() {
    Greeted g;
    QVERIFY(g.form->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(g.form, Qt::Key_Escape); // only a game begun hides it
    QVERIFY(g.form->isVisible());
    QCOMPARE(labelText(g.form, "Label1"), QStringLiteral("Zenthari Trader"));
    QVERIFY(!label(g.form, "Image1")->pixmap().isNull());
    // The icon every window wears, drawn for each size rather than scaled from one.
    for (int size : kWindowIconSizes)
        QCOMPARE(gameIcon().pixmap(size).size(), QSize(size, size));
    QCOMPARE(gameIcon().availableSizes().size(), std::size(kWindowIconSizes));
}

void StartupFlowTest::aNewGameKeepsTheLengthChosenAndStartsAfresh() {
    Greeted g;
    Main& m = g.main;
    QStringList seen;
    whenModalShown([&](QWidget* form) {
        seen << form->objectName() << labelText(&m, "locationSuppliesLabel");
        if (!g.form->isVisible()) seen << "greeting hidden";
        if (isChecked(form, "shortOption")) seen << "short";
        click(form, "longOption");
        click(form, "beginNewGameButton");
    });
    click(g.form, "startNewGameButton");
    QCOMPARE(seen, (QStringList{"startNewGameForm", "nothing yet", "greeting hidden", "short"}));
    QCOMPARE(m.session().state().endYear, 3500);
    QCOMPARE(m.session().state().gameLength, 1);

    // A new game in play: the window offers the last length, and its close box takes the
    // option shown; the hold, the money and the pick start afresh.
    placeGalaxies(m, kKnownLayout);
    GameState& s = m.session().state();
    s.cargo[2] = {5, 100000};
    s.cargoInHold = 5;
    s.cash = 77;
    click(&m, "mapImage_8");
    bool longKept = false;
    const QStringList before = shownTexts(&m, {"locationLabel", "locationSuppliesLabel"});
    QStringList whileAsked;
    whenModalShown([&](QWidget* form) {
        whileAsked = shownTexts(&m, {"locationLabel", "locationSuppliesLabel"});
        longKept = isChecked(form, "longOption");
        click(form, "normalOption");
        qobject_cast<QDialog*>(form)->reject();
    });
    trigger(&m, "newGameMenu");
    QVERIFY(longKept);
    QCOMPARE(whileAsked, before); // the new game's status is written once it is laid out
    QCOMPARE(s.endYear, 2700);
    QCOMPARE(s.gameLength, 2);
    QCOMPARE(s.cargoInHold, 0);
    QCOMPARE(s.cargo[2], CargoItem{});
    QCOMPARE(s.selectedCell, kNoCell);
    QCOMPARE(shownTexts(&m, {"cashLabel", "fuelNeededLabel", "bridgeTollLabel", "earthTimeLabel",
                             "locationLabel", "selectedLocationLabel"}),
             (QStringList{"$5,000", "0", "$0", "2300.00", "Milky Way", "Milky Way"}));
    QVERIFY(!widget(&m, "goButton")->isEnabled());
    // The new map: every galaxy's picture and the red box on the Milky Way.
    int pictures = 0;
    for (auto* picture : m.findChildren<QLabel*>(QRegularExpression("^mapImage_")))
        pictures += picture->isVisible() && !picture->pixmap().isNull();
    QCOMPARE(pictures, kGalaxies);
    QCOMPARE(visibleOutlines(m),
             QStringList{QStringLiteral("%1 #ff0000").arg(s.galaxies[3].cell() - 1)});
}

void StartupFlowTest::theInstructionsShowSixReadOnlyPagesAndKeepTheLastTab() {
    Greeted g;
    QStringList tabs;
    whenModalShown([&](QWidget* form) {
        auto* pages = qobject_cast<QTabWidget*>(widget(form, "instructionsTabs"));
        for (int i = 0; i < pages->count(); ++i) {
            tabs << pages->tabText(i);
            auto* text = qobject_cast<QPlainTextEdit*>(pages->widget(i));
            QVERIFY(text->isReadOnly() && text->toPlainText().size() > 300);
        }
        pages->setCurrentIndex(4);
        click(form, "doneButton");
    });
    click(g.form, "instructionsButton");
    QCOMPARE(tabs, (QStringList{"Overview", "Trading", "Movement", "Shipyards", "Special Events",
                                "Strategies"}));
    QVERIFY(g.form->isVisible());
    bool lastTabShown = false;
    whenModalShown([&](QWidget* form) {
        auto* text = qobject_cast<QPlainTextEdit*>(widget(form, "specialEventsText"));
        lastTabShown = text->isVisible() && text->toPlainText().contains("74 times in 100");
        click(form, "doneButton");
    });
    trigger(&g.main, "instructionsMenu");
    QVERIFY(lastTabShown);
}

void StartupFlowTest::theAboutWindowClosesWithOk() {
    TestGame game;
    QStringList seen;
    whenModalShown([&](QWidget* form) {
        seen << form->objectName() << labelText(form, "Label1")
             << widget(form, "doneButton")->property("text").toString()
             << (label(form, "Image1")->pixmap().isNull() ? "no picture" : "picture");
        click(form, "doneButton");
    });
    trigger(game.main.get(), "anoutMenu");
    QCOMPARE(seen, (QStringList{"aboutForm", "Zenthari Trader", "&OK", "picture"}));
    QVERIFY(!widget(game.main.get(), "aboutForm")->isVisible());
}

QTEST_MAIN(StartupFlowTest)
#include "test_startup_flow.moc"
