#pragma once
#include "core/answer.h"
#include "core/catalogue.h"
#include "core/game_state.h"

#include <algorithm>
#include <cstdint>

namespace zt {

// Cash less debt: the shipyards take no money that was borrowed from a bank.
inline std::int64_t netCash(const GameState& state) {
    return std::int64_t{state.cash} - state.debt;
}

// Net cash as shown to the player: never below 0.
inline std::int64_t netCashShown(const GameState& state) {
    return std::max<std::int64_t>(0, netCash(state));
}

// Why ship k (1..7) may not be bought now, or Refusal::None when it may: it must be another
// ship than the current one and net cash must cover its price.
Refusal shipRefusal(const GameState& state, const Catalogue& catalogue, int ship);

// Ship k may be bought now (the shipyard's buy button is enabled for it).
inline bool canBuyShip(const GameState& state, const Catalogue& catalogue, int ship) {
    return shipRefusal(state, catalogue, ship) == Refusal::None;
}

// A ship bought: the dollars taken from cash.
struct ShipAnswer : Answer {
    std::int32_t price = 0;
};

// Buys ship k with cash; the debt stays, nothing is paid for the old ship. The new ship comes
// with full fuel and shields; the cargo stays aboard even when it no longer fits the hold.
ShipAnswer buyShip(GameState& state, const Catalogue& catalogue, int ship);

} // namespace zt
