#include "core/decimal.h"
#include "core/earth_time.h"
#include "core/money.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

// Money's groups, the amount boxes' reading rule and the time's text on any input are proved
// by their fuzz targets; here stand the exact values the player sees.

TEST(Numbers, AmountsAreReadByTheLeadingNumberAndMoneyHeldInItsRange) {
    const std::pair<const char*, double> numbers[] = {
        {"abc", 0}, {"-5", 0}, {"12abc", 12}, {"5 000", 5000}, {"1.2.3", 1.2}, {"3,000", 3}};
    for (const auto& [in, out] : numbers)
        EXPECT_DOUBLE_EQ(readNumber(in), out) << in;
    EXPECT_EQ(readWholeAmount("0.01"), std::nullopt);
    const auto largest = Decimal::parse("1000000000"); // the largest a box reads
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->text(), "1000000000");
    EXPECT_FALSE(Decimal::parse("1000000001"));
    EXPECT_EQ(addToDebt(2147483000, 10000), 2147483647);
    EXPECT_EQ(heldMoney(-5000000000LL), -2147483647 - 1);
}

TEST(EarthTime, StartsAtItsStoredTextAndIsPastTheEndYearFromItsFirstHundredth) {
    EXPECT_EQ(EarthTime::atStart().text(), "2300.00");
    const auto end = EarthTime::fromText("2400.00");
    EXPECT_FALSE(end->isAfterYear(2400));
    EXPECT_TRUE(end->plus(Decimal::hundredths(1)).isAfterYear(2400));
}

} // namespace
} // namespace zt
