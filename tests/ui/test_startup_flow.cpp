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
    // option shown; the location stays on show until the new game is laid out.
    placeGalaxies(m, kKnownLayout);
    GameState& s = m.session().state();
    s.cash = 77;
    click(&m, "mapImage_8");
    const QStringList status = {"locationLabel", "locationSuppliesLabel"};
    const QStringList before = shownTexts(&m, status);
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

void StartupFlowTest::theInstructionsShowSixReadOnlyPagesAndKeepTheLastTab() {
    Greeted g;
    QStringList tabs;
    for (int visit = 0; visit < 2; ++visit) {
        whenModalShown([&](QWidget* form) {
            auto* pages = qobject_cast<QTabWidget*>(widget(form, "instructionsTabs"));
            tabs << QString::number(pages->currentIndex());
            for (int i = 0; i < pages->count() && !visit; ++i) {
                tabs << pages->tabText(i);
                auto* text = qobject_cast<QPlainTextEdit*>(pages->widget(i));
                QVERIFY(text->isReadOnly() && text->toPlainText().size() > 300);
            }
            pages->setCurrentIndex(4);
            click(form, "doneButton");
        });
        visit ? trigger(&g.main, "instructionsMenu") : click(g.form, "instructionsButton");
    }
    QCOMPARE(tabs, (QStringList{"0", "Overview", "Trading", "Movement", "Shipyards",
                                "Special Events", "Strategies", "4"}));
    QVERIFY(g.form->isVisible());
}

void StartupFlowTest::theAboutWindowClosesWithOk() {
    TestGame game;
    QStringList seen;
    whenModalShown([&](QWidget* form) {
        seen << form->objectName() << shownTexts(form, {"Label1", "doneButton"})
             << (label(form, "Image1")->pixmap().isNull() ? "no picture" : "picture");
        click(form, "doneButton");
    });
    trigger(game.main.get(), "anoutMenu");
    QCOMPARE(seen, (QStringList{"aboutForm", "Zenthari Trader", "&OK", "picture"}));
    QVERIFY(!widget(game.main.get(), "aboutForm")->isVisible());
}

QTEST_MAIN(StartupFlowTest)
#include "test_startup_flow.moc"
