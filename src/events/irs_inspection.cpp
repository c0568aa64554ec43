#include "events/irs_inspection.h"

#include "core/money.h"

#include <string>

namespace zt {
namespace {

// The court's sentence: the fine goes on the debt, the years on the Earth time.
void sentence(GameState& state, std::int32_t fine, int years, std::string message,
              EventOutcome& outcome) {
    state.debt = addToDebt(state.debt, fine);
    state.earthTime = state.earthTime.plus(Decimal::whole(years));
    outcome.messages.push_back(std::move(message));
}

// A conviction after running or a lost trial: the cargo is confiscated, then a fine of
// $1,000 to $10,000 in thousands and 2 to 20 years, drawn in that order.
void heavySentence(GameState& state, const std::string& found, EventOutcome& outcome,
                   RandomSource& rng) {
    emptyHold(state);
    const std::int32_t fine = 1000 * wholeBetween(rng, 1, 10);
    const int years = wholeBetween(rng, 2, 20);
    sentence(state, fine, years,
             found + " You have been fined $" + std::to_string(fine) + " and spend to " +
                 std::to_string(years) + " years in prison.",
             outcome);
}

} // namespace

std::int32_t attorneyFee(std::int32_t cash) {
    // 20 % of the cash is more than 5000 exactly when the cash is more than 25,000; a fifth
    // of a whole number never ends in a half, so rounding to nearest needs no tie rule.
    if (cash <= 25000) return 5000;
    return cash / 5 + (cash % 5 >= 3 ? 1 : 0);
}

EventOutcome faceIrs(GameState& state, const Catalogue& catalogue, IrsChoice choice,
                     RandomSource& rng) {
    EventOutcome outcome;
    switch (choice) {
    case IrsChoice::DumpCargo:
        outcome.messages.push_back("Your cargo is jetisoned before the IRS can board your ship. "
                                   "The investigator angrily stomps off back to his ship.");
        emptyHold(state);
        break;
    case IrsChoice::Run:
        if (rollPercent(rng) > 40 + 2 * currentShip(state, catalogue).speedFactor()) {
            heavySentence(state, "The IRS catches you and confiscates your cargo!", outcome, rng);
        } else {
            outcome.messages.push_back("You are able to get away from the IRS, but wonder how "
                                       "long it will be before they find you again.");
        }
        break;
    case IrsChoice::PleadGuilty: {
        emptyHold(state);
        const std::int32_t fine = 1000;
        const int years = wholeBetween(rng, 2, 4);
        sentence(state, fine, years,
                 "You have been found guilty of posetion of illegal goods! The judge is leniant "
                 "and fines you $" +
                     std::to_string(fine) + " and gives you " + std::to_string(years) +
                     " years in prison.",
                 outcome);
        break;
    }
    case IrsChoice::HireAttorney:
        state.debt = addToDebt(state.debt, attorneyFee(state.cash));
        if (rollPercent(rng) < 50) {
            heavySentence(state, "You have been found guilty of posetion of illegal cargo!",
                          outcome, rng);
        } else {
            outcome.messages.push_back("Your attorney gets you acquitted on a technicality!");
        }
        break;
    }
    return outcome;
}

} // namespace zt
