#include "market/search.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(GoodSearch, ListsGalaxiesInNumberOrderFromTheListsOfTheMarketAsked) {
    GameState s; // every list empty (good 0) unless set here
    s.currentGalaxy = 1;
    s.galaxies[12].supplies[4] = 7;
    s.galaxies[3].supplies[1] = 7;
    s.galaxies[16].demands[2] = 7;
    s.galaxies[1].demands[3] = 7;
    s.galaxies[5].demands[1] = 8;
    s.galaxies[9].blackSupplies[2] = 7;
    s.galaxies[14].blackDemands[1] = 6;
    const GoodSearch regular = searchGood(s, MarketKind::tradingPost, 7);
    EXPECT_EQ(regular.supplying, (std::vector<int>{3, 12}));
    EXPECT_EQ(regular.demanding, (std::vector<int>{1, 16}));
    const GoodSearch black = searchGood(s, MarketKind::blackMarket, 7);
    EXPECT_EQ(black.supplying, (std::vector<int>{9}));
    EXPECT_TRUE(black.demanding.empty());
}

} // namespace
} // namespace zt
