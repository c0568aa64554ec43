#include "known_market.h"
#include "market/trading.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr std::int32_t kTop = 2147483647;

// A Planet Hopper (100 units of cargo) at galaxy 1 with the known market and `cargo` units of
// `good` aboard (cargo[good]).
GameState tradingWorld(std::int32_t cash, int good = 0, CargoItem cargo = {}) {
    GameState s = test::flying(cash, 0);
    s.currentGalaxy = 1;
    test::setKnownMarket(s.galaxies[1]);
    if (good != 0) s.cargo[good] = cargo, s.cargoInHold = static_cast<std::int16_t>(cargo.quantity);
    return s;
}

Market goodsHere(GameState& s) {
    return marketHere(s, test::shippedCatalogue(), MarketKind::tradingPost);
}

TEST(PurchaseMaximum, IsTheLeastOfCashOfferAndRoomAndMayBeNegative) {
    // Slot 2 sells good 6 at $30; rows: cash, units offered, units in the hold, the maximum.
    const std::int32_t cases[][4] = {
        {1000, 50, 0, 33},    // the cash pays for 33
        {3000, 20, 0, 20},    // all that is offered
        {3000, 50, 80, 20},   // 20 units of room
        {-100, 50, 0, -4},    // debt in cash: floor(-3.33)
        {1000, 50, 150, -50}, // over-full after moving to a smaller ship
    };
    for (const auto& [cash, offer, inHold, maximum] : cases) {
        GameState s = tradingWorld(cash);
        s.cargoInHold = static_cast<std::int16_t>(inHold);
        s.galaxies[1].supplyQuantity[2] = offer;
        EXPECT_EQ(purchaseMaximum(goodsHere(s), 2), maximum) << cash << " " << offer;
    }
}

TEST(Trade, MergesCargoAtThePricePaidHalvesToEvenAndSellsWithinCargoAndDemand) {
    GameState s = tradingWorld(100'000, 5, {10, 100});
    s.galaxies[1].supplyPrice[1] = 120;
    ASSERT_EQ(buy(goodsHere(s), 1, 30).maximum, 20); // what is left on offer
    EXPECT_EQ(s.cargo[5], (CargoItem{40, 115}));     // (1000 + 3600) / 40
    EXPECT_EQ(mergedPricePaid(100, 1, 125, 1), 112); // 112.5
    EXPECT_EQ(mergedPricePaid(100, 1, 127, 1), 114); // 113.5

    s = tradingWorld(0, 2, {100, 37});
    s.galaxies[1].demandQuantity[2] = 30;
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30); // demanded 30 of 100 carried
    s.galaxies[1].demandQuantity[2] = 100;
    s.cargo[2].quantity = 30, s.cargoInHold = 30;
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30); // carried 30 of 100 demanded
    ASSERT_TRUE(sell(goodsHere(s), 2, 30).done());
    EXPECT_EQ(s.cash, 6000);
    EXPECT_EQ(s.cargo[2], (CargoItem{0, 0})) << "selling out forgets the price paid";
}

TEST(Trade, EachLimitIsRefusedWithItsOwnReason) {
    // Buying from slot 1 (good 5 at $30, 50 offered) or selling good 3 ($300, 30 carried).
    const std::tuple<const char*, bool, std::int32_t, std::int64_t, Refusal> cases[] = {
        {"buying one over the maximum", false, 1000, 34, Refusal::AboveLimit},
        {"selling zero units", true, 500, 0, Refusal::TooFew},
        {"selling more than carried", true, 500, 31, Refusal::AboveLimit},
        {"selling cash past the 32-bit limit", true, kTop - 299, 1, Refusal::MoneyRange},
        {"selling cash right up to the limit", true, kTop - 300, 1, Refusal::None},
    };
    for (const auto& [what, sale, cash, units, refusal] : cases) {
        GameState s = tradingWorld(cash, 3, {30, 10});
        const TradeOutcome out = sale ? sell(goodsHere(s), 3, units) : buy(goodsHere(s), 1, units);
        EXPECT_EQ(out.refusal, refusal) << what;
    }
}

TEST(TradeRows, PadNameToTwentyFourPriceToThirteenQuantityToFourteen) {
    // A field that fills its column is still kept apart from the next.
    EXPECT_EQ(tradeRow("A name of exactly 24 chr", 1234567890123, 1),
              "A name of exactly 24 chr 1234567890123 1             ");
}

} // namespace
} // namespace zt
