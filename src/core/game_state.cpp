#include "core/game_state.h"

namespace zt {

std::int64_t blackCargoUnits(const GameState& state) {
    std::int64_t units = 0;
    for (const CargoItem& item : state.blackCargo)
        units += item.quantity;
    return units;
}

void clearMarkets(GameState& state) {
    for (Galaxy& g : state.galaxies) {
        g.demands.fill(0);
        g.supplies.fill(0);
        g.blackDemands.fill(0);
        g.blackSupplies.fill(0);
        g.demandQuantity.fill(0);
        g.demandPrice.fill(0);
        g.supplyQuantity.fill(0);
        g.supplyPrice.fill(0);
        g.blackDemandQuantity.fill(0);
        g.blackDemandPrice.fill(0);
        g.blackSupplyQuantity.fill(0);
        g.blackSupplyPrice.fill(0);
    }
}

} // namespace zt
