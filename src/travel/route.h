#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"

namespace zt {

// The figures of a flight between two galaxies: per grid unit of distance 10 fuel, $20 of
// toll and one Earth year divided by the ship's speed. Fuel and toll are rounded to whole
// numbers and the time to hundredths, halves to even.
Route routeBetween(const Galaxy& from, const Galaxy& to, int speedFactor);

// The tank holds at least the fuel the flight burns.
inline bool hasFuelFor(const GameState& state, const Route& route) {
    return route.fuelNeeded <= state.fuel;
}

// The cash covers the bridge toll.
inline bool canPayToll(const GameState& state, const Route& route) {
    return route.toll <= state.cash;
}

// The galaxy drawn in a map cell 1..42, or 0 for an empty cell or one off the map.
int galaxyInCell(const GameState& state, int cell);

// A click on map cell `cell`: the current galaxy, an empty cell, a cell off the map or a
// click before any game picks nothing and changes nothing (false). Any other galaxy becomes
// the destination and its route figures are worked out for the ship flown now (true).
bool selectDestination(GameState& state, const Catalogue& catalogue, int cell);

// GO may be pressed: a destination is picked and both the fuel and the toll are covered.
bool canDepart(const GameState& state);

// The flight's distance rounded to a whole number, which scales the chance of an event.
int roundedDistance(const Route& route);

} // namespace zt
