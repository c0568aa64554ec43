#include "flight_draws.h"
#include "market/market.h"
#include "support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zt {
namespace {

using test::Draws;
using test::ScriptedRandom;

template <class List> std::vector<int> goodsOf(const List& list) {
    return {list.begin(), list.end()};
}

// That no list holds a good twice and no galaxy sells what it buys is checked by the soak
// after every new game and trends shift.
TEST(MarketDealing, DealsEveryGalaxysGoodsListsBeforeAnyBlackMarketList) {
    GameState s;
    ScriptedRandom draws;
    test::addDealingDraws(draws);
    dealAllLists(s, draws);
    EXPECT_EQ(draws.remaining(), 0u);
    for (const Galaxy& g : s.galaxies) {
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
    EXPECT_EQ(priceAt(6, 2, top), 7);
    EXPECT_EQ(priceAt(6, 2, 0.5f), 4) << "4.5 rounds to the even 4";
    // The smallest and largest lots of the dearest good, and the largest of the cheapest.
    EXPECT_EQ(lotAt(220000, top), 214);
    EXPECT_EQ(lotAt(6, top), 40825);
}

} // namespace
} // namespace zt
