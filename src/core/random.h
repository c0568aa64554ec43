#pragma once
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>
#include <stdexcept>

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

// A source that returns the given numbers in order, so a test states its draws. Running
// dry throws, so a rule that draws more than the test expects cannot pass unnoticed.
class ScriptedRandom final : public RandomSource {
public:
    struct RanDry : std::logic_error {
        RanDry() : std::logic_error("scripted random source ran dry") {}
    };

    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : values_(values) {}
    void add(float value) { values_.push_back(value); }
    float next() override;
    std::size_t remaining() const { return values_.size(); }

private:
    std::deque<float> values_;
};

// Int(r × (b − a + 1) + a): a whole number from a to b.
int wholeBetween(RandomSource& rng, int a, int b);

// A roll from 1 to 100, compared by each rule with its threshold.
inline int rollPercent(RandomSource& rng) { return wholeBetween(rng, 1, 100); }

// The r that makes wholeBetween(a, b) give n: lets tests script draws by their outcome.
inline float drawFor(int n, int a, int b) {
    return (static_cast<float>(n - a) + 0.5f) / static_cast<float>(b - a + 1);
}

} // namespace zt
