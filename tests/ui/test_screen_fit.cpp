// Every window on a laptop's screen at 150 %: 1920 × 1080 pixels, 1280 × 720
// for the windows. Each opens whole on the screen, below a title bar, with every text, box and
// list at least the size it asks for and every trading row shown in full.
#include "known_market.h"
#include "ui/endForm.h"
#include "ui/irsForm.h"
#include "ui/naturalHazardForm.h"
#include "ui/spacePiratesForm.h"
#include "ui/support/command_windows.h"
#include "ui/support/ui_support.h"
#include "ui/support/virtual_screen.h"

#include <QAbstractButton>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTimer>

using namespace zt;
using namespace zt::test;

namespace {

// Room a desktop keeps above a window for its title bar.
constexpr int kTitleBar = 32;

// Runs `callback` once with the window named `name` when it is on show.
void whenShown(const QString& name, std::function<void(QWidget*)> callback) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, callback] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != name || !window->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            callback(window);
            return;
        }
    });
    timer->start(10);
}

// Opens the window `inner` from inside the window `outer` opened by `open`.
std::function<void(Main&)> inside(const char* outer, std::function<void(QWidget*)> act,
                                  std::function<void(Main&)> open) {
    return [=](Main& m) {
        whenShown(QString::fromLatin1(outer), [act](QWidget* window) {
            act(window);
            window->hide();
        });
        open(m);
    };
}

std::function<void(Main&)> button(const char* name) {
    return [name](Main& m) { click(&m, QString::fromLatin1(name)); };
}

std::function<void(Main&)> menu(const char* name) {
    return [name](Main& m) { trigger(&m, QString::fromLatin1(name)); };
}

template <class Form> std::function<void(Main&)> shown() {
    return [](Main& m) { (new Form(m.session(), &m))->show(); };
}

std::function<void(QWidget*)> doubleClickRow(const char* list) {
    return [list](QWidget* window) {
        auto* rows = qobject_cast<QListWidget*>(widget(window, QString::fromLatin1(list)));
        emit rows->itemDoubleClicked(rows->item(0));
    };
}

// What does not fit in `window`, one line each.
QStringList misfits(QWidget* window) {
    QStringList found;
    QRect room = window->screen()->availableGeometry();
    room.setTop(room.top() + kTitleBar);
    const QRect frame = window->frameGeometry();
    if (!room.contains(frame))
        found << QStringLiteral("frame %1,%2 %3x%4 off the screen")
                     .arg(frame.x())
                     .arg(frame.y())
                     .arg(frame.width())
                     .arg(frame.height());
    const QList<QWidget*> parts = window->findChildren<QWidget*>();
    for (QWidget* part : parts) {
        const bool shows = qobject_cast<QLabel*>(part) || qobject_cast<QAbstractButton*>(part) ||
                           qobject_cast<QLineEdit*>(part) || qobject_cast<QListWidget*>(part);
        if (!shows || !part->isVisibleTo(window) || part->window() != window) continue;
        const QRect at(part->mapTo(window, QPoint()), part->size());
        // Sized on purpose smaller than it asks (the file dialog's tool buttons).
        QSize wants = part->minimumSizeHint().expandedTo(part->minimumSize());
        wants = wants.boundedTo(part->maximumSize());
        if (part->hasHeightForWidth()) wants.setHeight(part->heightForWidth(part->width()));
        bool rowCut = false;
        if (const auto* list = qobject_cast<QListWidget*>(part))
            for (int i = 0; i < list->count(); ++i)
                rowCut = rowCut ||
                         list->fontMetrics().horizontalAdvance(list->item(i)->text().trimmed()) >
                             list->viewport()->width() - 4;
        const bool cut = !window->rect().contains(at) || part->width() < wants.width() ||
                         part->height() < wants.height() || rowCut;
        if (cut)
            found << QStringLiteral("%1 %2x%3 at %4,%5, wants %6x%7")
                         .arg(part->objectName() + QLatin1Char(':') +
                                  QString::fromLatin1(part->metaObject()->className()),
                              QString::number(part->width()), QString::number(part->height()),
                              QString::number(at.x()), QString::number(at.y()),
                              QString::number(wants.width()), QString::number(wants.height()));
    }
    return found;
}

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void everyWindowFitsTheScreen_data();
    void everyWindowFitsTheScreen();
    void theMainWindowFitsTheScreen();
};

void ScreenFitTest::initTestCase() {
    QCOMPARE(QApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1280, 720));
}

void ScreenFitTest::everyWindowFitsTheScreen_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<std::function<void(Main&)>>("open");
    const auto row = [](const char* window, std::function<void(Main&)> open) {
        QTest::newRow(window) << QString::fromLatin1(window) << open;
    };
    row("startupForm", [](Main& m) { m.showStartupForm(); });
    row("startNewGameForm", [](Main& m) { m.startNewGame(); });
    row("tradeForm", button("tradeButton"));
    row("blackMarketForm", button("blackMarketButton"));
    row("purchaseForm",
        inside("tradeForm", doubleClickRow("goodsForSaleList"), button("tradeButton")));
    row("sellForm",
        inside("tradeForm", doubleClickRow("yourInventoryList"), button("tradeButton")));
    row("blackPurchaseForm",
        inside("blackMarketForm", doubleClickRow("goodsForSaleList"), button("blackMarketButton")));
    row("bankForm", button("bankButton"));
    row("buyFuelForm", button("buyFuelButton"));
    row("repairShieldForm", button("repairShieldButton"));
    row("buyNewShipForm", button("buyNewShipButton"));
    row("sdSearchForm", button("sdChartButton"));
    row("normalGoodsPricesForm", menu("normalGoodsPricesMenu"));
    row("blackNormalGoodsPrices",
        inside(
            "blackMarketForm", [](QWidget* w) { click(w, QStringLiteral("normalPricesButton")); },
            button("blackMarketButton")));
    row("instructionsForm", menu("instructionsMenu"));
    row("aboutForm", menu("anoutMenu"));
    row("highScoresForm", menu("highScoresMenu"));
    row("Dialog", menu("saveGameMenu"));
    row("naturalHazardForm", shown<NaturalHazardForm>());
    row("spacePiratesForm", shown<SpacePiratesForm>());
    row("irsForm", shown<IrsForm>());
    row("endForm", [](Main& m) {
        static TestRandom colours(1);
        auto* end = new EndForm(m.session(), colours, &m);
        end->showResult(12345678, true);
        end->show();
    });
}

void ScreenFitTest::everyWindowFitsTheScreen() {
    QFETCH(QString, window);
    QFETCH(std::function<void(Main&)>, open);
    StartedGame s(123456789, 98765432);
    GameState& state = s.main.session().state();
    setKnownMarket(state.galaxies[state.currentGalaxy]);
    state.cargo[2] = {30, 150}, state.cargoInHold = 30; // a good this market buys
    s.main.session().holdingsChanged();

    QStringList found;
    bool seen = false;
    whenShown(window, [&](QWidget* shown) {
        seen = true;
        found = misfits(shown);
        shown->hide();
    });
    open(s.main);
    QTRY_VERIFY(seen);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

void ScreenFitTest::theMainWindowFitsTheScreen() {
    TestGame game;
    startKnownGame(*game.main);
    game.main->move(0, kTitleBar); // where a window manager puts it, below its title bar
    QApplication::processEvents();
    const QStringList found = misfits(game.main.get());
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

ZT_TEST_MAIN_ON_SCREEN(ScreenFitTest, 1280, 720, 1.5)
#include "test_screen_fit.moc"
