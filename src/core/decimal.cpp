#include "core/decimal.h"

#include "core/numbers.h"

#include <algorithm>
#include <cstdlib>

namespace zt {

namespace {
constexpr std::int64_t pow10(int n) {
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}
constexpr std::int64_t kLargestWhole = 1'000'000'000;
} // namespace

std::optional<Decimal> Decimal::parse(std::string_view text) {
    const LeadingNumber n = readLeadingNumber(text);
    if (!n.found) return std::nullopt;
    std::string fraction = n.fractionDigits;
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (static_cast<int>(fraction.size()) > kMaxScale) return std::nullopt;
    const std::size_t firstDigit = n.wholeDigits.find_first_not_of('0');
    const std::string whole =
        firstDigit == std::string::npos ? "" : n.wholeDigits.substr(firstDigit);
    if (whole.size() > 10) return std::nullopt;
    const std::int64_t wholeValue = whole.empty() ? 0 : std::stoll(whole);
    if (wholeValue > kLargestWhole) return std::nullopt;
    const int scale = static_cast<int>(fraction.size());
    const std::int64_t fractionValue = fraction.empty() ? 0 : std::stoll(fraction);
    return Decimal(wholeValue * pow10(scale) + fractionValue, scale);
}

std::string Decimal::text() const {
    const Decimal d = normalised();
    const bool negative = d.units_ < 0;
    const std::int64_t magnitude = negative ? -d.units_ : d.units_;
    const std::int64_t p = pow10(d.scale_);
    std::string out = (negative ? "-" : "") + std::to_string(magnitude / p);
    if (d.scale_ > 0) {
        std::string fraction = std::to_string(magnitude % p);
        fraction.insert(0, static_cast<std::size_t>(d.scale_) - fraction.size(), '0');
        out += "." + fraction;
    }
    return out;
}

std::int64_t Decimal::unitsAt(int scale) const {
    return units_ * pow10(scale - scale_);
}

Decimal Decimal::operator+(const Decimal& other) const {
    const int scale = std::max(scale_, other.scale_);
    return Decimal(unitsAt(scale) + other.unitsAt(scale), scale).normalised();
}

int Decimal::compare(const Decimal& other) const {
    const int scale = std::max(scale_, other.scale_);
    const std::int64_t a = unitsAt(scale), b = other.unitsAt(scale);
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace zt
