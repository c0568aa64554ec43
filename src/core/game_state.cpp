#include "core/game_state.h"

namespace zt {

std::int64_t blackCargoUnits(const GameState& state) {
    std::int64_t units = 0;
    for (const CargoItem& item : state.blackCargo)
        units += item.quantity;
    return units;
}

} // namespace zt
