#pragma once
#include "core/answer.h"
#include "core/catalogue.h"
#include "core/game_state.h"

#include <cstdint>
#include <string_view>

namespace zt {

// One of the twin shops of the shipyards. They follow one set of rules and differ only in the
// price of a unit and in which level of the ship they fill up to which capacity.
struct Shop {
    std::int32_t unitPrice;
    std::int16_t GameState::*level;
    std::int16_t ShipSpec::*capacity;
};

// Fuel at $10 a unit, up to the ship's fuel capacity.
inline constexpr Shop kFuelShop{10, &GameState::fuel, &ShipSpec::fuelCapacity};

// Shield repairs at $100 a unit, up to the ship's shield capacity.
inline constexpr Shop kShieldShop{100, &GameState::shields, &ShipSpec::shieldCapacity};

// The units the ship holds now.
inline std::int16_t stockLevel(const GameState& state, const Shop& shop) {
    return state.*shop.level;
}

// The units the current ship can hold.
inline std::int16_t stockCapacity(const GameState& state, const Catalogue& catalogue,
                                  const Shop& shop) {
    return currentShip(state, catalogue).*shop.capacity;
}

// The most units that may be bought now: the whole units the cash pays for (rounded down, so
// negative cash gives a negative maximum), but no more than the room left.
std::int64_t maxUnits(const GameState& state, const Catalogue& catalogue, const Shop& shop);

// A purchase: the units stocked, the dollars paid and the maximum left afterwards.
struct ShopAnswer : Answer {
    std::int16_t units = 0;
    std::int32_t cost = 0;
    std::int64_t maximum = 0;
};

// Buys the typed number of units. Refused, with nothing changed, for a fraction or for more
// than the maximum (every purchase, even of 0, when the maximum is negative).
ShopAnswer buyUnits(GameState& state, const Catalogue& catalogue, const Shop& shop,
                    std::string_view typed);

} // namespace zt
