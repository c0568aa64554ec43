#include "services/scrapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace zt {
namespace {

TEST(Scrapping, PaysTwoDollarsAUnitAndFreesTheHold) {
    GameState s;
    s.cash = 1000;
    s.cargo[4] = {37, 950};
    s.cargo[5] = {10, 20};
    s.blackCargo[2] = {3, 100};
    s.cargoInHold = 50;
    const TradeOutcome out = scrapCargo(s, 4);
    ASSERT_TRUE(out.accepted());
    EXPECT_EQ(out.units, 37);
    EXPECT_EQ(out.dollars, 74);
    EXPECT_EQ(s.cash, 1074);
    EXPECT_EQ(s.cargoInHold, 13);
    EXPECT_EQ(s.cargo[4].quantity, 0);
    EXPECT_EQ(s.cargo[5], (CargoItem{10, 20}));
    EXPECT_EQ(s.blackCargo[2], (CargoItem{3, 100}));
}

TEST(Scrapping, IsRefusedWhenTheCashWouldPassTheLimit) {
    const std::int32_t top = std::numeric_limits<std::int32_t>::max();
    GameState s;
    s.cash = top - 1;
    s.cargo[1] = {1, 10};
    s.cargoInHold = 1;
    const GameState before = s;
    EXPECT_EQ(scrapCargo(s, 1).refusal, TradeRefusal::cashLimit);
    EXPECT_TRUE(s == before);
    s.cash = top - 2;
    ASSERT_TRUE(scrapCargo(s, 1).accepted());
    EXPECT_EQ(s.cash, top);
}

} // namespace
} // namespace zt
