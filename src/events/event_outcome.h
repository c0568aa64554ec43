#pragma once
#include "core/game_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zt {

// What an event window's command did: the message boxes to show, in order. The state itself
// has already been changed by the rule.
struct EventOutcome {
    std::vector<std::string> messages;
    bool shipDestroyed = false;
};

// Everything in the hold goes: every good and black-market good to 0 units and 0 paid.
void emptyHold(GameState& state);

// How a ship was lost; the message says what the player was trying to do.
enum class ShipLoss { Hazard, Pirates };

// The dollars added to the debt for the Planet Hopper that replaces a lost ship.
inline constexpr std::int32_t kReplacementShipCharge = 10000;

// The fuel and shields the replacement Planet Hopper comes with.
inline constexpr std::int16_t kReplacementFuel = kHopperFuel;
inline constexpr std::int16_t kReplacementShields = kHopperShields;

// Takes damage off the shields; true while the ship still has shields left (above 0).
bool shieldsHold(GameState& state, int damage);

// The ship is lost with its cargo: the player flies a Planet Hopper with full fuel and
// shields, the debt grows by $10,000 (held at the 32-bit limit) and the cash stays.
void destroyShip(GameState& state, ShipLoss cause, EventOutcome& outcome);

} // namespace zt
