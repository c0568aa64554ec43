#include "core/earth_time.h"
#include "core/money.h"
#include "core/numbers.h"
#include "core/random.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::drawFor;
using test::ScriptedRandom;

TEST(AddCommas, GroupsDigitsInThreesFromTheRight) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},          {"999", "999"},
        {"1000", "1,000"}, {"100000", "100,000"},
        {"-999", "-999"},  {"-2147483648", "-2,147,483,648"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(addCommas(in), out) << in;
    EXPECT_EQ(formatMoney(5000), "$5,000");
    EXPECT_EQ(formatMoney(-1234), "$-1,234");
}

TEST(ReadingRule, TakesTheLeadingNumberWithBlanksSkipped) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},    {"abc", 0},  {"-5", 0},      {"12abc", 12}, {"5 000", 5000},
        {" 7 ", 7}, {".5", 0.5}, {"1.2.3", 1.2}, {"$20", 0},    {"3,000", 3},
    };
    for (const auto& [in, out] : cases)
        EXPECT_DOUBLE_EQ(readNumber(in), out) << in;
}

TEST(ReadingRule, WholeAmountsAreAcceptedAndFractionsRefused) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"5.", 5},
        {"5.0", 5},
        {"5 000", 5000},
        {"", 0},
        {"x", 0},
        {"2.5", std::nullopt},
        {"0.01", std::nullopt},
        // Far beyond any maximum: held, never wrapped into a small or negative amount.
        {"99999999999999999999999", kHugeAmount},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(readWholeAmount(in), out) << in;
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, std::int64_t> cases[] = {
        {0.5, 0}, {1.5, 2}, {112.5, 112}, {-2.5, -2}, {2.4999, 2}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(roundHalfEven(in), out) << in;
    EXPECT_EQ(intFloor(2.99), 2);
    EXPECT_EQ(intFloor(-0.5), -1);
    EXPECT_EQ(roundedLeadingNumber("2.5", 0, 10), 2);
    EXPECT_EQ(roundedLeadingNumber("3.51", 0, 10), 4);
    EXPECT_EQ(roundedLeadingNumber("11", 0, 10), std::nullopt);
    EXPECT_EQ(roundedLeadingNumber("ten", 0, 10), std::nullopt);
}

TEST(Money, ActionsPastThe32BitRangeAreRefusedAndChargesHeld) {
    EXPECT_EQ(checkedMoney(2147483647), 2147483647);
    EXPECT_EQ(checkedMoney(2147483648LL), std::nullopt);
    EXPECT_EQ(checkedMoney(-2147483648LL), -2147483647 - 1);
    EXPECT_EQ(checkedMoney(-2147483649LL), std::nullopt);
    EXPECT_EQ(addToDebt(2147483000, 10000), 2147483647);
    EXPECT_EQ(heldMoney(-5000000000LL), -2147483647 - 1);
}

TEST(EarthTime, StaysExactAndIsWrittenWithoutTrailingZeros) {
    EarthTime t = EarthTime::atStart();
    EXPECT_EQ(t.text(), "2300.00");
    t = t.plus(Decimal::hundredths(141));
    EXPECT_EQ(t.text(), "2301.41");
    t = t.plus(Decimal::hundredths(59));
    EXPECT_EQ(t.text(), "2302");
    for (int i = 0; i < 1000; ++i)
        t = t.plus(Decimal::hundredths(33));
    t = t.plus(Decimal::hundredths(50));
    EXPECT_EQ(t.text(), "2632.5");
}

TEST(EarthTime, KeepsAStoredTextAndComparesWithTheEndYear) {
    EXPECT_EQ(EarthTime::fromText("2345.5")->text(), "2345.5");
    EXPECT_FALSE(EarthTime::fromText("soon"));
    EXPECT_FALSE(EarthTime::fromText(""));
    const auto end = EarthTime::fromText("2400.00");
    EXPECT_FALSE(end->isAfterYear(2400));
    EXPECT_TRUE(end->plus(Decimal::hundredths(1)).isAfterYear(2400));
    EXPECT_EQ(Decimal::parse("7.810")->text(), "7.81");
    EXPECT_FALSE(Decimal::parse("1.0000000001"));
}

TEST(Random, WholeNumbersCoverTheirRangeAndNeverLeaveIt) {
    ScriptedRandom edges{0.0f, 0.99999994f, drawFor(7, 1, 42)};
    EXPECT_EQ(wholeBetween(edges, 1, 42), 1);
    EXPECT_EQ(wholeBetween(edges, 1, 42), 42);
    EXPECT_EQ(wholeBetween(edges, 1, 42), 7);
    EXPECT_THROW(edges.next(), ScriptedRandom::RanDry);
}

} // namespace
} // namespace zt
