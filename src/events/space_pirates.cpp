#include "events/space_pirates.h"

#include <string>

namespace zt {
namespace {

// The pirates catch the ship: they take the cargo and shoot down shields.
void capture(GameState& state, const std::string& opening, RandomSource& rng,
             EventOutcome& outcome) {
    const int damage = wholeBetween(rng, 10, 40);
    const bool survived = shieldsHold(state, damage);
    emptyHold(state);
    if (survived) {
        outcome.messages.push_back(opening + std::to_string(damage) +
                                   " shield units the pirates catch up to you and take your "
                                   "cargo!");
    } else {
        destroyShip(state, ShipLoss::Pirates, outcome);
    }
}

const std::string kAfterTakingOut = "After taking out ";

} // namespace

EventOutcome meetPirates(GameState& state, const Catalogue& catalogue, PiratesChoice choice,
                         RandomSource& rng) {
    EventOutcome outcome;
    switch (choice) {
    case PiratesChoice::Run: {
        const int roll = rollPercent(rng);
        if (roll < 40 - 3 * currentShip(state, catalogue).speedFactor()) {
            capture(state, kAfterTakingOut, rng, outcome);
        } else {
            outcome.messages.push_back("You get away from the pirates but hear the words "
                                       "\"Next time...\" come over the communication line.");
        }
        break;
    }
    case PiratesChoice::DumpCargo:
        emptyHold(state);
        outcome.messages.push_back("Your cargo has been jetisoned. The pirates stop to pick it "
                                   "up allowing you to escape.");
        break;
    case PiratesChoice::CallForHelp:
        if (blackCargoUnits(state) > 0) {
            outcome.messages.push_back("The authorities come but find black market goods on "
                                       "your ship and leave you to the pirates.");
            capture(state, kAfterTakingOut, rng, outcome);
        } else if (rollPercent(rng) < 75) {
            outcome.messages.push_back(
                "The Zenthari Police arrive just in time to save you. As they are being led "
                "off, you hear one of the pirates say you are now a marked man!");
        } else {
            capture(state, "The Zenthari Police don't make it in time, and after taking out ", rng,
                    outcome);
        }
        break;
    }
    return outcome;
}

} // namespace zt
