#include "known_market.h"
#include "market/trading.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>

namespace zt {
namespace {

constexpr int kHopper = 1; // 100 units of cargo
constexpr int kIntrepid = 7;
constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();

// A game at galaxy 1 with the known market and `cargo` units of `good` aboard (cargo[good]).
GameState tradingWorld(std::int32_t cash, int good = 0, CargoItem cargo = {}) {
    GameState s;
    s.currentGalaxy = 1;
    s.shipType = kHopper;
    s.cash = cash;
    s.galaxies[1].name = "Milky Way";
    test::setKnownMarket(s.galaxies[1]);
    if (good != 0) s.cargo[good] = cargo, s.cargoInHold = static_cast<std::int16_t>(cargo.quantity);
    return s;
}

Market goodsHere(GameState& s) {
    return marketHere(s, test::shippedCatalogue(), MarketKind::tradingPost);
}

TEST(PurchaseMaximum, IsTheLeastOfCashOfferAndRoomAndMayBeNegative) {
    struct Case {
        std::int32_t cash, price, offer;
        std::int16_t inHold, shipType;
        std::int64_t maximum;
    };
    const Case cases[] = {
        {1000, 30, 50, 0, kHopper, 33},    // the cash pays for 33
        {3000, 30, 20, 0, kHopper, 20},    // all that is offered
        {3000, 30, 50, 80, kHopper, 20},   // 20 units of room
        {-100, 30, 50, 0, kHopper, -4},    // debt in cash: floor(-3.33)
        {1000, 30, 50, 150, kHopper, -50}, // over-full after moving to a smaller ship
        {kTop, 1, 2'000'000'000, 0, kIntrepid, 10000},
    };
    for (const Case& c : cases) {
        GameState s = tradingWorld(c.cash);
        s.cargoInHold = c.inHold; // 30 for the cargo aboard, more for an over-full hold
        s.shipType = c.shipType;
        s.galaxies[1].supplyPrice[2] = c.price;
        s.galaxies[1].supplyQuantity[2] = c.offer;
        EXPECT_EQ(purchaseMaximum(goodsHere(s), 2), c.maximum)
            << c.cash << " " << c.offer << " " << c.inHold;
    }
}

TEST(Purchase, MergesIntoTheCargoRecordAtThePricePaidHalvesToEven) {
    GameState s = tradingWorld(100'000, 5, {10, 100});
    s.galaxies[1].supplyPrice[1] = 120;
    const TradeOutcome out = buy(goodsHere(s), 1, 30);
    ASSERT_TRUE(out.done());
    EXPECT_EQ(out.maximum, 20);                      // what is left on offer
    EXPECT_EQ(s.cargo[5], (CargoItem{40, 115}));     // (1000 + 3600) / 40
    EXPECT_EQ(mergedPricePaid(100, 1, 125, 1), 112); // 112.5
    EXPECT_EQ(mergedPricePaid(100, 1, 127, 1), 114); // 113.5
}

TEST(Sale, IsBoundByCargoAndDemandAndSellingOutForgetsThePricePaid) {
    GameState s = tradingWorld(0, 2, {100, 37});
    s.galaxies[1].demandQuantity[2] = 30;
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30); // demanded 30 of 100 carried
    s.galaxies[1].demandQuantity[2] = 100;
    s.cargo[2].quantity = 30, s.cargoInHold = 30;
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30); // carried 30 of 100 demanded
    EXPECT_EQ(sell(goodsHere(s), 2, 12).maximum, 18);
    EXPECT_EQ(s.cash, 2400);
    ASSERT_TRUE(sell(goodsHere(s), 2, 18).done());
    EXPECT_EQ(s.cargo[2], (CargoItem{0, 0}));
}

TEST(Trade, EachLimitIsRefusedWithItsOwnReason) {
    // Buying from slot 1 (good 5 at $30, 50 offered) or selling good 3 (30 carried at $10,
    // bought at $300).
    const struct {
        const char* what;
        bool sale;
        std::int32_t cash;
        std::int64_t units;
        Refusal refusal;
    } cases[] = {
        {"buying one over the maximum", false, 1000, 34, Refusal::AboveLimit},
        {"buying negative units", false, 1000, -1, Refusal::TooFew},
        {"buying zero with negative cash", false, -100, 0, Refusal::AboveLimit},
        {"selling zero units", true, 500, 0, Refusal::TooFew},
        {"selling more than carried", true, 500, 31, Refusal::AboveLimit},
        {"selling cash past the 32-bit limit", true, kTop - 299, 1, Refusal::MoneyRange},
        {"selling cash right up to the limit", true, kTop - 300, 1, Refusal::None},
    };
    // That a refusal changes nothing is checked by the soak after every trade.
    for (const auto& c : cases) {
        GameState s = tradingWorld(c.cash, 3, {30, 10});
        const TradeOutcome out =
            c.sale ? sell(goodsHere(s), 3, c.units) : buy(goodsHere(s), 1, c.units);
        EXPECT_EQ(out.refusal, c.refusal) << c.what;
    }
}

TEST(BlackMarket, TradesItsOwnListsInTheHoldItSharesWithTheTradingPost) {
    GameState s = tradingWorld(1000);
    const Market black = marketHere(s, test::shippedCatalogue(), MarketKind::blackMarket);
    EXPECT_EQ(purchaseMaximum(black, 2), 1); // $1000 at 700
    ASSERT_TRUE(buy(black, 1, 20).done());
    EXPECT_EQ(s.blackCargo[3], (CargoItem{20, 40}));
    EXPECT_EQ(s.cargo[7], CargoItem{}); // the regular good of the same number is untouched
    EXPECT_EQ(purchaseMaximum(goodsHere(s), 1), 6); // $200 at 30, 80 units of room
    // Only what this Black Market demands can be sold, from its own demand.
    s.blackCargo[1] = {4, 1000};
    s.cargoInHold = 24;
    EXPECT_FALSE(buysGood(black, 3));
    ASSERT_TRUE(sell(black, 1, 4).done());
    EXPECT_EQ(s.galaxies[1].blackDemandQuantity[1], 6);
    EXPECT_EQ(s.galaxies[1].demandQuantity[1], 100);
}

TEST(TradeRows, PadNameToTwentyFourPriceToThirteenQuantityToFourteen) {
    EXPECT_EQ(tradeRow("Web Servers", 120000, 37),
              "Web Servers             120000       37            ");
    // A field that fills its column is still kept apart from the next.
    EXPECT_EQ(tradeRow("A name of exactly 24 chr", 1234567890123, 1),
              "A name of exactly 24 chr 1234567890123 1             ");
}

} // namespace
} // namespace zt
