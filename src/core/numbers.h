#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

// Groups the digits of a whole number's decimal text in threes: "5000" -> "5,000",
// "-200000" -> "-200,000", "" -> "".
std::string addCommas(std::string_view digits);

// "$" and the grouped amount, as money is shown on the main window and in the shops.
std::string formatMoney(std::int64_t amount);

// The leading number of a typed or stored text: digits and at most one decimal point,
// read from the left with blanks skipped, stopping at any other character.
struct LeadingNumber {
    bool found = false;      // at least one digit was read
    std::string wholeDigits; // digits before the point, leading zeros kept
    std::string fractionDigits;

    bool isWhole() const; // no fractional part, or only zeros after the point
    double value() const; // 0 when nothing was found
};
LeadingNumber readLeadingNumber(std::string_view text);

// The value of a text by the reading rule: empty or non-numeric texts are 0.
double readNumber(std::string_view text);

// An amount typed by the player: its whole value, or nothing when it has a fractional part
// (a fraction is refused like any other amount that cannot be granted). Very large amounts
// are held at kHugeAmount so that every maximum refuses them.
inline constexpr std::int64_t kHugeAmount = 1'000'000'000'000'000LL;
std::optional<std::int64_t> readWholeAmount(std::string_view text);

// Rounding of a computed value into a whole number: nearest, halves to the even neighbour.
std::int64_t roundHalfEven(double x);

// Int(x): the largest whole number not above x.
std::int64_t intFloor(double x);

// The largest whole number not above a / b, for b > 0 and any sign of a.
std::int64_t floorDivide(std::int64_t a, std::int64_t b);

// a / b rounded to the nearest whole number, halves to the even neighbour, for b > 0.
std::int64_t divideHalfEven(std::int64_t a, std::int64_t b);

// Rounds the exact leading number of a text half to even; nothing when the text has no
// leading number or the result leaves [lo, hi].
std::optional<std::int64_t> roundedLeadingNumber(std::string_view text, std::int64_t lo,
                                                 std::int64_t hi);

} // namespace zt
