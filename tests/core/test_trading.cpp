#include "known_market.h"
#include "market/trading.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>

namespace zt {
namespace {

using test::shippedCatalogue;

constexpr int kHopper = 1; // 100 units of cargo
constexpr int kIntrepid = 7;

// A game at galaxy 1 with the known market.
GameState tradingWorld(std::int32_t cash = 1000) {
    GameState s;
    s.currentGalaxy = 1;
    s.shipType = kHopper;
    s.cash = cash;
    s.galaxies[1].name = "Milky Way";
    test::setKnownMarket(s.galaxies[1]);
    return s;
}

Market goodsHere(GameState& s) {
    return marketHere(s, shippedCatalogue(), MarketKind::tradingPost);
}
Market blackHere(GameState& s) {
    return marketHere(s, shippedCatalogue(), MarketKind::blackMarket);
}

TEST(PurchaseMaximum, IsTheLeastOfCashOfferAndRoom) {
    struct Case {
        std::int32_t cash, price, offer;
        std::int16_t inHold, shipType;
        std::int64_t maximum;
    };
    const Case cases[] = {
        {1000, 30, 50, 0, kHopper, 33},    // the cash pays for 33
        {3000, 30, 50, 0, kHopper, 50},    // all that is offered
        {3000, 30, 50, 80, kHopper, 20},   // 20 units of room
        {900, 30, 50, 0, kHopper, 30},     // the cash pays exactly
        {29, 30, 50, 0, kHopper, 0},       // not a single unit
        {1000, 30, 0, 0, kHopper, 0},      // nothing on offer
        {1000, 30, 50, 100, kHopper, 0},   // a full hold
        {-100, 30, 50, 0, kHopper, -4},    // debt in cash: floor(-3.33)
        {-30, 30, 50, 0, kHopper, -1},     // exactly one unit short
        {1000, 30, 50, 150, kHopper, -50}, // over-full after moving to a smaller ship
        {std::numeric_limits<std::int32_t>::max(), 1, 2'000'000'000, 0, kIntrepid, 10000},
    };
    for (const Case& c : cases) {
        GameState s = tradingWorld(c.cash);
        s.cargoInHold = c.inHold;
        s.shipType = c.shipType;
        s.galaxies[1].supplyPrice[2] = c.price;
        s.galaxies[1].supplyQuantity[2] = c.offer;
        EXPECT_EQ(purchaseMaximum(goodsHere(s), 2), c.maximum)
            << c.cash << " " << c.price << " " << c.offer << " " << c.inHold;
    }
}

TEST(Purchase, PaysFillsTheHoldAndLowersTheOffer) {
    GameState s = tradingWorld(1000);
    const TradeOutcome out = buy(goodsHere(s), 3, 10);
    ASSERT_TRUE(out.accepted());
    EXPECT_EQ(out.units, 10);
    EXPECT_EQ(out.dollars, 300);
    EXPECT_EQ(out.maximum, 23); // $700 now pays for 23 of the 40 left
    EXPECT_EQ(s.cash, 700);
    EXPECT_EQ(s.cargoInHold, 10);
    EXPECT_EQ(s.cargo[7], (CargoItem{10, 30}));
    EXPECT_EQ(s.galaxies[1].supplyQuantity[3], 40);
    EXPECT_EQ(s.galaxies[1].supplyPrice[3], 30);
    EXPECT_EQ(s.galaxies[1].supplyQuantity[2], 50); // other slots untouched
}

TEST(Purchase, RefusalsAndZeroUnitsChangeNothing) {
    struct Case {
        const char* what;
        std::int32_t cash;
        std::int16_t inHold;
        std::int64_t units;
        TradeRefusal refusal;
    };
    const Case cases[] = {
        {"one over the maximum", 1000, 0, 34, TradeRefusal::overMaximum},
        {"a held huge amount", 1000, 0, 1'000'000'000'000'000LL, TradeRefusal::overMaximum},
        {"negative units", 1000, 0, -1, TradeRefusal::tooFew},
        {"zero with negative cash", -100, 0, 0, TradeRefusal::overMaximum},
        {"zero with an over-full hold", 1000, 120, 0, TradeRefusal::overMaximum},
        {"zero units", 1000, 0, 0, TradeRefusal::none},
    };
    for (const Case& c : cases) {
        GameState s = tradingWorld(c.cash);
        s.cargoInHold = c.inHold;
        const GameState before = s;
        const TradeOutcome out = buy(goodsHere(s), 1, c.units);
        EXPECT_EQ(out.refusal, c.refusal) << c.what;
        EXPECT_EQ(out.units, 0) << c.what;
        EXPECT_EQ(out.maximum, purchaseMaximum(goodsHere(s), 1)) << c.what;
        EXPECT_TRUE(s == before) << c.what; // the price paid of an empty record too
    }
}

TEST(Purchase, MergesIntoOneRecordAtTheRoundedWeightedAverage) {
    struct Case {
        std::int32_t paid, held, price, added, merged;
    };
    const Case cases[] = {
        {100, 10, 120, 30, 115}, // (1000 + 3600) / 40
        {100, 1, 125, 1, 112},   // 112.5 to the even 112
        {100, 1, 127, 1, 114},   // 113.5 to the even 114
        {10, 1, 11, 3, 11},      // 10.75
        // The products pass 32 bits by far and still give the exact average.
        {2'000'000'000, 2'000'000'000, 2'000'000'001, 2'000'000'000, 2'000'000'000},
        {2'147'483'647, 2'147'483'647, 2'147'483'647, 2'147'483'647, 2'147'483'647},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mergedPricePaid(c.paid, c.held, c.price, c.added), c.merged)
            << c.paid << "x" << c.held << " + " << c.price << "x" << c.added;

    GameState s = tradingWorld(100'000);
    s.cargo[5] = {10, 100};
    s.cargoInHold = 10;
    s.galaxies[1].supplyPrice[1] = 120;
    ASSERT_TRUE(buy(goodsHere(s), 1, 30).accepted());
    EXPECT_EQ(s.cargo[5], (CargoItem{40, 115}));
    EXPECT_EQ(s.cargoInHold, 40);
}

TEST(Sale, PaysLowersTheDemandAndKeepsThePricePaid) {
    GameState s = tradingWorld(0);
    s.cargo[2] = {30, 37};
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30); // owned 30, demanded 100
    s.cargo[2] = {100, 37};
    s.cargoInHold = 100;
    s.galaxies[1].demandQuantity[2] = 30;
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30); // owned 100, demanded 30
    s.galaxies[1].demandQuantity[2] = 100;
    const TradeOutcome out = sell(goodsHere(s), 2, 30);
    ASSERT_TRUE(out.accepted());
    EXPECT_EQ(out.units, 30);
    EXPECT_EQ(out.dollars, 6000);
    EXPECT_EQ(out.maximum, 70);
    EXPECT_EQ(s.cash, 6000);
    EXPECT_EQ(s.cargoInHold, 70);
    EXPECT_EQ(s.cargo[2], (CargoItem{70, 37}));
    EXPECT_EQ(s.galaxies[1].demandQuantity[2], 70);
    EXPECT_EQ(s.galaxies[1].demandPrice[2], 200);

    // Selling out forgets the price paid, so the next purchase starts a new average.
    const TradeOutcome rest = sell(goodsHere(s), 2, 70);
    ASSERT_TRUE(rest.accepted());
    EXPECT_EQ(rest.maximum, 0);
    EXPECT_EQ(s.cargo[2], (CargoItem{0, 0}));
    EXPECT_EQ(s.cargoInHold, 0);
    EXPECT_EQ(s.galaxies[1].demandQuantity[2], 0);
    EXPECT_FALSE(buysGood(goodsHere(s), 2));
    EXPECT_EQ(sell(goodsHere(s), 2, 1).refusal, TradeRefusal::overMaximum);
}

TEST(Sale, RefusalsChangeNothing) {
    struct Case {
        const char* what;
        std::int32_t cash;
        std::int64_t units;
        TradeRefusal refusal;
    };
    const std::int32_t top = std::numeric_limits<std::int32_t>::max();
    const Case cases[] = {
        {"zero units", 500, 0, TradeRefusal::tooFew},
        {"negative units", 500, -3, TradeRefusal::tooFew},
        {"more than carried", 500, 31, TradeRefusal::overMaximum},
        {"cash past the 32-bit limit", top - 299, 1, TradeRefusal::cashLimit},
    };
    for (const Case& c : cases) {
        GameState s = tradingWorld(c.cash);
        s.cargo[3] = {30, 10};
        s.cargoInHold = 30;
        const GameState before = s;
        EXPECT_EQ(sell(goodsHere(s), 3, c.units).refusal, c.refusal) << c.what;
        EXPECT_TRUE(s == before) << c.what;
    }
    GameState s = tradingWorld(top - 300);
    s.cargo[3] = {30, 10};
    s.cargoInHold = 30;
    ASSERT_TRUE(sell(goodsHere(s), 3, 1).accepted()); // right up to the limit is fine
    EXPECT_EQ(s.cash, top);
}

TEST(BlackMarket, TradesItsOwnGoodsInTheHoldItSharesWithTheTradingPost) {
    GameState s = tradingWorld(1000);
    const Market black = blackHere(s);
    EXPECT_EQ(purchaseMaximum(black, 2), 1); // $1000 at 700
    ASSERT_TRUE(buy(black, 1, 20).accepted());
    EXPECT_EQ(s.cash, 200);
    EXPECT_EQ(s.blackCargo[3], (CargoItem{20, 40}));
    EXPECT_EQ(s.galaxies[1].blackSupplyQuantity[1], 0);
    EXPECT_EQ(s.cargo[7], CargoItem{}); // the regular goods are untouched
    EXPECT_EQ(s.galaxies[1].supplyQuantity[1], 50);
    EXPECT_EQ(purchaseMaximum(goodsHere(s), 1), 6); // $200 at 30, 80 units of room

    // The hold is one: regular goods fill what black goods left.
    s.cash = 100'000;
    s.galaxies[1].supplyQuantity[1] = 500;
    ASSERT_TRUE(buy(goodsHere(s), 1, 80).accepted());
    s.galaxies[1].blackSupplyQuantity[1] = 10;
    EXPECT_EQ(buy(black, 1, 1).refusal, TradeRefusal::overMaximum);

    // A black good nobody here buys cannot be sold; a demanded one can.
    s.blackCargo[1] = {4, 1000};
    s.cargoInHold = 104;
    EXPECT_FALSE(buysGood(black, 3));
    ASSERT_TRUE(sell(black, 1, 4).accepted());
    EXPECT_EQ(s.blackCargo[1], (CargoItem{0, 0}));
    EXPECT_EQ(s.galaxies[1].blackDemandQuantity[1], 6);
    EXPECT_EQ(s.galaxies[1].demandQuantity[1], 100);
}

TEST(TradeRows, PadNameToTwentyFourPriceToThirteenQuantityToFourteen) {
    EXPECT_EQ(tradeRow("Web Servers", 120000, 37),
              "Web Servers             120000       37            ");
    EXPECT_EQ(tradeRow("", -5, 0), std::string(24, ' ') + "-5           0             ");
    // A field that fills its column is still kept apart from the next.
    EXPECT_EQ(tradeRow("A name of exactly 24 chr", 1234567890123, 1),
              "A name of exactly 24 chr 1234567890123 1             ");
}

} // namespace
} // namespace zt
