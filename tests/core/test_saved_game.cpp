#include "storage/file_io.h"
#include "storage/saved_game.h"
#include "support.h"

#include <gtest/gtest.h>

#include <functional>

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
constexpr int kRowOffset = 22, kColumnOffset = 23, kNameOffset = 21;
constexpr int kGameLengthLine = kSavedGameLines - kCells - 1;
constexpr int kTimeLine = kSavedGameLines - kCells;
int cellLine(int cell) {
    return kTimeLine + cell;
}

// That a game the rules reach saves and loads as itself, its selection dropped, is proved by
// the soak after every command and by the saved game fuzz target; the edges it seldom
// reaches are below.

TEST(SavedGame, WritesTheLinesInTheGamesOrder) {
    const GameState s = playedGame();
    const std::string text = savedGameText(s);
    const std::vector<std::string> lines = test::crlfLines(text);
    ASSERT_EQ(static_cast<int>(lines.size()), 1335);
    EXPECT_EQ(test::crlfJoined(lines), text); // every line, the last included, ends with CR LF

    EXPECT_EQ(lines[0], "9,-1234,56789,37,12,10,2");
    EXPECT_EQ(lines[1 + 1], "4567,3"); // black goods first, price before quantity
    EXPECT_EQ(lines[1 + kBlackGoods + 5], "20001,7");
    const Galaxy& g4 = s.galaxies[4];
    const auto at = [&lines](int offset) { return lines[galaxyLine(4, offset) - 1]; };
    EXPECT_EQ(at(1), std::to_string(g4.blackDemands[1]));
    EXPECT_EQ(at(kNameOffset), "\"Borak\"");
    EXPECT_EQ(at(kRowOffset) + at(kColumnOffset),
              std::to_string(g4.row) + std::to_string(g4.column));
    EXPECT_EQ(at(78), std::to_string(g4.demandQuantity[20]));
    EXPECT_EQ(lines[kGameLengthLine - 1], "2700,2");
    EXPECT_EQ(lines[kTimeLine - 1], "\"2345.5\"");
    EXPECT_EQ(lines[cellLine(24) - 1], "4");
    EXPECT_EQ(lines[cellLine(1) - 1], "0");
}

TEST(SavedGame, GalaxyNamesComeFromTheCatalogueByMapCell) {
    std::vector<std::string> lines = test::crlfLines(savedGameText(playedGame()));
    lines[galaxyLine(7, kNameOffset) - 1] = "\"Somewhere Else\"";
    EXPECT_EQ(readSavedGame(test::crlfJoined(lines), shippedCatalogue()).galaxies[7].name, "Chu'a");
}

TEST(SavedGame, StatesAtTheEdgesOfWhatTheGameReachesLoad) {
    const std::pair<const char*, std::function<void(GameState&)>> cases[] = {
        {"an empty tank and no shields", [](GameState& s) { s.fuel = s.shields = 0; }},
        {"a full ship of the largest kind",
         [](GameState& s) {
             s.shipType = 7, s.fuel = s.shields = s.cargoInHold = 10000;
             s.cargo[6].quantity = 9997;
         }},
        {"a whole-year Earth time",
         [](GameState& s) { s.earthTime = *EarthTime::fromText("3501"); }},
        {"money at the 32-bit limits",
         [](GameState& s) { s.cash = INT32_MIN, s.debt = INT32_MAX; }},
    };
    for (const auto& [what, change] : cases) {
        GameState s = playedGame();
        change(s);
        EXPECT_NO_THROW(EXPECT_EQ(readSavedGame(savedGameText(s), shippedCatalogue()), s)) << what;
    }
}

TEST(SavedGameFile, SaveReplacesAnEarlierFileAndLoadsBack) {
    const test::TempDir dir;
    const std::string file = dir / "my game"; // the chosen name is used unchanged
    ASSERT_TRUE(writeFileAtomically(file, "an older game"));
    ASSERT_TRUE(saveGameFile(playedGame(), file));
    GameState state;
    const LoadOutcome outcome = loadGameFile(state, shippedCatalogue(), file);
    EXPECT_TRUE(outcome.loaded) << outcome.problem;
    EXPECT_EQ(state, playedGame());

    // A text the file cannot hold is refused before the earlier file is touched.
    GameState quoted = playedGame();
    quoted.galaxies[1].name = "The \"Far\" One";
    EXPECT_FALSE(saveGameFile(quoted, file));
    EXPECT_EQ(readWholeFile(file), savedGameText(playedGame()));
    EXPECT_EQ(dir.entries(), 1);
}

TEST(SavedGameFile, ADamagedFileIsRefusedAndLeavesTheGameAsItWas) {
    const test::TempDir dir;
    const std::vector<std::string> good = test::crlfLines(savedGameText(playedGame()));
    const auto with = [&good](int line, const std::string& text) {
        std::vector<std::string> lines = good;
        lines.at(static_cast<std::size_t>(line - 1)) = text;
        return test::crlfJoined(lines);
    };
    const auto first = [&with](const char* text) { return with(1, text); };
    const int wanted = playedGame().galaxies[5].demands[1];
    const int blackWanted = playedGame().galaxies[5].blackDemands[1];
    const std::tuple<const char*, std::string, const char*> damages[] = {
        {"cut short after the galaxies",
         test::crlfJoined(
             std::vector<std::string>(good.begin(), good.begin() + kGameLengthLine - 1)),
         "line 1292, value 1: the file ends early"},
        {"one line more", test::crlfJoined(good) + "0\r\n", "line 1336: more than a saved game"},
        {"a letter for a number", first("9,-12x4,56789,37,12,10,2"), "value 2: not a number"},
        {"too large for its width", first("9,-1234,56789,40000,12,10,2"), "too large for 16"},
        {"a value missing", with(2, "0"), "line 2, value 2: missing value"},
        {"an unquoted name", with(galaxyLine(1, kNameOffset), "Farris"), "missing quoted text"},
        {"a seventeenth galaxy", first("17,-1234,56789,37,12,10,2"), "no such current galaxy"},
        {"an eighth ship", first("9,-1234,56789,37,12,10,8"), "no such ship"},
        {"a fourth game length", with(kGameLengthLine, "2700,4"), "no such game length"},
        {"a short game ending in 2700", with(kGameLengthLine, "2700,3"), "the end year does not"},
        {"fuel beyond the tank", first("9,-1234,56789,201,12,10,2"), "fuel"},
        {"shields beyond the ship", first("9,-1234,56789,37,151,10,2"), "shields"},
        {"a hold no ship carries", first("9,-1234,56789,37,12,10001,2"), "a hold no ship"},
        {"negative cargo", with(1 + kBlackGoods + 3, "100,-5"), "cargo no ship can carry"},
        {"negative black cargo", with(2, "100,-1"), "black cargo no ship can carry"},
        {"a hold count off the cargo", first("9,-1234,56789,37,12,32,2"), "the hold count differs"},
        {"a negative price paid", with(1 + kBlackGoods + 6, "-20001,7"), "cargo bought at a neg"},
        {"a negative black price paid", with(3, "-4567,3"), "black cargo bought at a neg"},
        {"a 21st good wanted", with(galaxyLine(2, 24), "21"), "galaxy 2 has broken market"},
        {"a good sold and wanted", with(galaxyLine(3, 25), good[galaxyLine(3, 24) - 1]),
         "galaxy 3 has broken market"},
        {"a free good for sale", with(galaxyLine(5, 27), "0"), "galaxy 5 sells at an impossible"},
        {"a free black good", with(galaxyLine(5, 8), "0"), "galaxy 5 sells black goods"},
        {"a negative want", with(galaxyLine(5, 38 + 2 * wanted), "-1"), "galaxy 5 wants a neg"},
        {"a want paid nothing", with(galaxyLine(5, 39 + 2 * wanted), "0"), "galaxy 5 buys at an"},
        {"a black want paid less than nothing", with(galaxyLine(5, 8 + 2 * blackWanted), "-3"),
         "galaxy 5 buys black goods at an"},
        {"a galaxy off the map", with(galaxyLine(6, kRowOffset), "8"), "galaxy 6 lies off the map"},
        {"a galaxy misplaced", with(galaxyLine(6, kColumnOffset), "1"), "galaxy 6 is not where"},
        {"a 17th galaxy on the map", with(cellLine(1), "17"), "a map cell holds galaxy 17"},
        {"a galaxy drawn twice", with(cellLine(1), "4"), "the map holds a galaxy twice"},
        {"a time that is a word", with(kTimeLine, "\"soon\""),
         "the Earth time \"soon\" is no year"},
        {"a time beyond reckoning", with(kTimeLine, "\"99999999999999999999\""), "is no year"},
    };
    GameState before = test::startedGame();
    before.selectedCell = 9;
    before.route.toll = 20;
    const std::string file = dir / "damaged.zht";
    for (const auto& [what, content, problem] : damages) {
        ASSERT_TRUE(writeFileAtomically(file, content));
        GameState state = before;
        const LoadOutcome outcome = loadGameFile(state, shippedCatalogue(), file);
        EXPECT_FALSE(outcome.loaded) << what;
        EXPECT_NE(outcome.problem.find(problem), std::string::npos)
            << what << ": " << outcome.problem;
        EXPECT_EQ(state, before) << what;
    }
    // A missing file, a folder, and a huge file (refused without reading it all).
    std::filesystem::resize_file(file, 64 * 1024 * 1024);
    for (const std::string& unreadable : {dir / "missing.zht", dir.path().string(), file}) {
        GameState state = before;
        EXPECT_FALSE(loadGameFile(state, shippedCatalogue(), unreadable).loaded) << unreadable;
        EXPECT_EQ(state, before);
    }
}

} // namespace
} // namespace zt
