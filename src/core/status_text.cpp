#include "core/status_text.h"

#include "core/numbers.h"

namespace zt {

std::string gaugeText(std::int64_t level, std::int64_t capacity) {
    return addCommas(std::to_string(level)) + " / " + addCommas(std::to_string(capacity));
}

} // namespace zt
