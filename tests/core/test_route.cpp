#include "core/new_game.h"
#include "support.h"
#include "travel/route.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::shippedCatalogue;

Galaxy at(int column, int row) {
    Galaxy g;
    g.column = static_cast<std::int16_t>(column);
    g.row = static_cast<std::int16_t>(row);
    return g;
}

TEST(RouteFigures, FollowDistanceAndShipSpeed) {
    const struct {
        int fromColumn, fromRow, toColumn, toRow, speed;
        int fuel;
        const char* time;
        int toll;
    } cases[] = {
        {1, 1, 2, 1, 1, 10, "1", 20},     {1, 1, 1, 2, 1, 10, "1", 20},
        {3, 4, 2, 4, 2, 10, "0.5", 20},   {3, 4, 3, 5, 3, 10, "0.33", 20},
        {3, 4, 4, 4, 4, 10, "0.25", 20},  {2, 2, 3, 3, 1, 14, "1.41", 28},
        {1, 1, 3, 2, 1, 22, "2.24", 45},  {1, 1, 6, 7, 1, 78, "7.81", 156},
        {6, 7, 1, 1, 4, 78, "1.95", 156}, {1, 1, 4, 1, 1, 30, "3", 60},
    };
    for (const auto& c : cases) {
        const Route r = routeBetween(at(c.fromColumn, c.fromRow), at(c.toColumn, c.toRow), c.speed);
        SCOPED_TRACE(testing::Message() << c.fromColumn << "," << c.fromRow << " -> " << c.toColumn
                                        << "," << c.toRow << " speed " << c.speed);
        EXPECT_EQ(r.fuelNeeded, c.fuel);
        EXPECT_EQ(r.timeNeeded.text(), c.time);
        EXPECT_EQ(r.toll, c.toll);
    }
}

// A game with galaxy 3 (the start) on cell 8 and galaxy 5 beside it on cell 9; every other
// galaxy further along row 3 and below.
GameState smallMap() {
    GameState s;
    resetForNewGame(s);
    chooseGameLength(s, kShortGame);
    s.cellGalaxy.fill(0);
    int cell = 13;
    for (int g = 1; g <= kGalaxies; ++g) {
        const int at = g == 3 ? 8 : g == 5 ? 9 : cell++;
        s.galaxies[g].column = static_cast<std::int16_t>(cellColumn(at));
        s.galaxies[g].row = static_cast<std::int16_t>(cellRow(at));
        s.cellGalaxy[at] = static_cast<std::int16_t>(g);
    }
    return s;
}

TEST(RouteSelection, PicksOnlyAnotherGalaxyAndKeepsTheEarlierPickOtherwise) {
    GameState s = smallMap();
    ASSERT_TRUE(selectDestination(s, shippedCatalogue(), 9));
    EXPECT_EQ(s.selectedCell, 9);
    EXPECT_EQ(s.route.fuelNeeded, 10);
    const GameState picked = s;
    for (int cell : {8, 1, 0, -1, 43}) { // the current galaxy, an empty cell, off the map
        EXPECT_FALSE(selectDestination(s, shippedCatalogue(), cell)) << cell;
        EXPECT_EQ(s, picked) << cell;
    }
    GameState before;
    before.cellGalaxy = s.cellGalaxy;
    EXPECT_FALSE(selectDestination(before, shippedCatalogue(), 9)) << "no game yet";
}

TEST(RouteSelection, WorksTheTimeOutForTheShipFlownNow) {
    GameState s = smallMap();
    s.shipType = 6; // speed 3
    ASSERT_TRUE(selectDestination(s, shippedCatalogue(), 9));
    EXPECT_EQ(s.route.timeNeeded.text(), "0.33");
}

} // namespace
} // namespace zt
