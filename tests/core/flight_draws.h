#pragma once
// Scripted draws for one whole flight, shared by the rule and window tests: the trends roll,
// then exactly as many market draws as the shift (if any) and the refresh take, then the
// hazard, pirates and IRS rolls. The market draws come from a seeded source so the dealing
// loops end.
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "market/market.h"
#include "scripted_random.h"

#include <cstddef>
#include <cstdint>

namespace zt::test {

// Counts the draws taken from another source.
class CountingRandom : public RandomSource {
  public:
    explicit CountingRandom(RandomSource& source) : source_(source) {}
    float next() override {
        ++count;
        return source_.next();
    }
    std::size_t count = 0;

  private:
    RandomSource& source_;
};

// Appends to `out` the draws of a flight from `state` with the given rolls (1..100 each).
inline void addFlightDraws(ScriptedRandom& out, const GameState& state, const Catalogue& catalogue,
                           int trendRoll, int hazardRoll, int piratesRoll, int irsRoll,
                           std::uint32_t seed = 7) {
    GameState copy = state;
    ClockRandom probeSource(seed);
    CountingRandom probe(probeSource);
    if (trendRoll < 5) shiftTrends(copy, probe);
    refreshMarkets(copy, catalogue, probe);

    out.add(drawFor(trendRoll, 1, 100));
    ClockRandom market(seed);
    for (std::size_t i = 0; i < probe.count; ++i)
        out.add(market.next());
    out.add(drawFor(hazardRoll, 1, 100));
    out.add(drawFor(piratesRoll, 1, 100));
    out.add(drawFor(irsRoll, 1, 100));
}

} // namespace zt::test
