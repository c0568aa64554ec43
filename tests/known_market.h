#pragma once
// A market set by hand, shared by the rule tests and the window tests.
#include "core/game_state.h"

namespace zt::test {

// The Trading Post sells goods 5..8 in slots 1..4 at $30, 50 of each, and buys goods 1..4 at
// $100 × slot, 100 of each. The Black Market sells black good 3 ($40, 20 units) and 4 ($700,
// 5 units) and buys 1 ($5,000) and 2 ($60), 10 of each. Nothing else is bought.
inline void setKnownMarket(Galaxy& g) {
    g.demandQuantity.fill(0);
    g.demandPrice.fill(0);
    g.blackDemandQuantity.fill(0);
    g.blackDemandPrice.fill(0);
    for (int k = 1; k <= 4; ++k) {
        g.demands[k] = static_cast<std::int16_t>(k);
        g.demandPrice[k] = 100 * k;
        g.demandQuantity[k] = 100;
        g.supplies[k] = static_cast<std::int16_t>(k + 4);
        g.supplyPrice[k] = 30;
        g.supplyQuantity[k] = 50;
    }
    g.blackDemands[1] = 1, g.blackDemands[2] = 2;
    g.blackDemandPrice[1] = 5000, g.blackDemandPrice[2] = 60;
    g.blackDemandQuantity[1] = 10, g.blackDemandQuantity[2] = 10;
    g.blackSupplies[1] = 3, g.blackSupplies[2] = 4;
    g.blackSupplyPrice[1] = 40, g.blackSupplyPrice[2] = 700;
    g.blackSupplyQuantity[1] = 20, g.blackSupplyQuantity[2] = 5;
}

} // namespace zt::test
