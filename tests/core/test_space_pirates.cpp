#include "events/space_pirates.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::drawFor;
using test::Draws;
using test::shippedCatalogue;

std::string caught(const std::string& opening, int damage) {
    return opening + std::to_string(damage) +
           " shield units the pirates catch up to you and take your cargo!";
}
const std::string kAfter = "After taking out ";
const std::string kAway = "You get away from the pirates but hear the words \"Next time...\" "
                          "come over the communication line.";
const std::string kDestroyed = "You tried to get away, but your ship was DESTROYED! You have been "
                               "given another Planet Hopper and your debt has been increased by "
                               "$10,000!";
const std::string kDumped =
    "Your cargo has been jetisoned. The pirates stop to pick it up allowing you to escape.";
const std::string kPolice = "The Zenthari Police arrive just in time to save you. As they are "
                            "being led off, you hear one of the pirates say you are now a marked "
                            "man!";
const std::string kLate = "The Zenthari Police don't make it in time, and after taking out ";
const std::string kLeft = "The authorities come but find black market goods on your ship "
                          "and leave you to the pirates.";

float roll(int n) {
    return drawFor(n, 1, 100);
}
float hit(int n) {
    return drawFor(n, 10, 40);
}
std::string robbed(int damage) {
    return caught(kAfter, damage);
}

enum class Fate { Kept, Robbed, Lost };

// loadedShip() with the given ship and shields, and with one unit of the last black-market
// good or none, meets the pirates.
struct Row {
    const char* name;
    std::int16_t ship, shields;
    bool black;
    PiratesChoice choice;
    std::vector<float> draws;
    std::vector<std::string> messages;
    Fate fate;
    std::int16_t shieldsAfter = 0; // when robbed
};

TEST(SpacePirates, EachChoiceEndsAsTheRulesSay) {
    using enum PiratesChoice;
    using enum Fate;
    // Running is caught on a roll up to 40 − 3 × speed − 1: ship 4 flies at speed 1, ship 7 at 4.
    const Row rows[] = {
        {"ship 4 caught on 36", 4, 90, true, Run, {roll(36), hit(12)}, {robbed(12)}, Robbed, 78},
        {"ship 4 away on 37", 4, 90, true, Run, {roll(37)}, {kAway}, Kept},
        {"ship 7 caught on 27", 7, 90, true, Run, {roll(27), hit(12)}, {robbed(12)}, Robbed, 78},
        {"shields shot down to 0", 7, 25, true, Run, {roll(1), hit(25)}, {kDestroyed}, Lost},
        {"shields shot down to 1", 7, 26, true, Run, {roll(1), hit(25)}, {robbed(25)}, Robbed, 1},
        {"dumping the cargo", 5, 90, true, DumpCargo, {}, {kDumped}, Robbed, 90},
        {"police in time on 74", 1, 90, false, CallForHelp, {roll(74)}, {kPolice}, Kept},
        {"police late, 75",
         1,
         90,
         false,
         CallForHelp,
         {roll(75), hit(17)},
         {caught(kLate, 17)},
         Robbed,
         73},
        {"black: no police", 1, 90, true, CallForHelp, {hit(30)}, {kLeft, robbed(30)}, Robbed, 60},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState s = test::loadedShip(row.ship);
        s.shields = row.shields;
        s.blackCargo.fill({});
        if (row.black) s.blackCargo[kBlackGoods] = {1, 5000};
        s.cargoInHold = static_cast<std::int16_t>(40 + row.black);
        GameState expected = s;
        Draws draws{};
        for (float r : row.draws)
            draws.add(r);
        const EventOutcome out = meetPirates(s, shippedCatalogue(), row.choice, draws);
        EXPECT_EQ(out.messages, row.messages);
        if (row.fate == Lost) {
            test::expectReplacementShip(s, out);
            continue;
        }
        if (row.fate == Robbed) {
            expected = test::withEmptyHold(expected);
            expected.shields = row.shieldsAfter;
        }
        EXPECT_EQ(s, expected);
        EXPECT_FALSE(out.shipDestroyed);
    }
}

} // namespace
} // namespace zt
