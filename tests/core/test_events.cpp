#include "events/irs_inspection.h"
#include "events/natural_hazard.h"
#include "events/space_pirates.h"
#include "support.h"

#include <gtest/gtest.h>

#include <functional>

namespace zt {
namespace {

using test::drawFor;
using test::Draws;
using test::shippedCatalogue;

float roll(int n) {
    return drawFor(n, 1, 100);
}
float hit(int n) {
    return drawFor(n, 10, 40);
}
std::string robbed(int damage, const std::string& opening = "After taking out ") {
    return opening + std::to_string(damage) +
           " shield units the pirates catch up to you and take your cargo!";
}
const std::string kLost = " but your ship was DESTROYED! You have been given another Planet "
                          "Hopper and your debt has been increased by $10,000!";

template <class... Draw> std::vector<float> draws(Draw... d) {
    return {d...};
}
template <class... Text> std::vector<std::string> says(Text... messages) {
    return {messages...};
}

using Event = std::function<EventOutcome(GameState&, RandomSource&)>;
Event pirates(PiratesChoice choice) {
    return [=](GameState& s, RandomSource& r) {
        return meetPirates(s, shippedCatalogue(), choice, r);
    };
}
Event irs(IrsChoice choice) {
    return [=](GameState& s, RandomSource& r) { return faceIrs(s, shippedCatalogue(), choice, r); };
}
Event hazard(HazardChoice choice) {
    return [=](GameState& s, RandomSource& r) { return passHazard(s, choice, r); };
}

// What an event leaves of a ship with 40 units of good 3 and maybe 10 black-market units
// aboard: the hold as it was or emptied, or the ship lost (a new Planet Hopper, full, empty,
// on $10,000 more debt); and the shields, debt and time after.
enum class Hold { Kept, Emptied, Lost };
struct Row {
    const char* name;
    std::int16_t ship, shields;
    bool black; // the 10 black-market units aboard, or none
    Event event;
    std::vector<float> draws;
    std::vector<std::string> messages;
    Hold hold;
    std::int16_t shieldsAfter;
    std::int32_t debtAfter = 2000;
    const char* timeAfter = "2350.75";
};

TEST(Events, EachChoiceEndsAsTheRulesSay) {
    using enum Hold;
    const std::string away = "You get away from the pirates but hear the words \"Next "
                             "time...\" come over the communication line.";
    const std::string irsAway = "You are able to get away from the IRS, but wonder how long it "
                                "will be before they find you again.";
    const std::string irsCaught = "The IRS catches you and confiscates your cargo! You have "
                                  "been fined $7000 and spend to 20 years in prison.";
    // A runner is caught by pirates on a roll up to 40 − 3 × speed − 1 and gets away from the
    // IRS on one up to 40 + 2 × speed: ships 1 and 4 fly at speed 1, ship 7 at 4. A ship left
    // with no shields is lost.
    const Event run = pirates(PiratesChoice::Run), dump = pirates(PiratesChoice::DumpCargo);
    const Event help = pirates(PiratesChoice::CallForHelp);
    const Event irsRun = irs(IrsChoice::Run), plead = irs(IrsChoice::PleadGuilty);
    const Event attorney = irs(IrsChoice::HireAttorney);
    const Event around = hazard(HazardChoice::GoAround), through = hazard(HazardChoice::Proceed);
    const Row rows[] = {
        {"pirates catch ship 4 on 36", 4, 90, true, run, draws(roll(36), hit(12)), says(robbed(12)),
         Emptied, 78},
        {"ship 4 escapes pirates on 37", 4, 90, true, run, draws(roll(37)), says(away), Kept, 90},
        {"pirates shoot shields to 0", 7, 25, true, run, draws(roll(1), hit(25)),
         says("You tried to get away," + kLost), Lost, 100, 12000},
        {"police in time on 74", 1, 90, false, help, draws(roll(74)),
         says("The Zenthari Police arrive just in time to save you. As they are being led off, "
              "you hear one of the pirates say you are now a marked man!"),
         Kept, 90},
        {"police late on 75", 1, 90, false, help, draws(roll(75), hit(17)),
         says(robbed(17, "The Zenthari Police don't make it in time, and after taking out ")),
         Emptied, 73},
        {"no police for black cargo", 1, 90, true, help, draws(hit(30)),
         says("The authorities come but find black market goods on your ship and leave you to the "
              "pirates.",
              robbed(30)),
         Emptied, 60},
        {"ship 1 escapes the IRS on 42", 1, 90, true, irsRun, draws(roll(42)), says(irsAway), Kept,
         90},
        {"the IRS catches ship 7 on 49", 7, 90, true, irsRun,
         draws(roll(49), drawFor(7, 1, 10), drawFor(20, 2, 20)), says(irsCaught), Emptied, 90, 9000,
         "2370.75"},
        {"a plea for 4 years", 1, 90, true, plead, draws(drawFor(4, 2, 4)),
         says("You have been found guilty of posetion of illegal goods! The judge is leniant and "
              "fines you $1000 and gives you 4 years in prison."),
         Emptied, 90, 3000, "2354.75"},
        // The attorney takes a fifth of the $30,000 cash.
        {"an attorney acquits on 50", 1, 90, true, attorney, draws(roll(50)),
         says("Your attorney gets you acquitted on a technicality!"), Kept, 90, 8000},
        {"an attorney loses on 49", 1, 90, true, attorney,
         draws(roll(49), drawFor(3, 1, 10), drawFor(11, 2, 20)),
         says("You have been found guilty of posetion of illegal cargo! You have been fined "
              "$3000 and spend to 11 years in prison."),
         Emptied, 90, 11000, "2361.75"},
        {"around a hazard", 1, 90, true, around, draws(drawFor(20, 1, 20)),
         says("You went around the hazard, but it cost you 20 years of your valuable time!"), Kept,
         90, 2000, "2370.75"},
        {"through a hazard to 1 shield", 6, 6, true, through, draws(drawFor(5, 5, 40)),
         says("You went through, but it cost you 5 shield units!"), Kept, 1},
        {"through a hazard to 0 shields", 6, 40, true, through, draws(drawFor(40, 5, 40)),
         says("You tried to get through," + kLost), Lost, 100, 12000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState s = test::flying(30000, 2000, row.ship, 60, row.shields);
        s.earthTime = *EarthTime::fromText("2350.75");
        s.cargo[3] = {40, 120};
        if (row.black) s.blackCargo[2] = {10, 900};
        s.cargoInHold = row.black ? 50 : 40;
        GameState expected = row.hold == Kept ? s : test::flying(30000, 2000, row.ship, 60);
        if (row.hold == Lost) expected.shipType = 1, expected.fuel = 100;
        expected.shields = row.shieldsAfter;
        expected.debt = row.debtAfter;
        expected.earthTime = *EarthTime::fromText(row.timeAfter);
        Draws draws{};
        for (float r : row.draws)
            draws.add(r);
        const EventOutcome out = row.event(s, draws);
        EXPECT_EQ(out.messages, row.messages);
        EXPECT_EQ(s, expected);
        EXPECT_EQ(out.shipDestroyed, row.hold == Lost);
    }
}

// The fee at its floor and just above it, and the last hazard's prompt (its typos are the
// game's own).
TEST(Events, TheAttorneyAsksAFifthAbove5000AndAHazardIsNamedInItsPrompt) {
    EXPECT_EQ(attorneyFee(25002), 5000);
    EXPECT_EQ(attorneyFee(25003), 5001);
    Draws last{0.99999994f};
    EXPECT_EQ(drawHazard(shippedCatalogue(), last).prompt,
              "An unkown spacial anomaly has been detected. What do you wish to do?");
}

} // namespace
} // namespace zt
