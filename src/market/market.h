#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"

#include <cstdint>

namespace zt {

// Deals one galaxy's four demanded goods, then its four supplied goods, none of them
// demanded. Each slot is drawn again until it is allowed, so every slot is uniform among
// the goods still free. The lists must be empty (0) before.
void dealGoodsLists(Galaxy& galaxy, RandomSource& rng);

// The same for the black market's two demanded and two supplied goods.
void dealBlackLists(Galaxy& galaxy, RandomSource& rng);

// Deals every galaxy: a first pass over all galaxies for the goods lists, then a second
// one for the black-market lists.
void dealAllLists(GameState& state, RandomSource& rng);

// Round(r × (high − low + 1) + low): from low up to high + 1.
std::int32_t drawPrice(const PriceRange& range, RandomSource& rng);

// Round(Int(t − b + 1) × r + b) with b = 1000 / √high and t = 100000 / √high: expensive
// goods come in small lots, cheap ones in large.
std::int32_t drawQuantity(std::int32_t high, RandomSource& rng);

// Draws every price and quantity of every galaxy anew: prices, quantities, black-market
// prices, black-market quantities, each a pass over all galaxies.
void refreshMarkets(GameState& state, const Catalogue& catalogue, RandomSource& rng);

// A consumer-trends shift: every list of every galaxy is dealt anew. Prices and
// quantities come from the market refresh that follows.
void shiftTrends(GameState& state, RandomSource& rng);

// The lists hold distinct goods in range, nothing both supplied and demanded, and no
// demand price or quantity for a good that is not demanded.
bool marketInvariantsHold(const Galaxy& galaxy);

// Opens every market of a new game: the goods lists, then the black-market lists, then all
// prices and quantities.
void openMarkets(GameState& state, const Catalogue& catalogue, RandomSource& rng);

// Everything a new game does once the player has chosen its length: the length, the map,
// the markets. The state must have been reset first.
void layOutNewGame(GameState& state, const Catalogue& catalogue, RandomSource& rng, int gameLength);

} // namespace zt
