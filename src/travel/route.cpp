#include "travel/route.h"

#include "core/numbers.h"

#include <cmath>

namespace zt {

namespace {
constexpr int kFuelPerUnit = 10;
constexpr int kTollPerUnit = 20;
} // namespace

Route routeBetween(const Galaxy& from, const Galaxy& to, int speedFactor) {
    const double dRow = to.row - from.row;
    const double dColumn = to.column - from.column;
    Route route;
    route.distance = std::sqrt(dRow * dRow + dColumn * dColumn);
    route.timeNeeded = Decimal::hundredths(roundHalfEven(route.distance / speedFactor * 100.0));
    route.fuelNeeded = static_cast<std::int32_t>(roundHalfEven(route.distance * kFuelPerUnit));
    route.toll = static_cast<std::int32_t>(roundHalfEven(route.distance * kTollPerUnit));
    return route;
}

int galaxyInCell(const GameState& state, int cell) {
    return state.cellGalaxy.contains(cell) ? state.cellGalaxy[cell] : 0;
}

bool selectDestination(GameState& state, const Catalogue& catalogue, int cell) {
    const int g = galaxyInCell(state, cell);
    if (!state.inProgress() || g == 0 || g == state.currentGalaxy) return false;
    state.selectedCell = static_cast<std::int16_t>(cell);
    state.route = routeBetween(state.galaxies[state.currentGalaxy], state.galaxies[g],
                               currentShip(state, catalogue).speedFactor());
    return true;
}

bool canDepart(const GameState& state) {
    return galaxyInCell(state, state.selectedCell) != 0 && hasFuelFor(state, state.route) &&
           canPayToll(state, state.route);
}

int roundedDistance(const Route& route) {
    return static_cast<int>(roundHalfEven(route.distance));
}

} // namespace zt
