#include "events/space_pirates.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::Draws;
using test::expectEmptyHold;
using test::loadedShip;
using test::shippedCatalogue;

std::string caughtText(const std::string& opening, int damage) {
    return opening + std::to_string(damage) +
           " shield units the pirates catch up to you and take your cargo!";
}

TEST(PiratesRun, FasterShipsAreCaughtOnFewerRolls) {
    // The last roll that is caught is 40 − 3 × speed − 1; ship 4 flies at speed 1.
    const std::pair<std::int16_t, int> cases[] = {{4, 36}, {7, 27}};
    for (const auto& [shipType, lastCaughtRoll] : cases) {
        GameState s = loadedShip(shipType);
        Draws caught{drawFor(lastCaughtRoll, 1, 100), drawFor(12, 10, 40)};
        const EventOutcome out = meetPirates(s, shippedCatalogue(), PiratesChoice::Run, caught);
        EXPECT_EQ(out.messages, std::vector<std::string>{caughtText("After taking out ", 12)})
            << "ship " << shipType;
        EXPECT_EQ(s.shields, 78);
        EXPECT_EQ(s.debt, 2000);
        expectEmptyHold(s);

        GameState t = loadedShip(shipType);
        const GameState before = t;
        Draws escaped{drawFor(lastCaughtRoll + 1, 1, 100)};
        const EventOutcome away = meetPirates(t, shippedCatalogue(), PiratesChoice::Run, escaped);
        EXPECT_EQ(t, before) << "an escape costs nothing, ship " << shipType;
        EXPECT_EQ(away.messages, std::vector<std::string>{
                                     "You get away from the pirates but hear the words \"Next "
                                     "time...\" come over the communication line."});
    }
}

TEST(PiratesCapture, ShieldsShotDownToZeroOrBelowLoseTheShip) {
    // {shields, damage}: down to 0, below 0, and down to 1 (kept).
    for (const auto& [shields, damage] : {std::pair{25, 25}, {1, 30}, {26, 25}}) {
        GameState s = loadedShip(7);
        s.shields = static_cast<std::int16_t>(shields);
        Draws draws{drawFor(1, 1, 100), drawFor(damage, 10, 40)};
        const EventOutcome out = meetPirates(s, shippedCatalogue(), PiratesChoice::Run, draws);
        if (shields > damage) {
            EXPECT_FALSE(out.shipDestroyed);
            EXPECT_EQ(s.shields, 1);
            continue;
        }
        EXPECT_EQ(out.messages,
                  std::vector<std::string>{
                      "You tried to get away, but your ship was DESTROYED! You have been given "
                      "another Planet Hopper and your debt has been increased by $10,000!"});
        test::expectReplacementShip(s, out);
    }
}

TEST(PiratesDump, LosesTheCargoButNothingElse) {
    GameState s = loadedShip(5);
    GameState expected = s;
    Draws none{};
    const EventOutcome out = meetPirates(s, shippedCatalogue(), PiratesChoice::DumpCargo, none);
    expectEmptyHold(s);
    expected.cargo = s.cargo;
    expected.blackCargo = s.blackCargo;
    expected.cargoInHold = 0;
    EXPECT_EQ(s, expected);
    EXPECT_EQ(out.messages, std::vector<std::string>{"Your cargo has been jetisoned. The pirates "
                                                     "stop to pick it up allowing you to escape."});
    EXPECT_FALSE(out.shipDestroyed);
}

TEST(PiratesCallForHelp, PoliceComeInTimeOnRollsBelow75) {
    GameState s = loadedShip();
    s.blackCargo[2] = {};
    s.cargoInHold = 40;
    const GameState before = s;
    Draws saved{drawFor(74, 1, 100)};
    const EventOutcome out = meetPirates(s, shippedCatalogue(), PiratesChoice::CallForHelp, saved);
    EXPECT_EQ(s, before);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"The Zenthari Police arrive just in time to save you. As "
                                       "they are being led off, you hear one of the pirates say "
                                       "you are now a marked man!"});

    Draws late{drawFor(75, 1, 100), drawFor(17, 10, 40)};
    const EventOutcome caught =
        meetPirates(s, shippedCatalogue(), PiratesChoice::CallForHelp, late);
    EXPECT_EQ(caught.messages,
              std::vector<std::string>{caughtText(
                  "The Zenthari Police don't make it in time, and after taking out ", 17)});
    EXPECT_EQ(s.shields, 73);
    expectEmptyHold(s);
}

TEST(PiratesCallForHelp, BlackMarketGoodsLeaveTheShipToThePirates) {
    GameState s = loadedShip();
    s.blackCargo[2] = {};
    s.blackCargo[6] = {1, 5000}; // a single unit of the last black good is enough
    // No police roll: the capture's damage is the only draw.
    Draws draws{drawFor(30, 10, 40)};
    const EventOutcome out = meetPirates(s, shippedCatalogue(), PiratesChoice::CallForHelp, draws);
    EXPECT_EQ(out.messages, (std::vector<std::string>{
                                "The authorities come but find black market goods on your ship "
                                "and leave you to the pirates.",
                                caughtText("After taking out ", 30)}));
    EXPECT_EQ(s.shields, 60);
    expectEmptyHold(s);
}

} // namespace
} // namespace zt
