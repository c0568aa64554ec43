#include "storage/encrypt.h"

#include <array>
#include <cstdint>

namespace zt::Encrypt {

namespace {

// Sixteen distinct letters, one per half byte.
constexpr std::string_view kLetters = "ZENTHARIBCDFGJKL";
constexpr std::string_view kKey = "Zenthari Trader";
constexpr std::uint8_t kStart = 0x5A;

int letterValue(char c) {
    const std::size_t at = kLetters.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::uint8_t keyAt(std::size_t i) {
    return static_cast<std::uint8_t>(kKey[i % kKey.size()]);
}

} // namespace

// Each byte is shifted by the key and by the previous scrambled byte, so equal letters of a
// name do not show as equal pairs; then written as two letters.
std::string encode(std::string_view plain) {
    std::string out;
    out.reserve(plain.size() * 2);
    std::uint8_t previous = kStart;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto c =
            static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain[i]) + keyAt(i) + previous);
        out += kLetters[c >> 4];
        out += kLetters[c & 0x0F];
        previous = c;
    }
    return out;
}

std::optional<std::string> decode(std::string_view scrambled) {
    if (scrambled.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(scrambled.size() / 2);
    std::uint8_t previous = kStart;
    for (std::size_t i = 0; i < scrambled.size() / 2; ++i) {
        const int high = letterValue(scrambled[2 * i]);
        const int low = letterValue(scrambled[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        const auto c = static_cast<std::uint8_t>(high << 4 | low);
        out += static_cast<char>(static_cast<std::uint8_t>(c - keyAt(i) - previous));
        previous = c;
    }
    return out;
}

} // namespace zt::Encrypt
