#pragma once
// The supply/demand search: which galaxies sell a good and which buy it.
#include "core/game_state.h"
#include "market/trading.h"

#include <vector>

namespace zt {

// The galaxies (by number) that sell and that buy one good, each list in galaxy-number order.
struct GoodSearch {
    std::vector<int> supplying;
    std::vector<int> demanding;
};

// Looks good `good` of the given market up in every galaxy's lists.
GoodSearch searchGood(const GameState& state, MarketKind kind, int good);

} // namespace zt
