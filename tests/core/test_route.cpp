#include "support.h"
#include "travel/route.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

Galaxy at(int column, int row) {
    Galaxy g;
    g.column = static_cast<std::int16_t>(column);
    g.row = static_cast<std::int16_t>(row);
    return g;
}

TEST(Route, FollowsTheDistanceAndTheSpeedOfTheShipFlownNow) {
    // From, to, speed; fuel, time and toll.
    const std::tuple<Galaxy, Galaxy, int, int, const char*, int> cases[] = {
        {at(1, 1), at(1, 2), 1, 10, "1", 20},
        {at(2, 2), at(3, 3), 1, 14, "1.41", 28},
        {at(1, 1), at(3, 2), 1, 22, "2.24", 45},
        {at(6, 7), at(1, 1), 4, 78, "1.95", 156},
    };
    for (const auto& [from, to, speed, fuel, time, toll] : cases) {
        const Route r = routeBetween(from, to, speed);
        EXPECT_EQ(std::tuple(int{r.fuelNeeded}, r.timeNeeded.text(), int{r.toll}),
                  std::tuple(fuel, std::string(time), toll));
    }
    GameState s = test::startedGame();
    s.shipType = 6; // speed 3
    ASSERT_TRUE(selectDestination(s, test::shippedCatalogue(), 9));
    EXPECT_EQ(s.selectedCell, 9);
    EXPECT_EQ(s.route.timeNeeded.text(), "0.33");
    // The galaxy the ship is at, or an empty cell, is no destination and keeps the pick.
    EXPECT_FALSE(selectDestination(s, test::shippedCatalogue(), 8));
    EXPECT_FALSE(selectDestination(s, test::shippedCatalogue(), 1));
    EXPECT_EQ(s.selectedCell, 9);
}

} // namespace
} // namespace zt
