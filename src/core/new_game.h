#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"

#include <cstdint>

namespace zt {

// The three game lengths; the number also picks the high score list of the game.
inline constexpr std::int16_t kLongGame = 1;
inline constexpr std::int16_t kNormalGame = 2;
inline constexpr std::int16_t kShortGame = 3;

// The year after which a game of this length ends: short 2400, normal 2700, long 3500.
std::int32_t endYearOf(int gameLength);

// Puts the player back at the start: $5,000, no debt, full fuel and shields on a Planet
// Hopper at the Milky Way, an empty hold, no destination, the year 2300, every market
// emptied and no galaxy on the map.
void resetForNewGame(GameState& state);

// Records the game length the player chose and the end year it gives.
void chooseGameLength(GameState& state, int gameLength);

// Lays the sixteen galaxies on the map in galaxy order. Each draws a cell 1..42 and draws
// again while a galaxy already stands there, comparing the raw column (cell mod 6) and row
// (cell div 6 + 1) that placement stores; once all stand, column 0 becomes column 6 of the
// row above, so every galaxy ends on the cell it drew.
void placeGalaxies(GameState& state, const Catalogue& catalogue, RandomSource& rng);

// The markets of a new game are opened by openMarkets, and the whole new game laid out by
// layOutNewGame, in market/market.h.

} // namespace zt
