#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"

#include <string>

namespace zt {

// The names of a galaxy's goods in slot order, joined by ", "; empty slots are left out.
template <int N>
std::string goodsListText(const OneBased<std::int16_t, N>& goods, const Catalogue& catalogue) {
    std::string text;
    for (std::int16_t good : goods) {
        if (!catalogue.goodsNames.contains(good)) continue;
        if (!text.empty()) text += ", ";
        text += catalogue.goodsNames[good];
    }
    return text;
}

// A gauge of the status display: level and capacity grouped in threes, "1,000 / 2,000".
std::string gaugeText(std::int64_t level, std::int64_t capacity);

} // namespace zt
