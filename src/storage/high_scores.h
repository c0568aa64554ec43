#pragma once
#include "core/game_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

inline constexpr int kHighScoreRows = 3;
inline constexpr int kHighScoreLists = 3;

// One high score list, row 1 the best.
struct HighScoreList {
    OneBased<std::string, kHighScoreRows> names;
    OneBased<std::int32_t, kHighScoreRows> scores;
    bool operator==(const HighScoreList&) const = default;
};

// The three lists, numbered like the game length: 1 long, 2 normal, 3 short games.
using HighScores = OneBased<HighScoreList, kHighScoreLists>;

// The high score file beside the program.
inline constexpr const char* kHighScoresFileName = "Winners.txt";

// Cash less debt plus the cargo at the prices paid for it (not at any market price); summed
// in 64 bits and held to the 32-bit money range.
std::int32_t netWorth(const GameState& state);

// The row a net worth earns: the first whose score it beats (a tie does not beat a row),
// or nothing when it beats none.
std::optional<int> highScoreRow(const HighScoreList& list, std::int32_t netWorth);

// How a finished game meets the lists: its net worth and the row it earns on the list of
// its length (none when it beats no row).
struct FinalScore {
    std::int32_t netWorth = 0;
    std::optional<int> row;
};

// The final score of `state`'s game; nothing when its length has no list.
std::optional<FinalScore> finalScore(const HighScores& scores, const GameState& state);

// Puts a new score at `row`: the rows below move down one and the old row 3 drops out.
void enterHighScore(HighScoreList& list, int row, const std::string& name, std::int32_t score);

// The content of the high score file: nine lines, long games then normal then short, rows
// 1 to 3 each, every line two quoted scrambled fields (the name and the score written with
// a leading blank, or "-" when negative), ended by CR LF.
std::string highScoresFileContent(const HighScores& scores);

// The lists read from a high score file. Every row that reads whole is kept in its place;
// the others stay empty (no name, $0). `damaged` tells a file that is not nine whole rows,
// is far too large, or cannot be read at all; a missing file is not damaged.
struct HighScoresRead {
    HighScores scores;
    bool damaged = false;
};

// Reads the content written by highScoresFileContent, keeping the rows that read whole.
HighScoresRead parseHighScores(std::string_view content);

// Nine of the longest names the end window takes (32,767 characters of up to three bytes,
// doubled by the scrambler) stay well below this; a larger file is damaged and not read.
inline constexpr std::uintmax_t kLargestHighScoresFile = 2 * 1024 * 1024;

// The lists in the file at `path`; empty lists when it is missing.
HighScoresRead readHighScores(const std::string& path);

// What a damaged high score file is kept as, beside it, before the list is next written.
inline constexpr const char* kDamagedCopySuffix = ".damaged";

// Keeps the file at `path` beside it under kDamagedCopySuffix (replacing an earlier copy),
// so that rewriting the list loses nothing the player might still recover. True when it is
// kept, or when there is no file left to keep.
bool keepDamagedHighScores(const std::string& path);

// Replaces the file at `path` whole; on failure the old file is kept and false returned.
bool writeHighScores(const std::string& path, const HighScores& scores);

} // namespace zt
