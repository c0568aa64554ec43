#include "events/irs_inspection.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::drawFor;

TEST(IrsAttorney, FeeIsAFifthOfTheCashWhenThatIsMoreThan5000) {
    EXPECT_EQ(attorneyFee(-500), 5000);
    EXPECT_EQ(attorneyFee(25002), 5000);
    EXPECT_EQ(attorneyFee(25003), 5001);
}

template <class... Draw> std::vector<float> draws(Draw... d) {
    return {d...};
}
float roll(int n) {
    return drawFor(n, 1, 100);
}
float fine(int thousands) {
    return drawFor(thousands, 1, 10);
}
float years(int n) {
    return drawFor(n, 2, 20);
}
std::string plea(int years) {
    return "You have been found guilty of posetion of illegal goods! The judge is leniant and "
           "fines you $1000 and gives you " +
           std::to_string(years) + " years in prison.";
}

TEST(Irs, EachChoiceEndsAsTheRulesSay) {
    using enum IrsChoice;
    const std::string dumped = "Your cargo is jetisoned before the IRS can board your ship. The "
                               "investigator angrily stomps off back to his ship.";
    const std::string away = "You are able to get away from the IRS, but wonder how long it will "
                             "be before they find you again.";
    const std::string caught = "The IRS catches you and confiscates your cargo! You have been "
                               "fined $7000 and spend to 20 years in prison.";
    const std::string acquitted = "Your attorney gets you acquitted on a technicality!";
    const std::string convicted = "You have been found guilty of posetion of illegal cargo! You "
                                  "have been fined $3000 and spend to 11 years in prison.";
    // loadedShip(ship) with $30,000 (an attorney's fee of $6,000), the given debt and the time
    // 2350.75 meets the IRS. A runner escapes on a roll up to 40 + 2 × speed: ship 1 flies at
    // speed 1, ship 7 at 4.
    const struct {
        const char* name;
        std::int16_t ship;
        std::int32_t debt;
        IrsChoice choice;
        bool keepsCargo;
        std::vector<float> draws;
        const char* timeAfter;
        std::int32_t debtAfter;
        std::string message;
    } rows[] = {
        {"dumping the cargo", 1, 2000, DumpCargo, false, draws(), "2350.75", 2000, dumped},
        {"ship 1 away on 42", 1, 2000, Run, true, draws(roll(42)), "2350.75", 2000, away},
        {"ship 1 caught on 43", 1, 2000, Run, false, draws(roll(43), fine(7), years(20)), "2370.75",
         9000, caught},
        {"ship 7 caught on 49", 7, 2000, Run, false, draws(roll(49), fine(7), years(20)), "2370.75",
         9000, caught},
        {"a plea for 4 years", 1, 2000, PleadGuilty, false, draws(drawFor(4, 2, 4)), "2354.75",
         3000, plea(4)},
        {"a fine held at the limit", 1, 2147483000, PleadGuilty, false, draws(drawFor(2, 2, 4)),
         "2352.75", 2147483647, plea(2)},
        {"an attorney acquits on 50", 1, 2000, HireAttorney, true, draws(roll(50)), "2350.75", 8000,
         acquitted},
        {"an attorney loses on 49", 1, 2000, HireAttorney, false,
         draws(roll(49), fine(3), years(11)), "2361.75", 11000, convicted},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameState s = test::loadedShip(row.ship);
        s.cash = 30000, s.debt = row.debt;
        s.earthTime = *EarthTime::fromText("2350.75");
        GameState expected = row.keepsCargo ? s : test::withEmptyHold(s);
        expected.debt = row.debtAfter;
        expected.earthTime = *EarthTime::fromText(row.timeAfter);
        test::Draws script{};
        for (float r : row.draws)
            script.add(r);
        const EventOutcome out = faceIrs(s, test::shippedCatalogue(), row.choice, script);
        EXPECT_EQ(s, expected);
        EXPECT_EQ(s.earthTime.text(), row.timeAfter);
        EXPECT_EQ(out.messages, std::vector<std::string>{row.message});
    }
}

} // namespace
} // namespace zt
