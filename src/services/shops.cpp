#include "services/shops.h"

#include "core/numbers.h"

#include <algorithm>

namespace zt {

std::int64_t maxUnits(const GameState& state, const Catalogue& catalogue, const Shop& shop) {
    const std::int64_t room =
        std::int64_t{stockCapacity(state, catalogue, shop)} - stockLevel(state, shop);
    return std::min(floorDivide(state.cash, shop.unitPrice), room);
}

ShopAnswer buyUnits(GameState& state, const Catalogue& catalogue, const Shop& shop,
                    std::string_view typed) {
    const auto units = readWholeAmount(typed);
    if (!units) return {{Refusal::Fraction}};
    if (*units > maxUnits(state, catalogue, shop)) return {{Refusal::AboveLimit}};
    // Within the maximum the level stays at or under the capacity and the cash at or above 0.
    const auto cost = static_cast<std::int32_t>(*units * shop.unitPrice);
    state.*shop.level = static_cast<std::int16_t>(stockLevel(state, shop) + *units);
    state.cash -= cost;
    return {{}, static_cast<std::int16_t>(*units), cost, maxUnits(state, catalogue, shop)};
}

} // namespace zt
