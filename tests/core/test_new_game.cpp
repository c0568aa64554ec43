#include "market/market.h"
#include "support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zt {
namespace {

using test::drawFor;
using test::Draws;
using test::shippedCatalogue;

TEST(NewGameLength, GivesTheEndYearOfEachOption) {
    const std::pair<std::int16_t, int> cases[] = {
        {kShortGame, 2400}, {kNormalGame, 2700}, {kLongGame, 3500}};
    for (const auto& [length, endYear] : cases) {
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

    const int expectedCell[] = {6, 42, 12, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 13, 14, 15};
    for (int g = 1; g <= kGalaxies; ++g) {
        const int cell = expectedCell[g - 1];
        EXPECT_EQ(s.galaxies[g].cell(), cell) << "galaxy " << g;
        EXPECT_EQ(s.cellGalaxy[cell], g);
        EXPECT_EQ(s.galaxies[g].name, shippedCatalogue().galaxyNames[g]);
    }
    EXPECT_EQ(s.galaxies[1].column, 6);
    EXPECT_EQ(s.galaxies[1].row, 1);
    EXPECT_EQ(s.galaxies[2].column, 6);
    EXPECT_EQ(s.galaxies[2].row, 7);
}

TEST(NewGameLayout, EveryGameHasSixteenGalaxiesOnDistinctCellsAndMarketsThatStaySound) {
    const Catalogue& c = shippedCatalogue();
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ClockRandom rng(seed);
        GameState s;
        s.cellGalaxy[5] = 4; // left over from an earlier game
        resetForNewGame(s);
        layOutNewGame(s, c, rng, kNormalGame);
        if (seed % 2 == 0) { // and a trends shift with the refresh that follows it
            shiftTrends(s, rng);
            refreshMarkets(s, c, rng);
        }

        int placed = 0;
        for (int cell = 1; cell <= kCells; ++cell)
            placed += s.cellGalaxy[cell] != 0;
        ASSERT_EQ(placed, kGalaxies);
        for (int g = 1; g <= kGalaxies; ++g) {
            const Galaxy& galaxy = s.galaxies[g];
            ASSERT_TRUE(galaxy.column >= 1 && galaxy.column <= kColumns);
            ASSERT_TRUE(galaxy.row >= 1 && galaxy.row <= kRows);
            ASSERT_EQ(s.cellGalaxy[galaxy.cell()], g);
            ASSERT_TRUE(marketInvariantsHold(galaxy)) << "galaxy " << g;
            for (int k = 1; k <= kSupplySlots; ++k) {
                const PriceRange& r = c.goodsPriceRange[galaxy.supplies[k]];
                ASSERT_TRUE(galaxy.supplyPrice[k] >= r.low && galaxy.supplyPrice[k] <= r.high + 1);
                ASSERT_GE(galaxy.supplyQuantity[k], 1);
                ASSERT_GE(galaxy.demandQuantity[galaxy.demands[k]], 1);
            }
        }
    }
}

} // namespace
} // namespace zt
