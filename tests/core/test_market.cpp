#include "market/market.h"
#include "support.h"

#include <gtest/gtest.h>

#include <functional>

namespace zt {
namespace {

using test::drawFor;
using test::ScriptedRandom;

using test::Draws;
using test::shippedCatalogue;

TEST(MarketDealing, RedrawsGoodsAlreadyTakenAndKeepsSuppliesOffTheDemands) {
    Galaxy g;
    // Demands: 5, 5 again (redrawn) -> 9, 1, 20. Supplies: 9 (demanded, redrawn) -> 2,
    // 20 (demanded) -> 3, 2 (taken) -> 4, 17.
    Draws draws{drawFor(5, 1, 20),  drawFor(5, 1, 20), drawFor(9, 1, 20), drawFor(1, 1, 20),
                drawFor(20, 1, 20), drawFor(9, 1, 20), drawFor(2, 1, 20), drawFor(20, 1, 20),
                drawFor(3, 1, 20),  drawFor(2, 1, 20), drawFor(4, 1, 20), drawFor(17, 1, 20)};
    dealGoodsLists(g, draws);
    EXPECT_EQ(std::vector<int>(g.demands.begin(), g.demands.end()),
              (std::vector<int>{5, 9, 1, 20}));
    EXPECT_EQ(std::vector<int>(g.supplies.begin(), g.supplies.end()),
              (std::vector<int>{2, 3, 4, 17}));

    Draws black{drawFor(6, 1, 6), drawFor(6, 1, 6), drawFor(1, 1, 6), drawFor(1, 1, 6),
                drawFor(2, 1, 6), drawFor(6, 1, 6), drawFor(3, 1, 6)};
    dealBlackLists(g, black);
    EXPECT_EQ(g.blackDemands[1], 6);
    EXPECT_EQ(g.blackDemands[2], 1);
    EXPECT_EQ(g.blackSupplies[1], 2);
    EXPECT_EQ(g.blackSupplies[2], 3);
}

TEST(MarketPrices, FollowTheRangeUpToOneAboveTheHigh) {
    const PriceRange modems{6, 2};
    Draws draws{0.0f, 0.99999994f, 0.5f, 0.9f};
    EXPECT_EQ(drawPrice(modems, draws), 2);
    EXPECT_EQ(drawPrice(modems, draws), 7); // r × 5 + 2 rounds to high + 1 near the top
    EXPECT_EQ(drawPrice(modems, draws), 4); // 4.5 rounds to the even 4
    EXPECT_EQ(drawPrice(modems, draws), 6); // 6.5 rounds to 6
    Draws top{0.99999994f};
    EXPECT_EQ(drawPrice(PriceRange{220000, 140000}, top), 220001);
}

TEST(MarketQuantities, MatchTheLotSizesOfEachPriceClass) {
    struct Case {
        int high, lowest, highest;
    };
    const Case cases[] = {{220000, 2, 214}, {17000, 8, 768}, {6, 408, 40825}, {100, 100, 10001}};
    for (const Case& c : cases) {
        Draws draws{0.0f, 0.99999994f};
        EXPECT_EQ(drawQuantity(c.high, draws), c.lowest) << c.high;
        EXPECT_EQ(drawQuantity(c.high, draws), c.highest) << c.high;
    }
}

// A galaxy state dealt and priced with the clock, as a new game does.
GameState dealtUniverse(RandomSource& rng) {
    GameState s;
    clearMarkets(s);
    dealAllLists(s, rng);
    refreshMarkets(s, shippedCatalogue(), rng);
    return s;
}

TEST(MarketRefresh, DrawsInFourPassesInTheDocumentedOrder) {
    GameState s;
    // Galaxy lists fixed by hand: every galaxy demands 1..4, supplies 5..8, black 1,2 / 3,4.
    for (Galaxy& g : s.galaxies) {
        for (int k = 1; k <= 4; ++k) {
            g.demands[k] = static_cast<std::int16_t>(k);
            g.supplies[k] = static_cast<std::int16_t>(k + 4);
        }
        g.blackDemands[1] = 1, g.blackDemands[2] = 2;
        g.blackSupplies[1] = 3, g.blackSupplies[2] = 4;
    }
    // 16 × 8 prices, 16 × 8 quantities, 16 × 4 black prices, 16 × 4 black quantities. All
    // draws are 0 except the first of each pass, which is the top of the range.
    ScriptedRandom draws;
    for (int pass = 0; pass < 4; ++pass) {
        const int count = pass < 2 ? 16 * 8 : 16 * 4;
        for (int i = 0; i < count; ++i)
            draws.add(i == 0 ? 0.99999994f : 0.0f);
    }
    refreshMarkets(s, shippedCatalogue(), draws);
    EXPECT_EQ(draws.remaining(), 0u);
    const Galaxy& first = s.galaxies[1];
    EXPECT_EQ(first.demandPrice[1], 220001); // first draw of the price pass
    EXPECT_EQ(first.supplyPrice[1], 30000);  // good 5 at its low
    EXPECT_EQ(first.demandQuantity[1], 214); // first draw of the quantity pass
    EXPECT_EQ(first.supplyQuantity[1], 4);   // good 5 (high 70000): b = 3.78 rounds to 4
    EXPECT_EQ(first.blackDemandPrice[1], 100001);
    EXPECT_EQ(first.blackDemandQuantity[1], 317);
    EXPECT_EQ(s.galaxies[16].demandPrice[4], 50000);
    EXPECT_EQ(s.galaxies[16].blackSupplyPrice[2], 100);
}

TEST(MarketInvariants, HoldAfterManyRealDealsRefreshesAndShifts) {
    ClockRandom rng(2024);
    const Catalogue& c = shippedCatalogue();
    for (int round = 0; round < 200; ++round) {
        GameState s = dealtUniverse(rng);
        if (round % 2) {
            shiftTrends(s, rng);
            // Before the refresh that follows a shift, no demand has a quantity yet.
            for (const Galaxy& g : s.galaxies)
                for (int good = 1; good <= kGoods; ++good)
                    ASSERT_EQ(g.demandQuantity[good], 0);
            refreshMarkets(s, c, rng);
        }
        for (int gi = 1; gi <= kGalaxies; ++gi) {
            const Galaxy& g = s.galaxies[gi];
            ASSERT_TRUE(marketInvariantsHold(g)) << "round " << round << " galaxy " << gi;
            for (int k = 1; k <= kSupplySlots; ++k) {
                const PriceRange& r = c.goodsPriceRange[g.supplies[k]];
                EXPECT_GE(g.supplyPrice[k], r.low);
                EXPECT_LE(g.supplyPrice[k], r.high + 1);
                EXPECT_GE(g.supplyQuantity[k], 1);
            }
            for (int k = 1; k <= kDemandSlots; ++k)
                EXPECT_GE(g.demandQuantity[g.demands[k]], 1);
        }
    }
}

TEST(MarketInvariants, DetectBrokenLists) {
    ClockRandom rng(7);
    GameState s = dealtUniverse(rng);
    Galaxy g = s.galaxies[1];
    ASSERT_TRUE(marketInvariantsHold(g));
    const std::function<void(Galaxy&)> breaks[] = {
        [](Galaxy& b) { b.supplies[2] = b.supplies[1]; },
        [](Galaxy& b) { b.supplies[1] = b.demands[1]; },
        [](Galaxy& b) { b.demandQuantity[b.supplies[1]] = 5; },
        [](Galaxy& b) { b.blackSupplies[1] = 7; },
    };
    for (const auto& brk : breaks) {
        Galaxy broken = g;
        brk(broken);
        EXPECT_FALSE(marketInvariantsHold(broken));
    }
}

} // namespace
} // namespace zt
