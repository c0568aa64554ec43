#pragma once
// Scripted draws, shared by the rule tests and the window tests.
#include "core/random.h"

#include <deque>
#include <initializer_list>
#include <stdexcept>

namespace zt::test {

// A source that returns the given numbers in order, so a test states its draws. Running
// dry throws, so a rule that draws more than the test expects cannot pass unnoticed.
class ScriptedRandom : public RandomSource {
  public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : values_(values) {}
    void add(float value) { values_.push_back(value); }
    float next() override {
        if (values_.empty()) throw std::logic_error("scripted random source ran dry");
        const float v = values_.front();
        values_.pop_front();
        return v;
    }
    std::size_t remaining() const { return values_.size(); }

  private:
    std::deque<float> values_;
};

// The r that makes wholeBetween(a, b) give n: lets tests script draws by their outcome.
inline float drawFor(int n, int a, int b) {
    return (static_cast<float>(n - a) + 0.5f) / static_cast<float>(b - a + 1);
}

} // namespace zt::test
