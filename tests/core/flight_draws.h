#pragma once
// Scripted draws for one whole flight, shared by the rule and window tests: the trends roll,
// then the market draws the rules take (a full dealing when the trends shift, then the
// refresh), then the hazard, pirates and IRS rolls.
#include "core/game_state.h"
#include "scripted_random.h"

#include <cstdint>

namespace zt::test {

// A refresh draws a price and a quantity for each of the 8 goods and 4 black-market goods
// of each of the 16 galaxies.
inline constexpr int kRefreshDraws = kGalaxies * 2 * (2 * kDemandSlots + 2 * kBlackSlots);
static_assert(kRefreshDraws == 384);

// The draws of a dealing of every list that never draws a good twice: first every galaxy's
// goods lists (demands 1..4, supplies 5..8), then every galaxy's black-market lists
// (demands 1, 2, supplies 3, 4).
inline void addDealingDraws(ScriptedRandom& out) {
    for (int g = 1; g <= kGalaxies; ++g)
        for (int good = 1; good <= kDemandSlots + kSupplySlots; ++good)
            out.add(drawFor(good, 1, kGoods));
    for (int g = 1; g <= kGalaxies; ++g)
        for (int good = 1; good <= 2 * kBlackSlots; ++good)
            out.add(drawFor(good, 1, kBlackGoods));
}

// Appends to `out` the draws of a flight with the given rolls (1..100 each); the refresh's
// draws come from a seeded source.
inline void addFlightDraws(ScriptedRandom& out, int trendRoll, int hazardRoll, int piratesRoll,
                           int irsRoll, std::uint32_t seed = 7) {
    out.add(drawFor(trendRoll, 1, 100));
    if (trendRoll < 5) addDealingDraws(out);
    ClockRandom market(seed);
    for (int i = 0; i < kRefreshDraws; ++i)
        out.add(market.next());
    out.add(drawFor(hazardRoll, 1, 100));
    out.add(drawFor(piratesRoll, 1, 100));
    out.add(drawFor(irsRoll, 1, 100));
}

} // namespace zt::test
