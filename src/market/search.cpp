#include "market/search.h"

namespace zt {

namespace {

bool lists(OneBasedView<const std::int16_t> goods, int good) {
    for (int slot = 1; slot <= goods.size(); ++slot)
        if (goods[slot] == good) return true;
    return false;
}

} // namespace

GoodSearch searchGood(const GameState& state, MarketKind kind, int good) {
    GoodSearch found;
    for (int g = 1; g <= kGalaxies; ++g) {
        const Galaxy& galaxy = state.galaxies[g];
        if (lists(suppliedGoods(galaxy, kind), good)) found.supplying.push_back(g);
        if (lists(demandedGoods(galaxy, kind), good)) found.demanding.push_back(g);
    }
    return found;
}

} // namespace zt
