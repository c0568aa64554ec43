#include "events/natural_hazard.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::drawFor;

using test::Draws;
using test::loadedShip;
using test::shippedCatalogue;

TEST(HazardDraw, NamesEachOfTheFiveHazardsInThePrompt) {
    const Catalogue& c = shippedCatalogue();
    for (int h = 1; h <= kHazards; ++h) {
        Draws draws{drawFor(h, 1, 5)};
        EXPECT_EQ(drawHazard(c, draws).hazard, h);
    }
    Draws last{0.99999994f};
    const HazardAlert alert = drawHazard(c, last);
    EXPECT_EQ(alert.hazard, kHazards);
    EXPECT_EQ(alert.prompt, "An unkown spacial anomaly has been detected. What do you wish to do?");
}

TEST(HazardGoAround, AddsWholeYearsWrittenWithoutTrailingZerosAndNothingElse) {
    GameState s = loadedShip();
    GameState expected = s;
    Draws draws{drawFor(20, 1, 20)};
    const EventOutcome out = passHazard(s, HazardChoice::GoAround, draws);
    expected.earthTime = *EarthTime::fromText("2320");
    EXPECT_EQ(s, expected) << "only the time changes";
    EXPECT_EQ(s.earthTime.text(), "2320");
    EXPECT_EQ(out.messages, std::vector<std::string>{"You went around the hazard, but it cost "
                                                     "you 20 years of your valuable time!"});
}

TEST(HazardGoThrough, ShieldsLeftAtZeroOrBelowLoseTheShip) {
    // {shields, damage}: down to 1 (kept), down to 0 and below 0 (lost).
    for (const auto& [shields, damage] : {std::pair{6, 5}, {40, 40}, {3, 40}}) {
        GameState s = loadedShip(6);
        s.shields = static_cast<std::int16_t>(shields);
        GameState expected = s;
        Draws draws{drawFor(damage, 5, 40)};
        const EventOutcome out = passHazard(s, HazardChoice::Proceed, draws);
        if (shields <= damage) {
            EXPECT_EQ(out.messages,
                      std::vector<std::string>{
                          "You tried to get through, but your ship was DESTROYED! You have been "
                          "given another Planet Hopper and your debt has been increased by "
                          "$10,000!"});
            test::expectReplacementShip(s, out);
            continue;
        }
        expected.shields = 1;
        EXPECT_EQ(s, expected);
        EXPECT_EQ(out.messages,
                  std::vector<std::string>{"You went through, but it cost you 5 shield units!"});
    }
    GameState s = loadedShip();
    s.shields = 5;
    s.debt = 2147480000;
    Draws draws{drawFor(5, 5, 40)};
    passHazard(s, HazardChoice::Proceed, draws);
    EXPECT_EQ(s.debt, 2147483647) << "the replacement ship holds the debt at the limit";
}

} // namespace
} // namespace zt
