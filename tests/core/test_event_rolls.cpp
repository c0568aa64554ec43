#include "events/event_rolls.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(FlightRolls, HazardAndPiratesComeBelowFiveTimesTheDistance) {
    for (int R = 1; R <= 8; ++R) {
        int hazards = 0, pirates = 0;
        for (int roll = 1; roll <= 100; ++roll) {
            hazards += hazardStrikes(roll, R);
            pirates += piratesAttack(roll, R);
        }
        EXPECT_EQ(hazards, 5 * R - 1) << R;
        EXPECT_EQ(pirates, 5 * R - 1) << R;
    }
    EXPECT_TRUE(hazardStrikes(4, 1));
    EXPECT_FALSE(hazardStrikes(5, 1));
}

TEST(FlightRolls, IrsChanceGrowsWithDistanceAndBlackUnits) {
    struct Case {
        int R;
        long long units;
        int inHundred;
    };
    const Case cases[] = {{5, 100, 24}, {1, 20, 0}, {1, 21, 1}, {8, 1000, 100}, {8, 0, 0}};
    for (const Case& c : cases) {
        int inspections = 0;
        for (int roll = 1; roll <= 100; ++roll)
            inspections += irsInspects(roll, c.R, c.units);
        EXPECT_EQ(inspections, c.inHundred) << "R " << c.R << ", " << c.units << " units";
    }
}

} // namespace
} // namespace zt
