#include "ui/support/ui_support.h"

#include "core/flight_draws.h"
#include "ui/look.h"
#include "ui/map_widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace zt::test {

ProgramFolder::ProgramFolder() {
    const QDir data(QStringLiteral(ZT_DATA_DIR));
    for (const char* name : {"strings.txt", "Graphics", "Sounds"})
        QFile::link(data.filePath(QString::fromLatin1(name)),
                    dir_.filePath(QString::fromLatin1(name)));
    QFile::copy(data.filePath(QStringLiteral("Winners.txt")),
                dir_.filePath(QStringLiteral("Winners.txt")));
    QFile::setPermissions(dir_.filePath(QStringLiteral("Winners.txt")),
                          QFile::ReadOwner | QFile::WriteOwner);
}

float TestRandom::next() {
    if (queued_.empty()) return seeded_.next();
    const float r = queued_.front();
    queued_.pop_front();
    return r;
}

void queueEventFlight(TestRandom& rng, std::array<int, 3> rolls,
                      std::array<std::vector<float>, 3> draws, int trendRoll) {
    ScriptedRandom flight;
    addFlightDraws(flight, trendRoll, rolls[0], rolls[1], rolls[2]);
    while (flight.remaining() > 3)
        rng.queue(flight.next());
    for (const auto& windowDraws : draws) {
        rng.queue(flight.next());
        for (float r : windowDraws)
            rng.queue(r);
    }
}

MessageRecorder::MessageRecorder() {
    setMessageSinkForTests(this);
}

MessageRecorder::~MessageRecorder() {
    setMessageSinkForTests(nullptr);
}

void MessageRecorder::message(QWidget*, const QString& text) {
    messages << text;
    if (onMessage) onMessage(text);
}

TestGame::TestGame(std::uint32_t seed) : rng(seed) {
    main = std::make_unique<Main>(folder.folders(), rng);
    main->show();
}

TestGame::~TestGame() = default;

namespace {

// Polls every 10 ms until `find` gives a window on show and runs `callback` with it; five
// seconds without one fail the test with `missing`.
void whenFound(std::function<QWidget*()> find, std::function<void(QWidget*)> callback,
               const QString& missing) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* window = find();
        if (window && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            callback(window);
            return;
        }
        if (++*waited > 500) {
            timer->stop();
            timer->deleteLater();
            QFAIL(qPrintable(missing));
        }
    });
    timer->start(10);
}

} // namespace

void whenModalShown(std::function<void(QWidget*)> callback) {
    whenFound(&QApplication::activeModalWidget, std::move(callback),
              QStringLiteral("no modal window was shown"));
}

void whenShown(const QString& name, std::function<void(QWidget*)> callback) {
    const auto named = [name]() -> QWidget* {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == name && window->isVisible()) return window;
        return nullptr;
    };
    whenFound(named, std::move(callback), name + QStringLiteral(" was not shown"));
}

void startGame(Main& main, const QString& option) {
    whenModalShown([option](QWidget* form) {
        qobject_cast<QAbstractButton*>(widget(form, option))->setChecked(true);
        click(form, QStringLiteral("beginNewGameButton"));
    });
    main.startNewGame();
}

void placeGalaxies(Main& main, const std::array<int, 16>& cells) {
    GameState& s = main.session().state();
    s.cellGalaxy.fill(0);
    for (int g = 1; g <= kGalaxies; ++g) {
        const int cell = cells[static_cast<std::size_t>(g - 1)];
        s.galaxies[g].column = static_cast<std::int16_t>(cellColumn(cell));
        s.galaxies[g].row = static_cast<std::int16_t>(cellRow(cell));
        s.cellGalaxy[cell] = static_cast<std::int16_t>(g);
    }
    emit main.session().layoutChanged();
}

void startKnownGame(Main& main) {
    startGame(main);
    placeGalaxies(main, kKnownLayout);
}

QWidget* widget(QObject* root, const QString& name) {
    auto* w = root->findChild<QWidget*>(name);
    if (!w) qWarning("no widget named %s", qPrintable(name));
    return w;
}

QLabel* label(QObject* root, const QString& name) {
    return qobject_cast<QLabel*>(widget(root, name));
}

QString labelText(QObject* root, const QString& name) {
    return label(root, name)->text();
}

QColor labelColour(QObject* root, const QString& name) {
    return textColour(label(root, name));
}

QStringList shownTexts(QObject* root, const QStringList& names) {
    QStringList seen;
    for (const QString& name : names) {
        const QWidget* w = widget(root, name);
        const QVariant text = w->property("text");
        seen << (text.isValid() ? text : w->property("title")).toString();
    }
    return seen;
}

QStringList listRows(QObject* root, const QString& name) {
    QStringList rows;
    auto* list = qobject_cast<QListWidget*>(widget(root, name));
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

bool isChecked(QObject* root, const QString& name) {
    return qobject_cast<QAbstractButton*>(widget(root, name))->isChecked();
}

void click(QObject* root, const QString& name) {
    QWidget* w = widget(root, name);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->click();
    } else {
        QTest::mouseClick(w, Qt::LeftButton);
    }
}

void trigger(QObject* root, const QString& name) {
    auto* action = root->findChild<QAction*>(name);
    if (!action) qWarning("no menu entry named %s", qPrintable(name));
    action->trigger();
}

QStringList visibleOutlines(Main& main) {
    QStringList shown;
    for (int i = 0; i < kCells; ++i) {
        auto* box = qobject_cast<Outline*>(widget(&main, QStringLiteral("mapOutline_%1").arg(i)));
        if (box->isVisible())
            shown << QStringLiteral("%1 %2").arg(i).arg(box->borderColour().name());
    }
    return shown;
}

} // namespace zt::test
