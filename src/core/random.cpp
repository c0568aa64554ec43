#include "core/random.h"

#include <chrono>
#include <cmath>

namespace zt {

ClockRandom::ClockRandom()
    : engine_(static_cast<std::uint32_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

float ClockRandom::next() {
    // 24 random bits give every float in [0, 1) on a grid of 2^-24, never 1 itself.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

int wholeBetween(RandomSource& rng, int a, int b) {
    // In double precision, so r just below 1 never rounds up into b + 1.
    const double r = rng.next();
    return static_cast<int>(std::floor(r * (static_cast<double>(b) - a + 1) + a));
}

} // namespace zt
