#include "events/event_outcome.h"

#include "core/money.h"

#include <algorithm>
#include <cstdint>

namespace zt {

void emptyHold(GameState& state) {
    state.cargo.fill(CargoItem{});
    state.blackCargo.fill(CargoItem{});
    state.cargoInHold = 0;
}

bool shieldsHold(GameState& state, int damage) {
    const int left = std::max(state.shields - damage, int{INT16_MIN});
    state.shields = static_cast<std::int16_t>(left);
    return state.shields > 0;
}

void destroyShip(GameState& state, ShipLoss cause, EventOutcome& outcome) {
    const char* attempt = cause == ShipLoss::Hazard ? "get through" : "get away";
    outcome.messages.push_back(std::string("You tried to ") + attempt +
                               ", but your ship was DESTROYED! You have been given another "
                               "Planet Hopper and your debt has been increased by $10,000!");
    emptyHold(state);
    state.shipType = 1;
    state.shields = kReplacementShields;
    state.fuel = kReplacementFuel;
    state.debt = addToDebt(state.debt, kReplacementShipCharge);
    outcome.shipDestroyed = true;
}

} // namespace zt
