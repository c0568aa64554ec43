#pragma once
// Scrapping: cargo that nobody here buys can be sold for scrap at a fixed price.
#include "core/game_state.h"
#include "market/trading.h"

#include <cstdint>

namespace zt {

// What the scrap dealer pays for every unit, whatever the good.
inline constexpr std::int32_t kScrapDollarsPerUnit = 2;

// Scraps the whole holding of regular good `good`: the cash takes $2 a unit and the hold is
// freed. The price paid is left as it is (a record of 0 units is not carried). Refused only
// when the cash would pass the 32-bit limit.
TradeOutcome scrapCargo(GameState& state, int good);

} // namespace zt
