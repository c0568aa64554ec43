#pragma once
// Random play of the rules core, as a player at the windows would play it: every command,
// with the amounts typed into the amount boxes (legal or not), flights with every answer to
// every event, ends of game, new games and saved games. After every command the promises of
// the rules are checked. The soak drives it from a seed; a fuzz target from its input.
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "market/trading.h"
#include "storage/high_scores.h"

#include <cstdint>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

namespace zt::play {

// Where the player's choices come from: a whole number from 0 to count − 1 per call.
class Chooser {
  public:
    virtual ~Chooser() = default;
    virtual int pick(int count) = 0;
};

// The player's choices from a seed, so that a seed plays the same game again.
class SeededChooser final : public Chooser {
  public:
    explicit SeededChooser(std::uint64_t seed) : engine_(seed) {}
    int pick(int count) override {
        return static_cast<int>(engine_() % static_cast<std::uint64_t>(count));
    }

  private:
    std::mt19937_64 engine_;
};

// A promise of the rules that a command broke; the message says which and how.
struct Broken : std::logic_error {
    using std::logic_error::logic_error;
};

// The first promise of the game state that `state` breaks, or nothing: a known ship and
// galaxy, fuel and shields within the ship's, a hold count equal to the cargo aboard, no
// negative cargo or price paid, the end year of the game length, every market's lists
// distinct, in range and disjoint with nothing kept for a good not demanded, no negative
// offer or want and no price below $1, and every galaxy in the map cell that draws it.
std::optional<std::string> brokenInvariant(const GameState& state, const Catalogue& catalogue);

class RandomPlayer {
  public:
    RandomPlayer(const Catalogue& catalogue, Chooser& chooser, RandomSource& draws);

    // A new game of a chosen length; one time in four the game is then saved with a fortune
    // (up to the 32-bit limit) and loaded, as a player may load any file that reads.
    std::string startGame();
    // Goes on from a game loaded from a saved game.
    void startFrom(const GameState& loaded);
    // Plays one command and checks every promise afterwards; throws Broken.
    std::string playOne();

    const GameState& state() const { return state_; }
    // Counted since the start, so that a run can say what it covered.
    struct Counts {
        long commands = 0, refused = 0, flights = 0, events = 0, shipsLost = 0, overFullMoves = 0,
             overFull = 0, gamesEnded = 0, highScores = 0, reloads = 0;
    };
    const Counts& counts() const { return counts_; }
    long gameNumber() const { return games_; }

  private:
    class FlightCalls;

    std::string trade();
    std::string buyFrom(MarketKind kind);
    std::string sellTo(MarketKind kind);
    std::string bank();
    std::string shop();
    std::string shipyard();
    std::string flight();
    std::string reload();
    std::string endOfGame();

    std::string typedAmount(std::int64_t maximum);
    bool smart() { return chooser_.pick(2) == 0; }
    void expect(bool holds, const std::string& what) const;
    void expectUnchanged(const GameState& before, const std::string& command);
    std::string refused(const GameState& before, const std::string& command);
    void checkRoundTrip();

    const Catalogue& catalogue_;
    Chooser& chooser_;
    RandomSource& draws_;
    GameState state_;
    GameState roundTripped_; // the state last saved and loaded
    HighScores highScores_;
    Counts counts_;
    long games_ = 0;
};

} // namespace zt::play
