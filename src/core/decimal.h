#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

// An exact decimal number (units × 10^-scale) for the Earth time and the time a flight
// needs, so that hundreds of flights never drift the way binary fractions would.
class Decimal {
  public:
    static constexpr int kMaxScale = 9;

    constexpr Decimal() = default;
    static constexpr Decimal whole(std::int64_t n) { return Decimal(n, 0); }
    static constexpr Decimal hundredths(std::int64_t n) { return Decimal(n, 2).normalised(); }

    // The leading number of a text (reading rule); nothing when the text holds no number,
    // more than kMaxScale decimals or a value beyond a billion.
    static std::optional<Decimal> parse(std::string_view text);

    // The shortest decimal text: no trailing zeros, no point for a whole number.
    std::string text() const;

    Decimal operator+(const Decimal& other) const;
    int compare(const Decimal& other) const;
    bool operator==(const Decimal& other) const { return compare(other) == 0; }
    bool operator<(const Decimal& other) const { return compare(other) < 0; }
    bool operator>(const Decimal& other) const { return compare(other) > 0; }

  private:
    constexpr Decimal(std::int64_t units, int scale) : units_(units), scale_(scale) {}
    constexpr Decimal normalised() const {
        Decimal d = *this;
        while (d.scale_ > 0 && d.units_ % 10 == 0) {
            d.units_ /= 10;
            --d.scale_;
        }
        return d;
    }
    std::int64_t unitsAt(int scale) const; // scale >= scale_

    std::int64_t units_ = 0;
    int scale_ = 0;
};

} // namespace zt
