#include "storage/file_io.h"
#include "storage/saved_game.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::shippedCatalogue;

// A game some flights in: negative cash, debt, normal and black cargo, a smaller tank than
// the ship holds and a one-decimal Earth time.
GameState playedGame() {
    GameState s = test::startedGame();
    s.currentGalaxy = 9;
    s.cash = -1234, s.debt = 56789;
    s.shipType = 2, s.fuel = 37, s.shields = 12;
    s.cargo[6] = {7, 20001};
    s.blackCargo[2] = {3, 4567};
    s.cargoInHold = 10;
    s.endYear = 2700, s.gameLength = 2;
    s.earthTime = *EarthTime::fromText("2345.5");
    return s;
}

// The file line (from 1) of value `offset` (1..79) of galaxy g's block.
int galaxyLine(int g, int offset) {
    return 1 + kBlackGoods + kGoods + (g - 1) * kLinesPerGalaxy + offset;
}
constexpr int kNameOffset = 21, kColumnOffset = 23;
constexpr int kGameLengthLine = kSavedGameLines - kCells - 1;
constexpr int kTimeLine = kSavedGameLines - kCells;

// The played game's file with line `line` (from 1) replaced by `text`.
std::string playedGameWith(int line, const std::string& text) {
    std::vector<std::string> lines = test::crlfLines(savedGameText(playedGame()));
    lines.at(static_cast<std::size_t>(line - 1)) = text;
    return test::crlfJoined(lines);
}

// That a game the rules reach saves and loads as itself is proved by the soak after every
// command and by the saved game fuzz target; the layout that earlier saves rely on is here.
TEST(SavedGame, WritesTheLinesInTheGamesOrder) {
    const GameState s = playedGame();
    const std::string text = savedGameText(s);
    const std::vector<std::string> lines = test::crlfLines(text);
    ASSERT_EQ(static_cast<int>(lines.size()), 1335);
    EXPECT_EQ(test::crlfJoined(lines), text); // every line, the last included, ends with CR LF
    EXPECT_EQ(lines[0], "9,-1234,56789,37,12,10,2");
    EXPECT_EQ(lines[1 + kBlackGoods + 5], "20001,7"); // black goods first, price first
    const auto at = [&lines](int offset) { return lines[galaxyLine(4, offset) - 1]; };
    EXPECT_EQ(at(kNameOffset) + at(kNameOffset + 1) + at(kColumnOffset),
              "\"Borak\"" + std::to_string(s.galaxies[4].row) +
                  std::to_string(s.galaxies[4].column));
    EXPECT_EQ(lines[kGameLengthLine - 1], "2700,2");
    EXPECT_EQ(lines[kTimeLine - 1], "\"2345.5\"");
    EXPECT_EQ(lines[kTimeLine + 24 - 1], "4"); // map cell 24
}

TEST(SavedGameFile, ReplacesAnEarlierFileAndLoadsTheEdgesOfWhatTheGameReaches) {
    const test::TempDir dir;
    const std::string file = dir / "my game"; // the chosen name is used unchanged
    ASSERT_TRUE(writeFileAtomically(file, "an older game"));
    GameState full = playedGame(); // a full ship of the largest kind, money at its limits
    full.shipType = 7, full.fuel = full.shields = full.cargoInHold = 10000;
    full.cargo[6].quantity = 9997;
    full.cash = INT32_MIN, full.debt = INT32_MAX;
    Galaxy& cheap = full.galaxies[2]; // prices are drawn from $1 up
    cheap.supplyPrice[1] = cheap.blackSupplyPrice[1] = 1;
    cheap.demandPrice[cheap.demands[1]] = cheap.blackDemandPrice[cheap.blackDemands[1]] = 1;
    ASSERT_TRUE(saveGameFile(full, file));
    GameState state;
    const LoadOutcome outcome = loadGameFile(state, shippedCatalogue(), file);
    EXPECT_TRUE(outcome.loaded) << outcome.problem;
    EXPECT_EQ(state, full);

    // A text the file cannot hold is refused before the earlier file is touched.
    GameState quoted = playedGame();
    quoted.galaxies[1].name = "The \"Far\" One";
    EXPECT_FALSE(saveGameFile(quoted, file));
    EXPECT_TRUE(readWholeFile(file) == savedGameText(full));
    EXPECT_EQ(dir.entries(), 1);
}

TEST(SavedGameFile, ADamagedFileIsRefusedWithItsReasonAndLeavesTheGameAsItWas) {
    const test::TempDir dir;
    const std::vector<std::string> good = test::crlfLines(savedGameText(playedGame()));
    const auto first = [](const char* text) { return playedGameWith(1, text); };
    const int wanted = playedGame().galaxies[5].demands[1];
    const std::string file = dir / "damaged.zht";
    const std::pair<std::string, std::string> damages[] = {
        {test::crlfJoined({good.begin(), good.begin() + kGameLengthLine - 1}),
         "line 1292, value 1: the file ends early"},
        {first("9,-12x4,56789,37,12,10,2"), "line 1, value 2: not a number"},
        {playedGameWith(2, "0"), "line 2, value 2: missing value"},
        {first("9,-1234,56789,37,12,10,8"), "no such ship"},
        {first("9,-1234,56789,37,12,32,2"), "the hold count differs from the cargo aboard"},
        {playedGameWith(kGameLengthLine, "2700,3"),
         "the end year does not go with the game length"},
        {playedGameWith(galaxyLine(5, 39 + 2 * wanted), "0"),
         "galaxy 5 buys at an impossible price"},
        {playedGameWith(galaxyLine(6, kColumnOffset), "1"),
         "galaxy 6 is not where the map draws it"},
        {playedGameWith(kTimeLine, "\"soon\""), "the Earth time \"soon\" is no year"},
    };
    GameState before = test::startedGame();
    before.selectedCell = 9;
    const auto expectRefused = [&before](const std::string& path, const std::string& problem) {
        GameState state = before;
        const LoadOutcome outcome = loadGameFile(state, shippedCatalogue(), path);
        EXPECT_FALSE(outcome.loaded) << problem;
        EXPECT_EQ(outcome.problem, problem);
        EXPECT_EQ(state, before) << problem;
    };
    for (const auto& [content, problem] : damages) {
        ASSERT_TRUE(writeFileAtomically(file, content));
        expectRefused(file, problem);
    }
    expectRefused(dir / "missing.zht", dir / "missing.zht is not a file that can be read");
    std::filesystem::resize_file(file, 64 * 1024 * 1024); // refused without reading it all
    expectRefused(file, file + " is far too large for a saved game");
}

} // namespace
} // namespace zt
