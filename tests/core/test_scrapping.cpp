#include "services/scrapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace zt {
namespace {

TEST(Scrapping, PaysTwoDollarsAUnitForOneGoodAndIsRefusedPastTheCashLimit) {
    GameState s;
    s.cash = 1000;
    s.cargo[4] = {37, 950};
    s.cargo[5] = {10, 20};
    s.blackCargo[4] = {3, 100};
    s.cargoInHold = 50;
    const TradeOutcome out = scrapCargo(s, 4);
    ASSERT_TRUE(out.done());
    EXPECT_EQ(out.dollars, 74);
    EXPECT_EQ(s.cash, 1074);
    EXPECT_EQ(s.cargoInHold, 13);
    EXPECT_EQ(s.cargo[4].quantity, 0);
    EXPECT_EQ(s.cargo[5], (CargoItem{10, 20}));
    EXPECT_EQ(s.blackCargo[4], (CargoItem{3, 100}));

    const std::int32_t top = std::numeric_limits<std::int32_t>::max();
    s.cash = top - 19;
    const GameState before = s;
    EXPECT_EQ(scrapCargo(s, 5).refusal, Refusal::MoneyRange);
    EXPECT_TRUE(s == before);
    s.cash = top - 20;
    ASSERT_TRUE(scrapCargo(s, 5).done());
    EXPECT_EQ(s.cash, top);
}

} // namespace
} // namespace zt
