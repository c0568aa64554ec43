#pragma once
#include "core/game_state.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zt {

struct PriceRange {
    std::int32_t high = 0;
    std::int32_t low = 0;
};

struct ShipSpec {
    std::string name;
    std::int16_t cargoCapacity = 0;
    std::int16_t shieldCapacity = 0;
    std::int16_t fuelCapacity = 0;
    std::string speed; // a whole number as text: 1 is standard speed
    std::int32_t price = 0;

    // The speed as a number; the catalogue guarantees a whole number from 1 up.
    int speedFactor() const;
};

// The fixed facts of the game world, loaded once from the strings table.
struct Catalogue {
    OneBased<std::string, kGalaxies> galaxyNames;
    OneBased<std::string, kGoods> goodsNames;
    OneBased<PriceRange, kGoods> goodsPriceRange;
    OneBased<std::string, kBlackGoods> blackGoodsNames;
    OneBased<PriceRange, kBlackGoods> blackPriceRange;
    OneBased<std::string, kHazards> hazardNames;
    OneBased<ShipSpec, kShipTypes> ships;
};

// Ids of the strings table.
namespace ids {
inline constexpr int kGalaxyName = 100; // + galaxy 1..16
inline constexpr int kGoodName = 199;   // + good 1..20
inline constexpr int kGoodLow = 299;
inline constexpr int kGoodHigh = 399;
inline constexpr int kBlackName = 499; // + black good 1..6
inline constexpr int kBlackLow = 599;
inline constexpr int kBlackHigh = 699;
inline constexpr int kShipName = 999; // + ship 1..7
inline constexpr int kShipCargo = 1099;
inline constexpr int kShipShields = 1199;
inline constexpr int kShipFuel = 1299;
inline constexpr int kShipSpeed = 1399;
inline constexpr int kShipPrice = 1499;
inline constexpr int kHazardName = 1999; // + hazard 1..5
} // namespace ids

// A strings table that cannot be used; the message names the file and the id or line.
struct CatalogueError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Numbered texts, one a line: the id, one blank, the text to the end of the line.
// Blank lines and lines starting with '#' are skipped.
std::map<int, std::string> parseStringTable(std::string_view content, const std::string& fileName);

// Fills the catalogue from a parsed table; throws CatalogueError naming the file and id of
// a missing entry or a value that does not convert (or is out of range for the game).
Catalogue catalogueFromTable(const std::map<int, std::string>& table, const std::string& fileName);

// Reads and converts the strings table file; throws CatalogueError when it cannot.
Catalogue loadCatalogue(const std::string& path);

// The name of the strings table beside the program.
inline constexpr const char* kStringsFileName = "strings.txt";

// The spec of the ship the player flies.
inline const ShipSpec& currentShip(const GameState& state, const Catalogue& catalogue) {
    return catalogue.ships[state.shipType];
}

// Room left in the hold (negative after a move to a smaller ship with a full hold).
inline int freeRoom(const GameState& state, const Catalogue& catalogue) {
    return currentShip(state, catalogue).cargoCapacity - state.cargoInHold;
}

} // namespace zt
