#include "event_support.h"
#include "events/natural_hazard.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::Draws;
using test::loadedShip;
using test::shippedCatalogue;

TEST(HazardDraw, NamesEachOfTheFiveHazardsInThePrompt) {
    const Catalogue& c = shippedCatalogue();
    for (int h = 1; h <= kHazards; ++h) {
        Draws draws{drawFor(h, 1, 5)};
        const HazardAlert alert = drawHazard(c, draws);
        EXPECT_EQ(alert.hazard, h);
        EXPECT_EQ(alert.prompt, c.hazardNames[h] + " has been detected. What do you wish to do?");
    }
    Draws last{0.99999994f};
    EXPECT_EQ(drawHazard(c, last).prompt,
              "An unkown spacial anomaly has been detected. What do you wish to do?");
}

TEST(HazardGoAround, AddsWholeYearsWrittenWithoutTrailingZerosAndNothingElse) {
    struct Case {
        const char* before;
        int years;
        const char* after;
    };
    const Case cases[] = {{"2300.00", 7, "2307"},
                          {"2300.00", 1, "2301"},
                          {"2300.00", 20, "2320"},
                          {"2345.25", 5, "2350.25"},
                          {"2399.5", 20, "2419.5"}};
    for (const Case& c : cases) {
        GameState s = loadedShip();
        s.earthTime = *EarthTime::fromText(c.before);
        GameState expected = s;
        Draws draws{drawFor(c.years, 1, 20)};
        const EventOutcome out = passHazard(s, HazardChoice::GoAround, draws);
        EXPECT_EQ(s.earthTime.text(), c.after) << c.before << " + " << c.years;
        expected.earthTime = s.earthTime;
        EXPECT_EQ(s, expected) << "only the time changes";
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0], "You went around the hazard, but it cost you " +
                                       std::to_string(c.years) + " years of your valuable time!");
        EXPECT_EQ(out.rewrite, (StatusLabels{.earthTime = true}));
        EXPECT_FALSE(out.shipDestroyed);
    }
}

TEST(HazardGoThrough, SurvivesWhileAnyShieldIsLeft) {
    struct Case {
        int shields, damage, left;
    };
    // Damage runs from 5 to 40.
    const Case cases[] = {{41, 40, 1}, {6, 5, 1}, {100, 25, 75}, {10000, 40, 9960}};
    for (const Case& c : cases) {
        GameState s = loadedShip(7);
        s.shields = static_cast<std::int16_t>(c.shields);
        GameState expected = s;
        Draws draws{drawFor(c.damage, 5, 40)};
        const EventOutcome out = passHazard(s, HazardChoice::Proceed, draws);
        expected.shields = static_cast<std::int16_t>(c.left);
        EXPECT_EQ(s, expected) << c.shields << " - " << c.damage;
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0], "You went through, but it cost you " + std::to_string(c.damage) +
                                       " shield units!");
        EXPECT_EQ(out.rewrite, (StatusLabels{.shields = true}));
        EXPECT_FALSE(out.shipDestroyed);
    }
}

TEST(HazardGoThrough, ShieldsAtZeroOrBelowLoseTheShipAndCargo) {
    const std::pair<int, int> cases[] = {{40, 40}, {5, 5}, {25, 25}, {3, 40}};
    for (const auto& [shields, damage] : cases) {
        GameState s = loadedShip(6);
        s.shields = static_cast<std::int16_t>(shields);
        Draws draws{drawFor(damage, 5, 40)};
        const EventOutcome out = passHazard(s, HazardChoice::Proceed, draws);
        ASSERT_EQ(out.messages.size(), 1u) << shields << " - " << damage;
        EXPECT_EQ(out.messages[0],
                  "You tried to get through, but your ship was DESTROYED! You have been given "
                  "another Planet Hopper and your debt has been increased by $10,000!");
        test::expectReplacementShip(s, out);
    }
}

TEST(HazardGoThrough, ReplacementShipHoldsTheDebtAtTheLimit) {
    GameState s = loadedShip();
    s.shields = 5;
    s.debt = 2147480000;
    Draws draws{drawFor(5, 5, 40)};
    passHazard(s, HazardChoice::Proceed, draws);
    EXPECT_EQ(s.debt, 2147483647);
}

} // namespace
} // namespace zt
