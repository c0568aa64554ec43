#pragma once
#include <cstdint>
#include <random>

namespace zt {

// Where every random number of the game comes from: a uniform number in [0, 1) per call.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The program's source, seeded once from the clock.
class ClockRandom final : public RandomSource {
  public:
    ClockRandom();
    explicit ClockRandom(std::uint32_t seed) : engine_(seed) {}
    float next() override;

  private:
    std::mt19937 engine_;
};

// Int(r × (b − a + 1) + a): a whole number from a to b.
int wholeBetween(RandomSource& rng, int a, int b);

// A roll from 1 to 100, compared by each rule with its threshold.
inline int rollPercent(RandomSource& rng) {
    return wholeBetween(rng, 1, 100);
}

} // namespace zt
