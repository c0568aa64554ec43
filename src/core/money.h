#pragma once
#include <cstdint>
#include <limits>
#include <optional>

namespace zt {

// Money is whole dollars in 32 bits. A player action that would leave that range is
// refused; amounts the game imposes (interest, fines, fees) are held at the limits.
inline constexpr std::int64_t kMoneyMax = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int64_t kMoneyMin = std::numeric_limits<std::int32_t>::min();

inline constexpr bool fitsMoney(std::int64_t v) {
    return v >= kMoneyMin && v <= kMoneyMax;
}

// The amount as 32-bit money, or nothing when it does not fit (the action is refused).
inline constexpr std::optional<std::int32_t> checkedMoney(std::int64_t v) {
    if (!fitsMoney(v)) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

// The amount held to the 32-bit range (debt that grows by itself, net worth).
inline constexpr std::int32_t heldMoney(std::int64_t v) {
    if (v > kMoneyMax) return static_cast<std::int32_t>(kMoneyMax);
    if (v < kMoneyMin) return static_cast<std::int32_t>(kMoneyMin);
    return static_cast<std::int32_t>(v);
}

// Adds a charge the game imposes to the debt, holding it at the 32-bit limit.
inline constexpr std::int32_t addToDebt(std::int32_t debt, std::int64_t charge) {
    return heldMoney(static_cast<std::int64_t>(debt) + charge);
}

} // namespace zt
