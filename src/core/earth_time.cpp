#include "core/earth_time.h"

namespace zt {

std::optional<EarthTime> EarthTime::fromText(std::string_view text) {
    const auto value = Decimal::parse(text);
    if (!value) return std::nullopt;
    return EarthTime(*value, std::string(text));
}

EarthTime EarthTime::plus(const Decimal& years) const {
    const Decimal sum = value_ + years;
    return EarthTime(sum, sum.text());
}

} // namespace zt
