#pragma once
#include "core/decimal.h"
#include "core/earth_time.h"
#include "core/one_based.h"

#include <cstdint>
#include <string>

namespace zt {

// The fixed sizes of the game world.
inline constexpr int kGalaxies = 16;
inline constexpr int kGoods = 20;
inline constexpr int kBlackGoods = 6;
inline constexpr int kShipTypes = 7;
inline constexpr int kHazards = 5;
inline constexpr int kColumns = 6;
inline constexpr int kRows = 7;
inline constexpr int kCells = kColumns * kRows;
inline constexpr int kDemandSlots = 4;
inline constexpr int kSupplySlots = 4;
inline constexpr int kBlackSlots = 2;
inline constexpr int kStartGalaxy = 3;
inline constexpr int kNoCell = -1;

// Every game starts on ship 1, the Planet Hopper, with this much fuel and shields aboard, and
// a lost ship is replaced by a Planet Hopper filled the same.
inline constexpr std::int16_t kHopperFuel = 100;
inline constexpr std::int16_t kHopperShields = 100;

// Map cell p (1..42) is column ((p − 1) mod 6) + 1 and row ((p − 1) div 6) + 1.
inline constexpr int cellColumn(int cell) {
    return (cell - 1) % kColumns + 1;
}
inline constexpr int cellRow(int cell) {
    return (cell - 1) / kColumns + 1;
}
inline constexpr int cellAt(int column, int row) {
    return (row - 1) * kColumns + column;
}

// One galaxy: its place on the map and its market. Demands are kept per good (a seller
// looks the good up), supplies per slot (a buyer picks a row of the for-sale list).
struct Galaxy {
    std::string name;
    std::int16_t column = -1;
    std::int16_t row = -1;
    OneBased<std::int16_t, kDemandSlots> demands;
    OneBased<std::int32_t, kGoods> demandQuantity;
    OneBased<std::int32_t, kGoods> demandPrice;
    OneBased<std::int16_t, kSupplySlots> supplies;
    OneBased<std::int32_t, kSupplySlots> supplyQuantity;
    OneBased<std::int32_t, kSupplySlots> supplyPrice;
    OneBased<std::int16_t, kBlackSlots> blackDemands;
    OneBased<std::int32_t, kBlackGoods> blackDemandQuantity;
    OneBased<std::int32_t, kBlackGoods> blackDemandPrice;
    OneBased<std::int16_t, kBlackSlots> blackSupplies;
    OneBased<std::int32_t, kBlackSlots> blackSupplyQuantity;
    OneBased<std::int32_t, kBlackSlots> blackSupplyPrice;

    int cell() const { return cellAt(column, row); }
    bool operator==(const Galaxy&) const = default;
};

// Units of one good carried and the average dollars paid per unit (0 when none).
struct CargoItem {
    std::int32_t quantity = 0;
    std::int32_t pricePaid = 0;
    bool operator==(const CargoItem&) const = default;
};

// The figures of the selected destination, worked out when it is picked on the map and
// used by the flight.
struct Route {
    double distance = 0.0;       // in grid units
    std::int32_t fuelNeeded = 0; // units
    Decimal timeNeeded;          // Earth years, two decimals at most
    std::int32_t toll = 0;       // dollars
    bool operator==(const Route&) const = default;
};

// The whole state of one game. Every window and rule works on the one instance the
// program owns. Before the first game everything is zero (currentGalaxy 0).
struct GameState {
    std::int16_t currentGalaxy = 0;
    std::int32_t cash = 0;
    std::int32_t debt = 0;
    std::int16_t fuel = 0;
    std::int16_t shields = 0;
    std::int16_t cargoInHold = 0;
    std::int16_t shipType = 0;
    std::int16_t selectedCell = kNoCell;
    std::int32_t endYear = 0;
    std::int16_t gameLength = 0; // 3 short, 2 normal, 1 long
    EarthTime earthTime;
    OneBased<Galaxy, kGalaxies> galaxies;
    OneBased<CargoItem, kGoods> cargo;
    OneBased<CargoItem, kBlackGoods> blackCargo;
    OneBased<std::int16_t, kCells> cellGalaxy;
    Route route; // meaningful while selectedCell is a cell

    bool inProgress() const { return currentGalaxy != 0; }
    bool operator==(const GameState&) const = default;
};

// Units of black-market goods carried, summed over the six goods.
std::int64_t blackCargoUnits(const GameState& state);

} // namespace zt
