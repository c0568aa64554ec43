#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "events/event_outcome.h"

#include <cstdint>

namespace zt {

// The four answers to the IRS.
enum class IrsChoice { DumpCargo, Run, PleadGuilty, HireAttorney };

// The attorney's fee: 20 % of the cash, rounded, when that is more than $5,000, otherwise
// $5,000. It goes on the debt; the cash is not touched.
std::int32_t attorneyFee(std::int32_t cash);

// Dumping loses the cargo and nothing else. Running escapes on a roll up to 40 + 2 × speed;
// caught, the ship loses its cargo and the player is fined $1,000 to $10,000 and jailed 2
// to 20 years. A guilty plea costs the cargo, $1,000 and 2 to 4 years. An attorney costs
// the fee and wins on a roll of 50 or more; otherwise the sentence is as for running.
// Fines go on the debt (held at the 32-bit limit); prison years on the Earth time.
EventOutcome faceIrs(GameState& state, const Catalogue& catalogue, IrsChoice choice,
                     RandomSource& rng);

} // namespace zt
