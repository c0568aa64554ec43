// What a screen reader is told about every window: each control a player can act on and each
// value a player reads has a name that says what it is, the pictures are left out, and the
// trade lists' rows read as their fields.
#include "known_market.h"
#include "ui/PriceGuide.h"
#include "ui/aboutForm.h"
#include "ui/bankForm.h"
#include "ui/buyNewShipForm.h"
#include "ui/endForm.h"
#include "ui/eventForm.h"
#include "ui/instructionsForm.h"
#include "ui/irsForm.h"
#include "ui/look.h"
#include "ui/naturalHazardForm.h"
#include "ui/purchaseForm.h"
#include "ui/scrapForm.h"
#include "ui/sdSearchForm.h"
#include "ui/sellForm.h"
#include "ui/shopForm.h"
#include "ui/spacePiratesForm.h"
#include "ui/startNewGameForm.h"
#include "ui/startupForm.h"
#include "ui/support/command_windows.h"
#include "ui/support/ui_support.h"
#include "ui/tradeForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

// A figure the game fills in: drawn yellow and not a (bold) heading. The event windows'
// yellow texts are their message, read as the window's text.
bool isValueLabel(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->pixmap().isNull() && textColour(label) == kYellow &&
           !label->font().bold() && !qobject_cast<const EventForm*>(label->window());
}

// The controls of `window` (and its menus) a screen reader cannot name, as "window/control";
// and pictures it is not told to pass over.
QStringList unnamed(QWidget* window) {
    QStringList faults;
    const auto fault = [&](const QObject* o, const QString& what) {
        faults << window->objectName() + '/' + o->objectName() + ' ' + what;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (w->objectName().startsWith(QLatin1String("Image"))) {
            if (!iface->state().invisible) fault(w, QStringLiteral("is not hidden"));
            continue;
        }
        const bool acts = qobject_cast<QAbstractButton*>(w) || (w->focusPolicy() & Qt::TabFocus);
        const QString name = iface->text(QAccessible::Name).trimmed();
        if (acts && name.isEmpty()) fault(w, QStringLiteral("has no name"));
        if (isValueLabel(w) && name == qobject_cast<QLabel*>(w)->text().trimmed())
            fault(w, QStringLiteral("is read without its caption: ") + name);
    }
    const auto unnamedEntry = [&](QAction* a) {
        if (!a->isSeparator() && a->text().remove('&').isEmpty())
            fault(a, QStringLiteral("has no name"));
    };
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* entry : bar->actions()) {
            unnamedEntry(entry);
            for (QAction* a : entry->menu()->actions())
                unnamedEntry(a);
        }
    return faults;
}

} // namespace

class ScreenReaderNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowNamesWhatThePlayerActsOnAndReads();
    void tradeRowsReadAsTheirFieldsUnderTheirHeading();
};

void ScreenReaderNamesTest::everyWindowNamesWhatThePlayerActsOnAndReads() {
    StartedGame g;
    Main& m = g.main;
    GameSession& s = m.session();
    const QString pictures = s.dataFolder() + QStringLiteral("/Graphics/");
    const QList<QWidget*> windows = {
        &m,
        new TradeForm(s, &m, MarketKind::tradingPost),
        new TradeForm(s, &m, MarketKind::blackMarket),
        new PurchaseForm(s, MarketKind::tradingPost, &m),
        new SellForm(s, MarketKind::blackMarket, &m),
        new ScrapForm(s, &m),
        new BankForm(s, &m),
        new ShopForm(s, &m, kBuyFuelForm),
        new ShopForm(s, &m, kRepairShieldForm),
        new BuyNewShipForm(s, &m),
        new SdSearchForm(s, &m),
        new EndForm(s, g.game.rng, &m),
        new NaturalHazardForm(s, &m),
        new SpacePiratesForm(s, &m),
        new IrsForm(s, &m),
        new StartNewGameForm(&m),
        new StartupForm(pictures + "startup.jpg", &m),
        new AboutForm(pictures + "about.jpg", &m),
        new InstructionsForm(s.catalogue(), &m),
    };
    QStringList faults;
    for (QWidget* window : windows)
        faults += unnamed(window);
    // The guides and the high scores as they open, with their rows filled in.
    for (const char* menu : {"normalGoodsPricesMenu", "highScoresMenu"}) {
        whenModalShown([&](QWidget* window) {
            faults += unnamed(window);
            window->hide();
        });
        trigger(&m, menu);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void ScreenReaderNamesTest::tradeRowsReadAsTheirFieldsUnderTheirHeading() {
    StartedGame g;
    GameState& state = g.main.session().state();
    setKnownMarket(state.galaxies[3]);
    state.cargo[2] = {30, 20};
    state.cargoInHold = 30;
    const Catalogue& c = g.main.session().catalogue();
    const auto good = [&](int i) { return QString::fromStdString(c.goodsNames[i]); };
    const struct {
        const char* list;
        QString heading, firstRow;
    } rows[] = {
        {"goodsForSaleList", "Goods For Sale", good(5) + ", cost 30, quantity 50"},
        {"goodsWantedList", "Goods Wanted", good(1) + ", cost 100, quantity 100"},
        {"yourInventoryList", "Your Inventory", good(2) + ", bought at 20, quantity 30"},
    };
    playInWindow(g.main, "tradeButton", [&](QWidget* trade) {
        for (const auto& r : rows) {
            QAccessibleInterface* list =
                QAccessible::queryAccessibleInterface(widget(trade, r.list));
            QCOMPARE(list->text(QAccessible::Name), r.heading);
            QCOMPARE(list->childCount(),
                     qobject_cast<QListWidget*>(widget(trade, r.list))->count());
            QAccessibleInterface* row = list->child(0);
            QCOMPARE(row->text(QAccessible::Name), r.firstRow);
            QCOMPARE(row->role(), QAccessible::ListItem);
            QCOMPARE(list->indexOfChild(row), 0);
            QCOMPARE(row->parent(), list);
        }
    });
}

QTEST_MAIN(ScreenReaderNamesTest)
#include "test_screen_reader_names.moc"
