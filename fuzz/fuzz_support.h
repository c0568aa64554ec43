#pragma once
// What the fuzz targets share: the shipped catalogue, a check that stops the run with a
// message, and the player's choices and the game's draws taken from the fuzzer's input.
#include "core/catalogue.h"
#include "core/random.h"
#include "soak/random_play.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

namespace zt::fuzz {

inline const Catalogue& shippedCatalogue() {
    static const Catalogue catalogue = loadCatalogue(std::string(ZT_DATA_DIR) + "/strings.txt");
    return catalogue;
}

// A broken promise is a finding: libFuzzer keeps the input that led to it.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

inline std::string_view text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The game's draws from the input, on the 2^-24 grid of the game's own source; once the
// input is used up, from a fixed seed, so that the dealing of the markets always ends.
class InputRandom final : public RandomSource {
  public:
    explicit InputRandom(FuzzedDataProvider& input) : input_(input) {}
    float next() override {
        const std::uint32_t bits = input_.remaining_bytes() >= 3
                                       ? input_.ConsumeIntegralInRange<std::uint32_t>(0, 0xFFFFFF)
                                       : static_cast<std::uint32_t>(fallback_() >> 8);
        return static_cast<float>(bits) * (1.0f / 16777216.0f);
    }

  private:
    FuzzedDataProvider& input_;
    std::mt19937 fallback_{11};
};

// The reads of fuzz_seq_file's input, one byte each; the corpus generator writes them too.
enum class SeqRead : std::uint8_t { int16, int32, text, endLine, skipLine, atEnd, kinds };

// The player's choices from the input (0 once it is used up).
class InputChooser final : public play::Chooser {
  public:
    explicit InputChooser(FuzzedDataProvider& input) : input_(input) {}
    int pick(int count) override { return input_.ConsumeIntegralInRange<int>(0, count - 1); }

  private:
    FuzzedDataProvider& input_;
};

} // namespace zt::fuzz
