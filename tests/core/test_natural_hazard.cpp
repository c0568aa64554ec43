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
    const Case cases[] = {
        {"2300.00", 7, "2307"}, {"2300.00", 20, "2320"}, {"2345.25", 1, "2346.25"}};
    for (const Case& c : cases) {
        GameState s = loadedShip();
        s.earthTime = *EarthTime::fromText(c.before);
        GameState expected = s;
        Draws draws{drawFor(c.years, 1, 20)};
        const EventOutcome out = passHazard(s, HazardChoice::GoAround, draws);
        EXPECT_EQ(s.earthTime.text(), c.after) << c.before << " + " << c.years;
        expected.earthTime = s.earthTime;
        EXPECT_EQ(s, expected) << "only the time changes";
        EXPECT_EQ(out.messages, std::vector<std::string>{
                                    "You went around the hazard, but it cost you " +
                                    std::to_string(c.years) + " years of your valuable time!"});
        EXPECT_EQ(out.rewrite, (StatusLabels{.earthTime = true}));
    }
}

TEST(HazardGoThrough, ShieldsLeftAtZeroOrBelowLoseTheShip) {
    struct Case {
        int shields, damage;
        bool lost;
    };
    const Case cases[] = {
        {41, 40, false}, {6, 5, false}, {40, 40, true}, {5, 5, true}, {3, 40, true}};
    for (const Case& c : cases) {
        GameState s = loadedShip(6);
        s.shields = static_cast<std::int16_t>(c.shields);
        GameState expected = s;
        Draws draws{drawFor(c.damage, 5, 40)};
        const EventOutcome out = passHazard(s, HazardChoice::Proceed, draws);
        if (c.lost) {
            EXPECT_EQ(out.messages,
                      std::vector<std::string>{
                          "You tried to get through, but your ship was DESTROYED! You have been "
                          "given another Planet Hopper and your debt has been increased by "
                          "$10,000!"});
            test::expectReplacementShip(s, out);
            continue;
        }
        expected.shields = static_cast<std::int16_t>(c.shields - c.damage);
        EXPECT_EQ(s, expected) << c.shields << " - " << c.damage;
        EXPECT_EQ(out.messages,
                  std::vector<std::string>{"You went through, but it cost you " +
                                           std::to_string(c.damage) + " shield units!"});
        EXPECT_EQ(out.rewrite, (StatusLabels{.shields = true}));
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
