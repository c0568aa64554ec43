#include "services/shipyard.h"

namespace zt {

Refusal shipRefusal(const GameState& state, const Catalogue& catalogue, int ship) {
    if (!catalogue.ships.contains(ship)) return Refusal::NoSuchShip;
    if (ship == state.shipType) return Refusal::SameShip;
    if (netCash(state) < catalogue.ships[ship].price) return Refusal::NetCashShort;
    return Refusal::None;
}

ShipAnswer buyShip(GameState& state, const Catalogue& catalogue, int ship) {
    if (const Refusal why = shipRefusal(state, catalogue, ship); why != Refusal::None)
        return {{why}};
    const ShipSpec& spec = catalogue.ships[ship];
    // Net cash covers the price, so cash less the price stays at or above the debt.
    state.cash -= spec.price;
    state.shipType = static_cast<std::int16_t>(ship);
    state.fuel = spec.fuelCapacity;
    state.shields = spec.shieldCapacity;
    return {{}, spec.price};
}

} // namespace zt
