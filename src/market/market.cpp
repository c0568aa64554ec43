#include "market/market.h"

#include "core/new_game.h"
#include "core/numbers.h"

#include <cmath>

namespace zt {

namespace {

template <int N> bool holds(const OneBased<std::int16_t, N>& list, int good) {
    for (std::int16_t g : list)
        if (g == good) return true;
    return false;
}

// Fills every slot of `list` with a good 1..count not in `list` and not in `excluded`.
template <int N, int M>
void dealList(OneBased<std::int16_t, N>& list, const OneBased<std::int16_t, M>* excluded, int count,
              RandomSource& rng) {
    for (int slot = 1; slot <= N; ++slot) {
        int good = wholeBetween(rng, 1, count);
        while (holds(list, good) || (excluded && holds(*excluded, good)))
            good = wholeBetween(rng, 1, count);
        list[slot] = static_cast<std::int16_t>(good);
    }
}

template <int N> bool distinctInRange(const OneBased<std::int16_t, N>& list, int count) {
    for (int i = 1; i <= N; ++i) {
        if (list[i] < 1 || list[i] > count) return false;
        for (int j = i + 1; j <= N; ++j)
            if (list[i] == list[j]) return false;
    }
    return true;
}

} // namespace

void dealGoodsLists(Galaxy& galaxy, RandomSource& rng) {
    dealList<kDemandSlots, kDemandSlots>(galaxy.demands, nullptr, kGoods, rng);
    dealList(galaxy.supplies, &galaxy.demands, kGoods, rng);
}

void dealBlackLists(Galaxy& galaxy, RandomSource& rng) {
    dealList<kBlackSlots, kBlackSlots>(galaxy.blackDemands, nullptr, kBlackGoods, rng);
    dealList(galaxy.blackSupplies, &galaxy.blackDemands, kBlackGoods, rng);
}

void dealAllLists(GameState& state, RandomSource& rng) {
    for (Galaxy& galaxy : state.galaxies)
        dealGoodsLists(galaxy, rng);
    for (Galaxy& galaxy : state.galaxies)
        dealBlackLists(galaxy, rng);
}

std::int32_t drawPrice(const PriceRange& range, RandomSource& rng) {
    const double r = rng.next();
    return static_cast<std::int32_t>(
        roundHalfEven(r * (static_cast<double>(range.high) - range.low + 1) + range.low));
}

std::int32_t drawQuantity(std::int32_t high, RandomSource& rng) {
    const double root = std::sqrt(static_cast<double>(high));
    const double b = 1000.0 / root;
    const double t = 100000.0 / root;
    const double r = rng.next();
    return static_cast<std::int32_t>(
        roundHalfEven(static_cast<double>(intFloor(t - b + 1)) * r + b));
}

void refreshMarkets(GameState& state, const Catalogue& catalogue, RandomSource& rng) {
    for (Galaxy& g : state.galaxies)
        for (int k = 1; k <= kDemandSlots; ++k) {
            g.demandPrice[g.demands[k]] = drawPrice(catalogue.goodsPriceRange[g.demands[k]], rng);
            g.supplyPrice[k] = drawPrice(catalogue.goodsPriceRange[g.supplies[k]], rng);
        }
    for (Galaxy& g : state.galaxies)
        for (int k = 1; k <= kDemandSlots; ++k) {
            g.demandQuantity[g.demands[k]] =
                drawQuantity(catalogue.goodsPriceRange[g.demands[k]].high, rng);
            g.supplyQuantity[k] = drawQuantity(catalogue.goodsPriceRange[g.supplies[k]].high, rng);
        }
    for (Galaxy& g : state.galaxies)
        for (int k = 1; k <= kBlackSlots; ++k) {
            g.blackDemandPrice[g.blackDemands[k]] =
                drawPrice(catalogue.blackPriceRange[g.blackDemands[k]], rng);
            g.blackSupplyPrice[k] = drawPrice(catalogue.blackPriceRange[g.blackSupplies[k]], rng);
        }
    for (Galaxy& g : state.galaxies)
        for (int k = 1; k <= kBlackSlots; ++k) {
            g.blackDemandQuantity[g.blackDemands[k]] =
                drawQuantity(catalogue.blackPriceRange[g.blackDemands[k]].high, rng);
            g.blackSupplyQuantity[k] =
                drawQuantity(catalogue.blackPriceRange[g.blackSupplies[k]].high, rng);
        }
}

void shiftTrends(GameState& state, RandomSource& rng) {
    clearMarkets(state);
    dealAllLists(state, rng);
}

bool marketInvariantsHold(const Galaxy& galaxy) {
    if (!distinctInRange(galaxy.demands, kGoods) || !distinctInRange(galaxy.supplies, kGoods) ||
        !distinctInRange(galaxy.blackDemands, kBlackGoods) ||
        !distinctInRange(galaxy.blackSupplies, kBlackGoods))
        return false;
    for (std::int16_t s : galaxy.supplies)
        if (holds(galaxy.demands, s)) return false;
    for (std::int16_t s : galaxy.blackSupplies)
        if (holds(galaxy.blackDemands, s)) return false;
    for (int good = 1; good <= kGoods; ++good)
        if (!holds(galaxy.demands, good) &&
            (galaxy.demandQuantity[good] != 0 || galaxy.demandPrice[good] != 0))
            return false;
    for (int good = 1; good <= kBlackGoods; ++good)
        if (!holds(galaxy.blackDemands, good) &&
            (galaxy.blackDemandQuantity[good] != 0 || galaxy.blackDemandPrice[good] != 0))
            return false;
    return true;
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
