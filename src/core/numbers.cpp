#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace zt {

std::string addCommas(std::string_view digits) {
    std::string_view sign;
    if (!digits.empty() && digits.front() == '-') {
        sign = digits.substr(0, 1);
        digits.remove_prefix(1);
    }
    std::string out(sign);
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string formatMoney(std::int64_t amount) {
    return "$" + addCommas(std::to_string(amount));
}

bool LeadingNumber::isWhole() const {
    return fractionDigits.find_first_not_of('0') == std::string::npos;
}

double LeadingNumber::value() const {
    if (!found) return 0.0;
    std::string text = wholeDigits.empty() ? "0" : wholeDigits;
    if (!fractionDigits.empty()) text += "." + fractionDigits;
    return std::strtod(text.c_str(), nullptr);
}

LeadingNumber readLeadingNumber(std::string_view text) {
    LeadingNumber n;
    bool seenPoint = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        if (c >= '0' && c <= '9') {
            (seenPoint ? n.fractionDigits : n.wholeDigits) += c;
            n.found = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    return n;
}

double readNumber(std::string_view text) {
    return readLeadingNumber(text).value();
}

namespace {

// The whole part of the digits, held at kHugeAmount.
std::int64_t wholePart(const std::string& digits) {
    std::int64_t v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v >= kHugeAmount) return kHugeAmount;
    }
    return v;
}

} // namespace

std::optional<std::int64_t> readWholeAmount(std::string_view text) {
    const LeadingNumber n = readLeadingNumber(text);
    if (!n.isWhole()) return std::nullopt;
    return wholePart(n.wholeDigits);
}

std::int64_t roundHalfEven(double x) {
    const double r = std::nearbyint(x); // the default rounding mode is to nearest, ties to even
    return static_cast<std::int64_t>(r);
}

std::int64_t intFloor(double x) {
    return static_cast<std::int64_t>(std::floor(x));
}

std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && a < 0) --q;
    return q;
}

std::int64_t divideHalfEven(std::int64_t a, std::int64_t b) {
    const std::int64_t q = floorDivide(a, b);
    const std::int64_t twiceRest = 2 * (a - q * b);
    if (twiceRest > b || (twiceRest == b && q % 2 != 0)) return q + 1;
    return q;
}

std::optional<std::int64_t> roundedLeadingNumber(std::string_view text, std::int64_t lo,
                                                 std::int64_t hi) {
    const LeadingNumber n = readLeadingNumber(text);
    if (!n.found) return std::nullopt;
    std::int64_t whole = wholePart(n.wholeDigits);
    if (whole >= kHugeAmount) return std::nullopt;
    // Exact half-to-even on the decimal digits, so "2.5" is 2 and "3.5" is 4.
    if (!n.fractionDigits.empty()) {
        const char first = n.fractionDigits.front();
        const bool restZero = n.fractionDigits.find_first_not_of('0', 1) == std::string::npos;
        if (first > '5' || (first == '5' && !restZero) || (first == '5' && restZero && whole % 2))
            ++whole;
    }
    if (whole < lo || whole > hi) return std::nullopt;
    return whole;
}

} // namespace zt
