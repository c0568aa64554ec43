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

TEST(Purchase, OfTheMaximumLeavesAMaximumOfNothingWhateverTheLimit) {
    struct Case {
        const char* limit;
        std::int32_t cash, offer;
        std::int16_t inHold;
    };
    const Case cases[] = {{"cash", 1000, 50, 0}, {"offer", 5000, 40, 0}, {"hold", 5000, 50, 75}};
    for (const Case& c : cases) {
        GameState s = tradingWorld(c.cash);
        s.cargoInHold = c.inHold;
        s.galaxies[1].supplyQuantity[1] = c.offer;
        const Market m = goodsHere(s);
        const TradeOutcome out = buy(m, 1, purchaseMaximum(m, 1));
        EXPECT_TRUE(out.accepted()) << c.limit;
        EXPECT_EQ(out.maximum, 0) << c.limit;
        EXPECT_EQ(buy(m, 1, 1).refusal, TradeRefusal::overMaximum) << c.limit;
    }
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
        {100, 2, 101, 1, 100},   // 100.33
        {100, 1, 102, 2, 101},   // 101.33
        {10, 3, 11, 1, 10},      // 10.25
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

TEST(SaleMaximum, IsTheSmallerOfOwnedAndDemanded) {
    GameState s = tradingWorld();
    s.cargo[2] = {30, 10};
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30);
    s.cargo[2] = {100, 10};
    s.galaxies[1].demandQuantity[2] = 30;
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 30);
    s.galaxies[1].demandQuantity[2] = 0;
    EXPECT_EQ(saleMaximum(goodsHere(s), 2), 0);
    EXPECT_FALSE(buysGood(goodsHere(s), 2));
    EXPECT_TRUE(buysGood(goodsHere(s), 1));
    EXPECT_FALSE(buysGood(goodsHere(s), 9)); // not among the demands
}

TEST(Sale, PaysLowersTheDemandAndKeepsThePricePaid) {
    GameState s = tradingWorld(0);
    s.cargo[2] = {100, 37};
    s.cargoInHold = 100;
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

TEST(BlackMarket, TradesItsOwnGoodsThroughTheSameRules) {
    GameState s = tradingWorld(1000);
    const Market black = blackHere(s);
    EXPECT_EQ(black.supplies.size(), 2);
    EXPECT_EQ(black.demands.size(), 2);
    EXPECT_EQ(purchaseMaximum(black, 1), 20); // $1000 at 40 is 25, 20 on offer
    EXPECT_EQ(purchaseMaximum(black, 2), 1);  // $1000 at 700

    ASSERT_TRUE(buy(black, 1, 20).accepted());
    EXPECT_EQ(s.cash, 200);
    EXPECT_EQ(s.blackCargo[3], (CargoItem{20, 40}));
    EXPECT_EQ(s.galaxies[1].blackSupplyQuantity[1], 0);
    EXPECT_EQ(s.cargo[7], CargoItem{}); // the regular good 3 slots along is untouched
    EXPECT_EQ(s.galaxies[1].supplyQuantity[1], 50);

    // A black good nobody here buys cannot be sold; a demanded one can.
    s.blackCargo[1] = {4, 1000};
    s.cargoInHold = 24;
    EXPECT_FALSE(buysGood(black, 3));
    EXPECT_EQ(saleMaximum(black, 3), 0);
    EXPECT_TRUE(buysGood(black, 1));
    ASSERT_TRUE(sell(black, 1, 4).accepted());
    EXPECT_EQ(s.cash, 20'200);
    EXPECT_EQ(s.blackCargo[1], (CargoItem{0, 0}));
    EXPECT_EQ(s.galaxies[1].blackDemandQuantity[1], 6);
    EXPECT_EQ(s.galaxies[1].demandQuantity[1], 100); // the regular demand is untouched
}

TEST(BlackMarket, SharesTheHoldWithTheTradingPost) {
    GameState s = tradingWorld(100'000);
    ASSERT_TRUE(buy(blackHere(s), 1, 15).accepted());
    EXPECT_EQ(s.cargoInHold, 15);
    EXPECT_EQ(purchaseMaximum(goodsHere(s), 1), 50); // 85 units of room, 50 offered
    s.galaxies[1].supplyQuantity[1] = 500;
    EXPECT_EQ(purchaseMaximum(goodsHere(s), 1), 85);
    ASSERT_TRUE(buy(goodsHere(s), 1, 85).accepted());
    EXPECT_EQ(purchaseMaximum(blackHere(s), 1), 0);
    EXPECT_EQ(buy(blackHere(s), 1, 1).refusal, TradeRefusal::overMaximum);

    // The average price of a black good bought twice.
    s = tradingWorld(100'000);
    ASSERT_TRUE(buy(blackHere(s), 1, 1).accepted());
    s.galaxies[1].blackSupplyPrice[1] = 45;
    ASSERT_TRUE(buy(blackHere(s), 1, 1).accepted());
    EXPECT_EQ(s.blackCargo[3], (CargoItem{2, 42})); // 42.5 to the even 42
}

TEST(TradeRows, PadNameToTwentyFourPriceToThirteenQuantityToFourteen) {
    EXPECT_EQ(tradeRow("Web Servers", 120000, 37),
              "Web Servers             120000       37            ");
    EXPECT_EQ(tradeRow("", -5, 0), std::string(24, ' ') + "-5           0             ");
    // A field that fills its column is still kept apart from the next.
    EXPECT_EQ(tradeRow("A name of exactly 24 chr", 1234567890123, 1),
              "A name of exactly 24 chr 1234567890123 1             ");
    EXPECT_EQ(tradeRow("x", 2, 12345678901234),
              "x                       2            12345678901234 ");
}

TEST(TradeRows, ListEverySlotAndOnlyTheCarriedGoods) {
    GameState s = tradingWorld();
    s.galaxies[1].supplyQuantity[2] = 0;
    s.cargo[20] = {3, 4};
    s.cargo[9] = {12, 1500};
    s.cargo[11] = {0, 77}; // a record of nothing is not carried
    const Catalogue& c = shippedCatalogue();

    const std::vector<std::string> forSale = forSaleRows(goodsHere(s));
    ASSERT_EQ(forSale.size(), 4u);
    EXPECT_EQ(forSale[1], tradeRow(c.goodsNames[6], 30, 0));
    const std::vector<std::string> wanted = wantedRows(goodsHere(s));
    ASSERT_EQ(wanted.size(), 4u);
    EXPECT_EQ(wanted[3], tradeRow(c.goodsNames[4], 400, 100));

    const std::vector<InventoryRow> inventory = inventoryRows(goodsHere(s));
    ASSERT_EQ(inventory.size(), 2u);
    EXPECT_EQ(inventory[0].good, 9);
    EXPECT_EQ(inventory[0].text, tradeRow(c.goodsNames[9], 1500, 12));
    EXPECT_EQ(inventory[1].good, 20);

    s.blackCargo[6] = {1, 10};
    const Market black = blackHere(s);
    EXPECT_EQ(forSaleRows(black),
              (std::vector<std::string>{tradeRow(c.blackGoodsNames[3], 40, 20),
                                        tradeRow(c.blackGoodsNames[4], 700, 5)}));
    EXPECT_EQ(wantedRows(black).size(), 2u);
    ASSERT_EQ(inventoryRows(black).size(), 1u);
    EXPECT_EQ(inventoryRows(black)[0].good, 6);
    EXPECT_EQ(inventoryRows(black)[0].text, tradeRow(c.blackGoodsNames[6], 10, 1));
}

} // namespace
} // namespace zt
