#include "events/event_rolls.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

// How many of the rolls 1..100 make `happens` true.
template <typename F> int inHundred(F happens) {
    int count = 0;
    for (int roll = 1; roll <= 100; ++roll)
        count += happens(roll);
    return count;
}

TEST(FlightRolls, HazardAndPiratesComeBelowFiveTimesTheDistance) {
    for (int R : {1, 8}) {
        EXPECT_EQ(inHundred([R](int roll) { return hazardStrikes(roll, R); }), 5 * R - 1) << R;
        EXPECT_EQ(inHundred([R](int roll) { return piratesAttack(roll, R); }), 5 * R - 1) << R;
    }
    EXPECT_TRUE(hazardStrikes(4, 1));
}

TEST(FlightRolls, IrsChanceGrowsWithDistanceAndBlackUnits) {
    const std::tuple<int, long long, int> cases[] = {
        {5, 100, 24}, {1, 20, 0}, {1, 21, 1}, {8, 1000, 100}, {8, 0, 0}};
    for (const auto& [R, units, expected] : cases)
        EXPECT_EQ(inHundred([&](int roll) { return irsInspects(roll, R, units); }), expected)
            << "R " << R << ", " << units << " units";
}

} // namespace
} // namespace zt
