#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "events/event_outcome.h"

#include <string>

namespace zt {

// The hazard met on a flight: its number in the catalogue (1..5) and the window's prompt.
struct HazardAlert {
    int hazard = 0;
    std::string prompt;
};

// Draws which of the five hazards the ship meets, each equally likely. The hazard only
// names the danger: going around or through costs the same whichever it is.
HazardAlert drawHazard(const Catalogue& catalogue, RandomSource& rng);

// The two ways past a hazard.
enum class HazardChoice { GoAround, Proceed };

// Going around costs 1 to 20 years of Earth time. Going through costs 5 to 40 shield
// units, and shields left at 0 or below lose the ship.
EventOutcome passHazard(GameState& state, HazardChoice choice, RandomSource& rng);

} // namespace zt
