#include "flight_draws.h"
#include "market/market.h"
#include "support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zt {
namespace {

using test::drawFor;
using test::Draws;
using test::ScriptedRandom;
using test::shippedCatalogue;

template <class List> std::vector<int> goodsOf(const List& list) {
    return {list.begin(), list.end()};
}

// Every galaxy's lists dealt from the lowest goods: demands 1..4 and supplies 5..8; the black
// market demands 1, 2 and supplies 3, 4.
GameState listsByHand() {
    GameState s;
    ScriptedRandom draws;
    test::addDealingDraws(draws);
    dealAllLists(s, draws);
    EXPECT_EQ(draws.remaining(), 0u);
    return s;
}

TEST(MarketDealing, RedrawsGoodsAlreadyTakenAndKeepsSuppliesOffTheDemands) {
    Galaxy g;
    // Demands: 5, 5 again (redrawn) -> 9, 1, 20. Supplies: 9 (demanded, redrawn) -> 2,
    // 20 (demanded) -> 3, 2 (taken) -> 4, 17.
    Draws draws{};
    for (int good : {5, 5, 9, 1, 20, 9, 2, 20, 3, 2, 4, 17})
        draws.add(drawFor(good, 1, kGoods));
    dealGoodsLists(g, draws);
    EXPECT_EQ(goodsOf(g.demands), (std::vector<int>{5, 9, 1, 20}));
    EXPECT_EQ(goodsOf(g.supplies), (std::vector<int>{2, 3, 4, 17}));
}

TEST(MarketDealing, DealsEveryGalaxysGoodsListsBeforeAnyBlackMarketList) {
    for (const Galaxy& g : listsByHand().galaxies) {
        EXPECT_EQ(goodsOf(g.demands), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(goodsOf(g.supplies), (std::vector<int>{5, 6, 7, 8}));
        EXPECT_EQ(goodsOf(g.blackDemands), (std::vector<int>{1, 2}));
        EXPECT_EQ(goodsOf(g.blackSupplies), (std::vector<int>{3, 4}));
    }
}

std::int32_t priceAt(std::int32_t high, std::int32_t low, float r) {
    Draws draws{r};
    return drawPrice(PriceRange{high, low}, draws);
}
std::int32_t lotAt(std::int32_t high, float r) {
    Draws draws{r};
    return drawQuantity(high, draws);
}

TEST(MarketDraws, PricesReachOneAboveTheHighAndQuantitiesFollowEachPriceClass) {
    const float top = 0.99999994f;
    EXPECT_EQ(priceAt(6, 2, 0.0f), 2);
    EXPECT_EQ(priceAt(6, 2, top), 7);
    EXPECT_EQ(priceAt(6, 2, 0.5f), 4) << "4.5 rounds to the even 4";
    // The smallest and largest lots of the dearest good, and the largest of the cheapest.
    EXPECT_EQ(lotAt(220000, 0.0f), 2);
    EXPECT_EQ(lotAt(220000, top), 214);
    EXPECT_EQ(lotAt(6, top), 40825);
}

TEST(MarketRefresh, DrawsInFourPassesInTheDocumentedOrder) {
    GameState s = listsByHand();
    // 16 × 8 prices, 16 × 8 quantities, 16 × 4 black prices, 16 × 4 black quantities. All
    // draws are 0 except the first of each pass, which is the top of the range.
    ScriptedRandom draws;
    for (int pass = 0; pass < 4; ++pass)
        for (int i = 0; i < (pass < 2 ? 16 * 8 : 16 * 4); ++i)
            draws.add(i == 0 ? 0.99999994f : 0.0f);
    refreshMarkets(s, shippedCatalogue(), draws);
    EXPECT_EQ(draws.remaining(), 0u);
    const Galaxy& first = s.galaxies[1];
    EXPECT_EQ(first.demandPrice[1], 220001); // first draw of the price pass
    EXPECT_EQ(first.supplyPrice[1], 30000);  // good 5 at its low
    EXPECT_EQ(first.demandQuantity[1], 214); // first draw of the quantity pass
    EXPECT_EQ(first.supplyQuantity[1], 4);   // good 5 (high 70000): b = 3.78 rounds to 4
    EXPECT_EQ(first.blackDemandPrice[1], 100001);
    EXPECT_EQ(s.galaxies[16].blackSupplyPrice[2], 100);
}

} // namespace
} // namespace zt
