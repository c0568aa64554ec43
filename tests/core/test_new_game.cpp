#include "market/market.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::drawFor;
using test::Draws;
using test::shippedCatalogue;

TEST(NewGameLength, GivesTheEndYearOfEachOption) {
    for (const auto& [length, endYear] :
         {std::pair{kShortGame, 2400}, {kNormalGame, 2700}, {kLongGame, 3500}}) {
        GameState s;
        chooseGameLength(s, length);
        EXPECT_EQ(s.gameLength, length);
        EXPECT_EQ(s.endYear, endYear);
    }
}

TEST(NewGamePlacement, RedrawsTakenCellsRestartingTheScanAndPutsMultiplesOfSixInColumnSix) {
    // Galaxy 1 on 6 (column 6, row 1), 2 on 42 (column 6, row 7), 3 draws 6 (taken) then 12.
    // Galaxy 4 draws 12 (taken by 3), then 6 (taken by 1, earlier in the scan), then 1.
    // Galaxies 5..16 take cells 2..5 and 7..15 free of collisions except 12, skipped.
    Draws draws{};
    for (int cell : {6, 42, 6, 12, 12, 6, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 13, 14, 15})
        draws.add(drawFor(cell, 1, kCells));
    GameState s;
    resetForNewGame(s);
    placeGalaxies(s, shippedCatalogue(), draws);

    std::vector<int> cells;
    for (int g = 1; g <= kGalaxies; ++g)
        cells.push_back(s.galaxies[g].cell());
    EXPECT_EQ(cells, (std::vector<int>{6, 42, 12, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 13, 14, 15}));
    EXPECT_EQ(std::tuple(s.galaxies[1].column, s.galaxies[1].row, s.galaxies[2].column,
                         s.galaxies[2].row),
              std::tuple(6, 1, 6, 7));
}

// That every new game puts sixteen galaxies on distinct cells with sound markets, trends
// shifted or not, is checked by the soak after each new game it starts.

} // namespace
} // namespace zt
