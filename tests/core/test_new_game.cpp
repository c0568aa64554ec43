#include "core/new_game.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(NewGameLength, GivesTheEndYearOfEachOption) {
    for (const auto& [length, endYear] :
         {std::pair{kShortGame, 2400}, {kNormalGame, 2700}, {kLongGame, 3500}}) {
        GameState s;
        chooseGameLength(s, length);
        EXPECT_EQ(s.gameLength, length);
        EXPECT_EQ(s.endYear, endYear);
    }
}

// That every new game puts sixteen galaxies on distinct cells with sound markets is checked
// by the soak after each new game it starts.
TEST(NewGameMap, PutsCellsInRowsOfSixWithTheMultiplesOfSixInColumnSix) {
    EXPECT_EQ(std::tuple(cellColumn(6), cellRow(6), cellColumn(7), cellRow(7)),
              std::tuple(6, 1, 1, 2));
    EXPECT_EQ(std::tuple(cellColumn(42), cellRow(42)), std::tuple(6, 7));
}

} // namespace
} // namespace zt
