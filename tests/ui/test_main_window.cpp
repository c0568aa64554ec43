// The main window before and around a game: menus, commands, sound and closing.
#include "ui/SoundPlayer.h"
#include "ui/support/ui_support.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

// Opens up how a menu draws its entries.
struct MenuLook : QMenu {
    using QMenu::initStyleOption;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void theMenusHoldEveryEntryAndWaitForAGame();
    void soundMenuMovesTheCheckMarkAndSilenceStopsPlaying();
    void closingClosesEveryWindow();
};

void MainWindowTest::theMenusHoldEveryEntryAndWaitForAGame() {
    TestGame game;
    Main* m = game.main.get();
    QVERIFY(!widget(m, "mapImage_7")->isVisible());
    // Entries as "name [shortcut]"; "--" is a separator line.
    const QString expected =
        "newGameMenu [Ctrl+N] -- saveGameMenu [Ctrl+S] openGameMenu [Ctrl+O] -- highScoresMenu "
        "[] -- exitMenu [Ctrl+X] | goMenu [Ctrl+G] -- tradeMenu [Ctrl+T] blackMarketMenu "
        "[Ctrl+Z] -- bankMenu [Ctrl+B] -- repairShieldMenu [Ctrl+R] buyCargoModulesMenu [Ctrl+C] "
        "buyFuelMenu [Ctrl+F] -- buyNewShipMenu [Ctrl+P] | instructionsMenu [] sdSearchMenu [F2] "
        "normalGoodsPricesMenu [] -- anoutMenu [] | soundOnMenu [] soundOffMenu []";
    QStringList menus;
    for (QAction* top : m->menuBar()->actions()) {
        QStringList entries;
        for (QAction* entry : top->menu()->actions())
            entries << (entry->isSeparator()
                            ? QStringLiteral("--")
                            : QStringLiteral("%1 [%2]").arg(entry->objectName(),
                                                            entry->shortcut().toString()));
        menus << entries.join(' ');
    }
    QCOMPARE(menus.join(" | "), expected);
    trigger(m, "goMenu"); // GO before a game changes nothing
    QVERIFY(game.recorder.messages.isEmpty());

    // Commands that need a game wait for one.
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
    QVERIFY(!player->deviceOpened() && on->isChecked()); // on, but nothing opened at start-up
    QTest::failOnWarning(QRegularExpression(".*"));      // no complaint reaches the player
    trigger(m, "soundOffMenu");
    QVERIFY(!on->isChecked() && m->findChild<QAction*>("soundOffMenu")->isChecked());
    // The entry that is on wears a check mark, not a radio bullet.
    QStyleOptionMenuItem look;
    (m->findChild<QMenu*>("soundMenu")->*&MenuLook::initStyleOption)(&look, on);
    QCOMPARE(look.checkType, QStyleOptionMenuItem::NonExclusive);
    m->session().playSound("jet.wav");
    QVERIFY(!player->deviceOpened());
    trigger(m, "soundOnMenu");
    QVERIFY(on->isChecked());
    m->session().playSound("missing.wav");
    m->session().playSound("jet.wav");
    QVERIFY(player->deviceOpened());
    QTRY_VERIFY(player->playing());
    trigger(m, "soundOffMenu");
    m->session().playSound("jet.wav");
    QVERIFY(!player->playing()); // the sound still playing stops
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

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
