#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "events/event_outcome.h"

namespace zt {

// The three answers to the pirates.
enum class PiratesChoice { Run, DumpCargo, CallForHelp };

// Running is caught on a roll below 40 − 3 × speed; dumping always escapes without the
// cargo; the police come in time on a roll below 75, but never to a ship with black-market
// goods aboard. Caught, the ship loses its whole cargo and 10 to 40 shield units, and with
// the shields at 0 or below the ship itself.
EventOutcome meetPirates(GameState& state, const Catalogue& catalogue, PiratesChoice choice,
                         RandomSource& rng);

} // namespace zt
