#pragma once
// Shared by the rule tests: the shipped catalogue and a scripted source that also fails the
// test when draws are left over.
#include "core/catalogue.h"
#include "core/random.h"

#include <gtest/gtest.h>

namespace zt::test {

inline const Catalogue& shippedCatalogue() {
    static const Catalogue catalogue = loadCatalogue(std::string(ZT_DATA_DIR) + "/strings.txt");
    return catalogue;
}

// A ScriptedRandom that checks, when it goes out of scope, that every draw was used.
class Draws : public RandomSource {
public:
    Draws(std::initializer_list<float> values) : source_(values) {}
    ~Draws() override { EXPECT_EQ(source_.remaining(), 0u) << "draws left over"; }
    void add(float value) { source_.add(value); }
    float next() override { return source_.next(); }
    std::size_t remaining() const { return source_.remaining(); }

private:
    ScriptedRandom source_;
};

} // namespace zt::test
