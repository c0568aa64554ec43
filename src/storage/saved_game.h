#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zt {

// What the player is told when a game cannot be saved or loaded.
inline constexpr const char* kCannotWriteMessage = "Error: Cannot write to file.";
inline constexpr const char* kDamagedFileMessage =
    "Error: Either the file does not exist or it is damadged.";

// The file dialog's filter for saved games.
inline constexpr const char* kSavedGameFilter = "Zenthari Trader Files (*.zht)";

// A saved game holds 1335 lines: the state line, 6 black cargo and 20 cargo lines, 79 lines
// for each of the 16 galaxies, the game length, the Earth time and the 42 map cells.
inline constexpr int kLinesPerGalaxy = 79;
inline constexpr int kSavedGameLines =
    1 + kBlackGoods + kGoods + kGalaxies * kLinesPerGalaxy + 1 + 1 + kCells;

// Why a saved game cannot be played: where its text breaks, or which value the game could
// not run with.
struct DamagedSaveError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The text of a saved game, CR LF lines in the order the game has always written them.
// Throws std::invalid_argument when a galaxy name holds a double quote or a line break.
std::string savedGameText(const GameState& state);

// Reads a saved game into a new state and checks every value the game relies on; throws
// DamagedSaveError. Galaxy names come from the catalogue by map cell, no destination is
// selected, and the Earth time keeps the text that was saved.
GameState readSavedGame(std::string_view content, const Catalogue& catalogue);

// Writes the game to `path`, replacing any earlier file whole or not at all. False when
// the file cannot be written.
bool saveGameFile(const GameState& state, const std::string& path);

// What a load did. The game was replaced only when `loaded` is true; otherwise `problem`
// says why and the game is exactly as it was.
struct LoadOutcome {
    bool loaded = false;
    std::string problem;
};

// Reads, checks and only then puts the saved game at `path` in place of `state`.
LoadOutcome loadGameFile(GameState& state, const Catalogue& catalogue, const std::string& path);

} // namespace zt
