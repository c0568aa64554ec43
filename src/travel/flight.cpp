#include "travel/flight.h"

#include "core/money.h"
#include "core/numbers.h"
#include "events/event_rolls.h"
#include "market/market.h"
#include "travel/route.h"

namespace zt {

namespace {
constexpr int kTrendsShiftBelow = 5;
} // namespace

std::int32_t debtWithInterest(std::int32_t debt) {
    return heldMoney(divideHalfEven(static_cast<std::int64_t>(debt) * 107, 100));
}

FlightOutcome fly(GameState& state, const Catalogue& catalogue, RandomSource& rng,
                  FlightHost& host) {
    if (state.earthTime.isAfterYear(state.endYear)) {
        host.endOfGame();
        return FlightOutcome::GameEnded;
    }
    const int dest = galaxyInCell(state, state.selectedCell);
    if (dest == 0) return FlightOutcome::NoDestination;

    host.playEngineSound();
    host.startMapFlash();
    if (rollPercent(rng) < kTrendsShiftBelow) {
        host.announceTrendsShift();
        shiftTrends(state, rng);
    }
    refreshMarkets(state, catalogue, rng);

    host.showDeparture(state.currentGalaxy, dest);
    const Route route = state.route;
    state.fuel = static_cast<std::int16_t>(state.fuel - route.fuelNeeded);
    state.earthTime = state.earthTime.plus(route.timeNeeded);
    state.cash = heldMoney(static_cast<std::int64_t>(state.cash) - route.toll);
    state.debt = debtWithInterest(state.debt);
    host.showArrival(dest);

    const int r = roundedDistance(route);
    if (hazardStrikes(rollPercent(rng), r)) host.naturalHazardAlert();
    if (piratesAttack(rollPercent(rng), r)) host.spacePiratesAlert();
    const int irsRoll = rollPercent(rng);
    if (irsInspects(irsRoll, r, blackCargoUnits(state))) host.irsAlert();

    state.currentGalaxy = static_cast<std::int16_t>(dest);
    state.selectedCell = kNoCell;
    return FlightOutcome::Arrived;
}

} // namespace zt
