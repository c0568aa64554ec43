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
        {1, 1, 1, 2, 1, 10, "1", 20},
        {2, 2, 3, 3, 1, 14, "1.41", 28},
        {1, 1, 3, 2, 1, 22, "2.24", 45},
        {6, 7, 1, 1, 4, 78, "1.95", 156},
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

TEST(RouteSelection, PicksOnlyAnotherGalaxyForTheShipFlownNow) {
    GameState s = test::startedGame();
    s.shipType = 6; // speed 3
    ASSERT_TRUE(selectDestination(s, shippedCatalogue(), 9));
    EXPECT_EQ(s.selectedCell, 9);
    EXPECT_EQ(s.route.timeNeeded.text(), "0.33");
    const GameState picked = s;
    for (int cell : {8, 1, 43}) { // the current galaxy, an empty cell, off the map
        EXPECT_FALSE(selectDestination(s, shippedCatalogue(), cell)) << cell;
        EXPECT_EQ(s, picked) << cell;
    }
}

} // namespace
} // namespace zt
