#include "market/search.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

// Every galaxy supplies nothing and demands nothing, except where a test says otherwise.
GameState emptyLists() {
    GameState s;
    s.currentGalaxy = 1;
    return s;
}

TEST(GoodSearch, ListsSupplyingAndDemandingGalaxiesInGalaxyNumberOrder) {
    GameState s = emptyLists();
    s.galaxies[12].supplies[4] = 7;
    s.galaxies[3].supplies[1] = 7;
    s.galaxies[16].demands[2] = 7;
    s.galaxies[1].demands[3] = 7;
    s.galaxies[5].demands[1] = 8;
    s.galaxies[9].blackSupplies[2] = 7; // another market's good 7 does not count
    const GoodSearch found = searchGood(s, MarketKind::tradingPost, 7);
    EXPECT_EQ(found.supplying, (std::vector<int>{3, 12}));
    EXPECT_EQ(found.demanding, (std::vector<int>{1, 16}));
}

TEST(GoodSearch, LooksAtTheBlackListsForBlackGoods) {
    GameState s = emptyLists();
    s.galaxies[2].blackSupplies[1] = 5;
    s.galaxies[2].supplies[1] = 6;
    s.galaxies[14].blackDemands[2] = 5;
    s.galaxies[15].blackSupplies[2] = 6;
    const GoodSearch five = searchGood(s, MarketKind::blackMarket, 5);
    EXPECT_EQ(five.supplying, (std::vector<int>{2}));
    EXPECT_EQ(five.demanding, (std::vector<int>{14}));
    const GoodSearch six = searchGood(s, MarketKind::blackMarket, 6);
    EXPECT_EQ(six.supplying, (std::vector<int>{15}));
    EXPECT_TRUE(six.demanding.empty()); // nobody buys it: no demanding galaxy at all
}

} // namespace
} // namespace zt
