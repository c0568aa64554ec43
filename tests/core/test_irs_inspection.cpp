#include "events/irs_inspection.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::drawFor;

using test::Draws;
using test::expectEmptyHold;
using test::loadedShip;
using test::shippedCatalogue;

TEST(IrsAttorney, FeeIsAFifthOfTheCashWhenThatIsMoreThan5000) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {-500, 5000}, {25002, 5000}, {25003, 5001}, {2147483647, 429496729}};
    for (const auto& [cash, fee] : cases)
        EXPECT_EQ(attorneyFee(cash), fee) << cash;
}

TEST(IrsDump, LosesTheCargoWithoutFineOrPrison) {
    GameState s = loadedShip();
    Draws none{};
    const EventOutcome out = faceIrs(s, shippedCatalogue(), IrsChoice::DumpCargo, none);
    expectEmptyHold(s);
    EXPECT_EQ(s.debt, 2000);
    EXPECT_EQ(s.earthTime.text(), "2300.00");
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Your cargo is jetisoned before the IRS can board your "
                                       "ship. The investigator angrily stomps off back to his "
                                       "ship."});
}

TEST(IrsRun, FasterShipsEscapeOnMoreRolls) {
    // The last escaping roll is 40 + 2 × speed.
    for (const auto& [shipType, lastEscapeRoll] : {std::pair<std::int16_t, int>{1, 42}, {7, 48}}) {
        GameState s = loadedShip(shipType);
        const GameState before = s;
        Draws away{drawFor(lastEscapeRoll, 1, 100)};
        const EventOutcome out = faceIrs(s, shippedCatalogue(), IrsChoice::Run, away);
        EXPECT_EQ(s, before) << "ship " << shipType;
        EXPECT_EQ(out.messages,
                  std::vector<std::string>{"You are able to get away from the IRS, but wonder how "
                                           "long it will be before they find you again."});

        Draws caught{drawFor(lastEscapeRoll + 1, 1, 100), drawFor(7, 1, 10), drawFor(20, 2, 20)};
        const EventOutcome jailed = faceIrs(s, shippedCatalogue(), IrsChoice::Run, caught);
        EXPECT_EQ(jailed.messages,
                  std::vector<std::string>{"The IRS catches you and confiscates your cargo! You "
                                           "have been fined $7000 and spend to 20 years in "
                                           "prison."});
        EXPECT_EQ(s.debt, 9000);
        EXPECT_EQ(s.earthTime.text(), "2320");
        EXPECT_EQ(s.cash, 12345);
        expectEmptyHold(s);
    }
}

TEST(IrsPlea, AlwaysCostsTheCargo1000AndTwoToFourYears) {
    for (int years : {2, 4}) {
        GameState s = loadedShip();
        s.earthTime = *EarthTime::fromText("2350.75");
        Draws draws{drawFor(years, 2, 4)};
        const EventOutcome out = faceIrs(s, shippedCatalogue(), IrsChoice::PleadGuilty, draws);
        EXPECT_EQ(s.debt, 3000);
        EXPECT_EQ(s.earthTime.text(), std::to_string(2350 + years) + ".75");
        expectEmptyHold(s);
        EXPECT_EQ(out.messages, std::vector<std::string>{
                                    "You have been found guilty of posetion of illegal goods! The "
                                    "judge is leniant and fines you $1000 and gives you " +
                                    std::to_string(years) + " years in prison."});
    }
    GameState s = loadedShip();
    s.debt = 2147483000;
    Draws draws{drawFor(2, 2, 4)};
    faceIrs(s, shippedCatalogue(), IrsChoice::PleadGuilty, draws);
    EXPECT_EQ(s.debt, 2147483647) << "fines hold the debt at the limit";
}

TEST(IrsAttorney, AcquittalKeepsTheCargoAndConvictionAddsFeeFineAndYears) {
    GameState s = loadedShip();
    s.cash = 30000;
    GameState expected = s;
    expected.debt = 2000 + 6000;
    Draws freed{drawFor(50, 1, 100)};
    const EventOutcome out = faceIrs(s, shippedCatalogue(), IrsChoice::HireAttorney, freed);
    EXPECT_EQ(s, expected);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Your attorney gets you acquitted on a technicality!"});

    s = loadedShip();
    s.cash = 30000;
    Draws guilty{drawFor(49, 1, 100), drawFor(3, 1, 10), drawFor(11, 2, 20)};
    const EventOutcome jailed = faceIrs(s, shippedCatalogue(), IrsChoice::HireAttorney, guilty);
    EXPECT_EQ(s.debt, 2000 + 6000 + 3000);
    EXPECT_EQ(s.cash, 30000);
    EXPECT_EQ(s.earthTime.text(), "2311");
    expectEmptyHold(s);
    EXPECT_EQ(jailed.messages,
              std::vector<std::string>{"You have been found guilty of posetion of illegal cargo! "
                                       "You have been fined $3000 and spend to 11 years in "
                                       "prison."});
}

} // namespace
} // namespace zt
