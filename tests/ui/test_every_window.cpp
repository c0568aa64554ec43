// Every window as the game opens it, on a laptop's screen at 150 %: 1920 × 1080 pixels,
// 1280 × 720 for the windows. Each opens whole on the screen, below a title bar, with every
// text, box and list at least the size it asks for and every trading row shown in full; a
// screen reader finds a name for each control a player acts on and each value a player reads,
// and no decorative picture; and Escape closes the command windows.
#include "known_market.h"
#include "ui/endForm.h"
#include "ui/eventForm.h"
#include "ui/irsForm.h"
#include "ui/look.h"
#include "ui/naturalHazardForm.h"
#include "ui/spacePiratesForm.h"
#include "ui/support/command_windows.h"
#include "ui/support/ui_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

// Room a desktop keeps above a window for its title bar.
constexpr int kTitleBar = 32;

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

std::function<void(QWidget*)> doubleClickRow(const char* list, int row = 0) {
    return [list, row](QWidget* window) {
        auto* rows = qobject_cast<QListWidget*>(widget(window, QString::fromLatin1(list)));
        emit rows->itemDoubleClicked(rows->item(row));
    };
}

QString where(const QRect& r) {
    return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// A figure the game fills in: drawn yellow and not a (bold) heading. The event windows'
// yellow texts are their message, read as the window's text.
bool isValueLabel(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->pixmap().isNull() && textColour(label) == kYellow &&
           !label->font().bold() && !qobject_cast<const EventForm*>(label->window());
}

// What a screen reader would miss in `part`: the name of a control or of a value with its
// caption; or a picture it is not told to pass over.
QString unheard(QWidget* part) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(part);
    const QString name = iface->text(QAccessible::Name).trimmed();
    const bool acts = qobject_cast<QAbstractButton*>(part) || (part->focusPolicy() & Qt::TabFocus);
    if (part->objectName().startsWith(QLatin1String("Image")))
        return iface->state().invisible ? QString() : QStringLiteral("is not hidden");
    if (acts && name.isEmpty()) return QStringLiteral("has no name");
    if (isValueLabel(part) && name == qobject_cast<QLabel*>(part)->text().trimmed())
        return QStringLiteral("is read without its caption: ") + name;
    return {};
}

// What a player would miss in `window`, one line each: a part cut off or smaller than it
// asks, or (when `heard`) a part a screen reader cannot tell.
QStringList misfits(QWidget* window, bool heard) {
    QStringList found;
    QRect room = window->screen()->availableGeometry();
    room.setTop(room.top() + kTitleBar);
    if (!room.contains(window->frameGeometry()))
        found << QStringLiteral("frame off the screen: ") + where(window->frameGeometry());
    const QList<QWidget*> parts = window->findChildren<QWidget*>();
    for (QWidget* part : parts) {
        if (!part->isVisibleTo(window) || part->window() != window) continue;
        if (const QString missed = heard ? unheard(part) : QString(); !missed.isEmpty())
            found << part->objectName() + QLatin1Char(' ') + missed;
        const bool shows = qobject_cast<QLabel*>(part) || qobject_cast<QAbstractButton*>(part) ||
                           qobject_cast<QLineEdit*>(part) || qobject_cast<QListWidget*>(part);
        if (!shows) continue;
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
        if (!window->rect().contains(at) || part->width() < wants.width() ||
            part->height() < wants.height() || rowCut)
            found << QStringLiteral("%1 %2, wants %3x%4")
                         .arg(part->objectName(), where(at))
                         .arg(wants.width())
                         .arg(wants.height());
    }
    return found;
}

} // namespace

class EveryWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void fitsTheScreenNamesItsPartsAndEscapes_data();
    void fitsTheScreenNamesItsPartsAndEscapes();
};

void EveryWindowTest::initTestCase() {
    QCOMPARE(QApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1280, 720));
}

void EveryWindowTest::fitsTheScreenNamesItsPartsAndEscapes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<std::function<void(Main&)>>("open");
    QTest::addColumn<bool>("command"); // closed by Escape
    const auto command = [](const char* window, std::function<void(Main&)> open) {
        QTest::newRow(window) << QString::fromLatin1(window) << open << true;
    };
    const auto other = [](const char* window, std::function<void(Main&)> open) {
        QTest::newRow(window) << QString::fromLatin1(window) << open << false;
    };
    // Where a window manager puts it, below its title bar.
    other("Main", [](Main& m) { m.move(0, kTitleBar); });
    other("startupForm", [](Main& m) { m.showStartupForm(); });
    other("startNewGameForm", [](Main& m) { m.startNewGame(); });
    command("tradeForm", button("tradeButton"));
    command("blackMarketForm", button("blackMarketButton"));
    command("purchaseForm",
            inside("tradeForm", doubleClickRow("goodsForSaleList"), button("tradeButton")));
    command("sellForm",
            inside("tradeForm", doubleClickRow("yourInventoryList"), button("tradeButton")));
    command("scrapForm",
            inside("tradeForm", doubleClickRow("yourInventoryList", 1), button("tradeButton")));
    command("blackPurchaseForm", inside("blackMarketForm", doubleClickRow("goodsForSaleList"),
                                        button("blackMarketButton")));
    command("bankForm", button("bankButton"));
    command("buyFuelForm", button("buyFuelButton"));
    command("repairShieldForm", button("repairShieldButton"));
    command("buyNewShipForm", button("buyNewShipButton"));
    command("sdSearchForm", button("sdChartButton"));
    command("normalGoodsPricesForm", menu("normalGoodsPricesMenu"));
    command("blackNormalGoodsPrices",
            inside(
                "blackMarketForm",
                [](QWidget* w) { click(w, QStringLiteral("normalPricesButton")); },
                button("blackMarketButton")));
    command("instructionsForm", menu("instructionsMenu"));
    command("aboutForm", menu("anoutMenu"));
    command("highScoresForm", menu("highScoresMenu"));
    other("Dialog", menu("saveGameMenu"));
    other("naturalHazardForm", shown<NaturalHazardForm>());
    other("spacePiratesForm", shown<SpacePiratesForm>());
    other("irsForm", shown<IrsForm>());
    other("endForm", [](Main& m) {
        static TestRandom colours(1);
        auto* end = new EndForm(m.session(), colours, &m);
        end->showResult(12345678, true);
        end->show();
    });
}

void EveryWindowTest::fitsTheScreenNamesItsPartsAndEscapes() {
    QFETCH(QString, window);
    QFETCH(std::function<void(Main&)>, open);
    QFETCH(bool, command);
    StartedGame s(123456789, 98765432);
    GameState& state = s.main.session().state();
    setKnownMarket(state.galaxies[state.currentGalaxy]);
    state.cargo[2] = {30, 150}; // a good this market buys
    state.cargo[11] = {10, 20}; // and one no market buys
    state.cargoInHold = 40;
    s.main.session().holdingsChanged();

    QStringList found;
    bool seen = false;
    whenShown(window, [&](QWidget* shown) {
        seen = true;
        found = misfits(shown, window != QLatin1String("Dialog")); // Qt's own file dialog

        if (command) {
            QTest::keyClick(shown->focusWidget() ? shown->focusWidget() : shown, Qt::Key_Escape);
            if (shown->isVisible()) found << QStringLiteral("Escape left it open");
        }
        shown->hide();
    });
    open(s.main);
    QTRY_VERIFY(seen);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

// On the offscreen platform's one screen, read from a file named in its argument: 1920 x 1080
// pixels at a scale factor of 1.5.
int main(int argc, char** argv) {
    QTemporaryFile config;
    if (!config.open()) qFatal("no file for the screen");
    const QJsonObject screen{{"name", "laptop"}, {"width", 1920}, {"height", 1080}};
    config.write(QJsonDocument(QJsonObject{{"screens", QJsonArray{screen}}}).toJson());
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    EveryWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_every_window.moc"
