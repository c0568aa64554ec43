#include "events/natural_hazard.h"

namespace zt {

HazardAlert drawHazard(const Catalogue& catalogue, RandomSource& rng) {
    const int hazard = wholeBetween(rng, 1, kHazards);
    return {hazard, catalogue.hazardNames[hazard] + " has been detected. What do you wish to do?"};
}

EventOutcome passHazard(GameState& state, HazardChoice choice, RandomSource& rng) {
    EventOutcome outcome;
    if (choice == HazardChoice::GoAround) {
        const int years = wholeBetween(rng, 1, 20);
        state.earthTime = state.earthTime.plus(Decimal::whole(years));
        outcome.messages.push_back("You went around the hazard, but it cost you " +
                                   std::to_string(years) + " years of your valuable time!");
        return outcome;
    }
    const int damage = wholeBetween(rng, 5, 40);
    if (shieldsHold(state, damage)) {
        outcome.messages.push_back("You went through, but it cost you " + std::to_string(damage) +
                                   " shield units!");
    } else {
        destroyShip(state, ShipLoss::Hazard, outcome);
    }
    return outcome;
}

} // namespace zt
