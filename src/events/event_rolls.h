#pragma once
#include <cstdint>

namespace zt {

// The flight's rolls for the three events, each a roll from 1 to 100 against a threshold
// that grows with R, the flight's distance rounded to a whole number.

// A natural hazard meets the ship when the roll is below 5 × R.
constexpr bool hazardStrikes(int roll, int R) {
    return roll < 5 * R;
}

// Space pirates stop the ship on the same odds as a hazard, with a roll of their own.
constexpr bool piratesAttack(int roll, int R) {
    return hazardStrikes(roll, R);
}

// The IRS inspects when the roll is below R × (units ÷ 10) × 0.5, compared exactly as
// 20 × roll < R × units: without black-market goods aboard it never comes.
constexpr bool irsInspects(int roll, int R, std::int64_t blackUnits) {
    return 20 * static_cast<std::int64_t>(roll) < static_cast<std::int64_t>(R) * blackUnits;
}

} // namespace zt
