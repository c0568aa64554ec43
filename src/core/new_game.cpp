#include "core/new_game.h"

#include "market/market.h"

namespace zt {

std::int32_t endYearOf(int gameLength) {
    switch (gameLength) {
    case kShortGame:
        return 2400;
    case kNormalGame:
        return 2700;
    default:
        return 3500;
    }
}

void resetForNewGame(GameState& state) {
    state.earthTime = EarthTime::atStart();
    state.selectedCell = kNoCell;
    state.currentGalaxy = kStartGalaxy;
    state.cash = 5000;
    state.debt = 0;
    state.fuel = kHopperFuel;
    state.shields = kHopperShields;
    state.shipType = 1;
    state.cargoInHold = 0;
    state.route = Route{};
    clearMarkets(state);
    for (Galaxy& galaxy : state.galaxies) {
        galaxy.column = -1;
        galaxy.row = -1;
    }
    state.cargo.fill(CargoItem{});
    state.blackCargo.fill(CargoItem{});
}

void chooseGameLength(GameState& state, int gameLength) {
    state.gameLength = static_cast<std::int16_t>(gameLength);
    state.endYear = endYearOf(gameLength);
}

void placeGalaxies(GameState& state, const Catalogue& catalogue, RandomSource& rng) {
    state.cellGalaxy.fill(0);
    for (Galaxy& galaxy : state.galaxies) {
        galaxy.column = -1;
        galaxy.row = -1;
    }
    for (int g = 1; g <= kGalaxies; ++g) {
        int roll = wholeBetween(rng, 1, kCells);
        for (int k = 1; k <= kGalaxies; ++k) {
            const Galaxy& other = state.galaxies[k];
            if (other.column == roll % kColumns && other.row == roll / kColumns + 1) {
                roll = wholeBetween(rng, 1, kCells);
                k = 0; // the scan starts again with the new cell
            }
        }
        Galaxy& galaxy = state.galaxies[g];
        galaxy.column = static_cast<std::int16_t>(roll % kColumns);
        galaxy.row = static_cast<std::int16_t>(roll / kColumns + 1);
        galaxy.name = catalogue.galaxyNames[g];
        state.cellGalaxy[roll] = static_cast<std::int16_t>(g);
    }
    for (Galaxy& galaxy : state.galaxies) {
        if (galaxy.column == 0) {
            galaxy.column = kColumns;
            --galaxy.row;
        }
    }
}

void openMarkets(GameState& state, const Catalogue& catalogue, RandomSource& rng) {
    clearMarkets(state);
    dealAllLists(state, rng);
    refreshMarkets(state, catalogue, rng);
}

void layOutNewGame(GameState& state, const Catalogue& catalogue, RandomSource& rng,
                   int gameLength) {
    chooseGameLength(state, gameLength);
    placeGalaxies(state, catalogue, rng);
    openMarkets(state, catalogue, rng);
}

} // namespace zt
