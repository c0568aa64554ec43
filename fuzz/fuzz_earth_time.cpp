// The Earth time on any stored text, then moved on by flights and prison terms while the
// game goes on: a text that reads keeps its exact value and its text; each step adds
// exactly, never drifts, and shows the shortest text of the new value, which reads back as
// the same time (a save and a load). The input is the stored time, then the years of each step,
// NUL-separated.
#include "core/earth_time.h"
#include "fuzz_support.h"

#include <vector>

using namespace zt;

namespace {

std::vector<std::string_view> parts(std::string_view input) {
    std::vector<std::string_view> out;
    for (std::size_t nul; (nul = input.find('\0')) != std::string_view::npos;) {
        out.push_back(input.substr(0, nul));
        input.remove_prefix(nul + 1);
    }
    out.push_back(input);
    return out;
}

// No trailing zero after the point and no point without a fraction.
bool isShortest(const std::string& text) {
    return text.find('.') == std::string::npos || (text.back() != '0' && text.back() != '.');
}

// No flight leaves after the last end year, and none takes longer than a prison term does.
constexpr int kLastEndYear = 3500;
const Decimal kLongestStep = Decimal::whole(100);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> texts = parts(fuzz::text(data, size));
    const auto stored = EarthTime::fromText(texts[0]);
    fuzz::check(stored.has_value() == Decimal::parse(texts[0]).has_value(),
                "a stored time and its number read differently");
    if (!stored) return 0;
    fuzz::check(stored->text() == texts[0] &&
                    Decimal::parse(stored->value().text()) == stored->value(),
                "a stored time lost its text or its value");

    EarthTime time = *stored;
    for (std::size_t step = 1; step < texts.size() && !time.isAfterYear(kLastEndYear); ++step) {
        const auto years = Decimal::parse(texts[step]);
        if (!years || *years > kLongestStep) continue;
        const EarthTime later = time.plus(*years);
        fuzz::check(later.value() == time.value() + *years && !(later.value() < time.value()),
                    "a step did not add its years exactly");
        fuzz::check(isShortest(later.text()) && later.text() == later.value().text(),
                    "a moved time does not show its shortest text");
        const auto reloaded = EarthTime::fromText(later.text());
        fuzz::check(reloaded && *reloaded == later, "a moved time does not read back");
        time = later;
    }
    return 0;
}
