#pragma once
// Helpers that keep every window test short: a main window over its own program folder and
// random source, answers to modal windows, recorded messages and beeps, and small lookups.
#include "core/random.h"
#include "ui/GameSession.h"
#include "ui/Main.h"
#include "ui/messages.h"

#include <QColor>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace zt::test {

// A program folder for one test: the shipped strings table, Graphics and Sounds linked in,
// and a copy of the default Winners.txt that the test may change.
class ProgramFolder {
  public:
    ProgramFolder();
    QString path() const { return dir_.path(); }
    // The game's files, all beside the program in this folder.
    GameFolders folders() const { return GameFolders::besideProgram(dir_.path().toStdString()); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

  private:
    QTemporaryDir dir_;
};

// Draws queued by the test come first; after them, draws of a seeded source.
class TestRandom : public RandomSource {
  public:
    explicit TestRandom(std::uint32_t seed) : seeded_(seed) {}
    float next() override;
    void queue(float r) { queued_.push_back(r); }
    std::size_t queued() const { return queued_.size(); }

  private:
    ClockRandom seeded_;
    std::deque<float> queued_;
};

// Queues one flight to the galaxy picked with the hazard, pirates and IRS rolls (1..100) of
// `rolls`, each followed by the draws of its window in `draws`, after the trends roll.
void queueEventFlight(TestRandom& rng, std::array<int, 3> rolls,
                      std::array<std::vector<float>, 3> draws, int trendRoll = 50);

// Messages and beeps recorded instead of shown while this object lives. `onMessage`, when
// set, runs as each message is recorded (the moment the box would be on screen).
class MessageRecorder : public MessageSink {
  public:
    MessageRecorder();
    ~MessageRecorder() override;
    void message(QWidget* parent, const QString& text) override;
    void beep() override { ++beeps; }

    QStringList messages;
    int beeps = 0;
    std::function<void(const QString&)> onMessage;
};

// A main window over its own folder and random source, with messages recorded.
struct TestGame {
    explicit TestGame(std::uint32_t seed = 1);
    ~TestGame();
    ProgramFolder folder;
    TestRandom rng;
    MessageRecorder recorder;
    std::unique_ptr<Main> main;
};

// Runs `callback` with the next modal window (dialog or message box) once it is shown;
// polled from a timer, so the test then opens the window and blocks in it as a player would.
// A window that never shows fails the test.
void whenModalShown(std::function<void(QWidget*)> callback);
// The same for the window named `name`, modal or not.
void whenShown(const QString& name, std::function<void(QWidget*)> callback);

// Starts a new game through the game-length window, choosing `option`.
void startGame(Main& main, const QString& option = QStringLiteral("shortOption"));

// Moves galaxy g to map cell cells[g − 1] and redraws the map: a game with a known layout.
void placeGalaxies(Main& main, const std::array<int, 16>& cells);

// A layout for tests: galaxy 3 (the start) on cell 8 (index 7); galaxy 5 beside it on cell 9
// (index 8, distance 1), galaxy 6 diagonally on cell 15 (index 14, √2), galaxy 7 in the far
// corner, cell 42 (index 41, √41).
inline constexpr std::array<int, 16> kKnownLayout = {1, 2, 8, 3,  9,  15, 42, 4,
                                                     5, 6, 7, 10, 11, 12, 13, 14};

// A short game started through the game-length window, with the known layout.
void startKnownGame(Main& main);

// Lookups by objectName; a missing object fails the test through a null pointer check.
QWidget* widget(QObject* root, const QString& name);
QLabel* label(QObject* root, const QString& name);
QString labelText(QObject* root, const QString& name);
QColor labelColour(QObject* root, const QString& name);
// What the player reads on the controls `names` of `root`: a caption, a box's or a button's
// text, or a frame's title.
QStringList shownTexts(QObject* root, const QStringList& names);
// The rows of the list `name` of `root`.
QStringList listRows(QObject* root, const QString& name);
// Whether the option or check box `name` of `root` is checked.
bool isChecked(QObject* root, const QString& name);
// Clicks a button, or a map picture, by its objectName.
void click(QObject* root, const QString& name);
// Chooses a menu entry by its objectName.
void trigger(QObject* root, const QString& name);
// The boxes on show on the map, as "index colour" ("7 #ff0000"), by index.
QStringList visibleOutlines(Main& main);

} // namespace zt::test
