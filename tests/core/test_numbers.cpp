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

// The reading rule's and the time's properties on any text are proved by their fuzz targets;
// here stand the exact values the player sees.

TEST(Numbers, MoneyIsGroupedInThreesAndAmountsReadByTheLeadingNumber) {
    EXPECT_EQ(addCommas("100000"), "100,000");
    EXPECT_EQ(addCommas("-2147483648"), "-2,147,483,648");
    EXPECT_EQ(formatMoney(-1234), "$-1,234");
    const std::pair<const char*, double> numbers[] = {
        {"abc", 0}, {"-5", 0}, {"12abc", 12}, {"5 000", 5000}, {"1.2.3", 1.2}, {"3,000", 3}};
    for (const auto& [in, out] : numbers)
        EXPECT_DOUBLE_EQ(readNumber(in), out) << in;
    const std::pair<const char*, std::optional<std::int64_t>> amounts[] = {
        {"5.", 5},
        {"5.0", 5},
        {"", 0},
        {"0.01", std::nullopt},
        // Far beyond any maximum: held, never wrapped into a small or negative amount.
        {"99999999999999999999999", kHugeAmount}};
    for (const auto& [in, out] : amounts)
        EXPECT_EQ(readWholeAmount(in), out) << in;
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(intFloor(-0.5), -1);
    EXPECT_EQ(roundedLeadingNumber("3.51", 0, 10), 4);
    EXPECT_EQ(roundedLeadingNumber("11", 0, 10), std::nullopt);
}

TEST(Money, ActionsPastThe32BitRangeAreRefusedAndChargesHeld) {
    EXPECT_EQ(checkedMoney(2147483647), 2147483647);
    EXPECT_EQ(checkedMoney(2147483648LL), std::nullopt);
    EXPECT_EQ(checkedMoney(-2147483648LL), -2147483647 - 1);
    EXPECT_EQ(checkedMoney(-2147483649LL), std::nullopt);
    EXPECT_EQ(addToDebt(2147483000, 10000), 2147483647);
    EXPECT_EQ(heldMoney(-5000000000LL), -2147483647 - 1);
}

TEST(EarthTime, StaysExactWrittenWithoutTrailingZerosAndComparedWithTheEndYear) {
    EarthTime t = EarthTime::atStart();
    EXPECT_EQ(t.text(), "2300.00");
    EXPECT_EQ(t.plus(Decimal::hundredths(141)).text(), "2301.41");
    EXPECT_EQ(t.plus(Decimal::hundredths(200)).text(), "2302");
    for (int i = 0; i < 1000; ++i)
        t = t.plus(Decimal::hundredths(33));
    EXPECT_EQ(t.plus(Decimal::hundredths(50)).text(), "2630.5");
    const auto end = EarthTime::fromText("2400.00");
    EXPECT_FALSE(end->isAfterYear(2400));
    EXPECT_TRUE(end->plus(Decimal::hundredths(1)).isAfterYear(2400));
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
