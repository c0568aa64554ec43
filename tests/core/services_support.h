#pragma once
// Shared by the tests of the bank, the shops and the shipyard.
#include "core/game_state.h"

namespace zt::test {

// A player with the given money flying ship `ship` with the given fuel and shields.
inline GameState flying(std::int32_t cash, std::int32_t debt, std::int16_t ship = 1,
                        std::int16_t fuel = 0, std::int16_t shields = 0) {
    GameState state;
    state.currentGalaxy = kStartGalaxy;
    state.cash = cash;
    state.debt = debt;
    state.shipType = ship;
    state.fuel = fuel;
    state.shields = shields;
    return state;
}

} // namespace zt::test
