// The reading rule of every amount box on any text: an amount is whole, never negative,
// held at kHugeAmount, and agrees with the text's value; a rounded amount is the nearest
// whole number with halves to even; and money shows as its own digits in groups of three.
#include "core/numbers.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstring>

using namespace zt;

namespace {

// Texts of at most 15 digits convert to doubles that keep their value and their halves.
constexpr std::size_t kExactDigits = 15;

// "$", the sign, then the digits in groups of three with the first group of one to three.
void checkMoneyText(std::int64_t amount) {
    const std::string money = formatMoney(amount);
    std::string_view shown = money;
    const std::string digits = std::to_string(amount);
    bool grouped = shown.substr(0, 1) == "$";
    shown.remove_prefix(1);
    std::string ungrouped;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::size_t fromEnd = shown.size() - i;
        if (shown[i] == ',')
            grouped = grouped && fromEnd % 4 == 0 && i > 0 && shown[i - 1] != '-';
        else
            ungrouped += shown[i];
    }
    const std::size_t magnitude = digits.size() - (amount < 0);
    const std::size_t commas = shown.size() - ungrouped.size();
    fuzz::check(grouped && ungrouped == digits && commas == (magnitude - 1) / 3,
                "money is not shown as its digits in groups of three");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text(data, size);
    const LeadingNumber n = readLeadingNumber(text);
    const auto digitsOnly = [](const std::string& s) {
        return s.find_first_not_of("0123456789") == std::string::npos;
    };
    fuzz::check(digitsOnly(n.wholeDigits) && digitsOnly(n.fractionDigits) &&
                    n.found == !(n.wholeDigits + n.fractionDigits).empty(),
                "the leading number holds more than its digits");
    const double value = readNumber(text);
    fuzz::check(value >= 0, "a text read as a negative number");

    const bool exact = n.wholeDigits.size() + n.fractionDigits.size() <= kExactDigits;
    const auto amount = readWholeAmount(text);
    fuzz::check(amount.has_value() == n.isWhole(), "a fraction taken as an amount or the reverse");
    if (amount) {
        fuzz::check(*amount >= 0 && *amount <= kHugeAmount, "an amount beyond the held range");
        fuzz::check(!exact || static_cast<double>(*amount) == value,
                    "an amount that is not the text's value");
    }

    const auto rounded = roundedLeadingNumber(text, 0, kHugeAmount - 1);
    fuzz::check(!exact || rounded.has_value() == n.found, "a short number that does not round");
    if (rounded)
        fuzz::check(exact ? *rounded == static_cast<std::int64_t>(std::nearbyint(value))
                          : std::abs(static_cast<double>(*rounded) - value) <= 0.5 + value * 1e-15,
                    "a rounded amount is not the nearest, halves to even");

    if (size >= sizeof(std::int64_t)) {
        std::int64_t amountShown;
        std::memcpy(&amountShown, data, sizeof amountShown);
        checkMoneyText(amountShown);
    }
    return 0;
}
