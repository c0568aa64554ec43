#pragma once
#include "core/answer.h"
#include "core/game_state.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace zt {

// Borrowing may lift the debt up to this many dollars and no further.
inline constexpr std::int32_t kDebtCeiling = 50000;

// Dollars still borrowable under the ceiling; negative once charges the game imposes have
// lifted the debt above it, so that every loan, even of 0, is then refused.
constexpr std::int64_t borrowingRoom(std::int32_t debt) {
    return kDebtCeiling - std::int64_t{debt};
}

// The largest loan offered to the player ("Max Loan:"): the room, or 0 above the ceiling.
constexpr std::int64_t maxLoan(std::int32_t debt) {
    return std::max<std::int64_t>(0, borrowingRoom(debt));
}

// A loan of this many whole dollars may be taken now.
constexpr bool canBorrow(std::int32_t debt, std::int64_t amount) {
    return amount <= borrowingRoom(debt);
}

// A borrow or a repayment: the whole dollars that moved into or out of cash and debt alike.
struct BankAnswer : Answer {
    std::int32_t amount = 0;
};

// Takes out a loan of the typed amount: cash and debt both rise by it. Refused, with nothing
// changed, for a fraction, for more than the borrowing room, or when cash would leave the
// 32-bit range.
BankAnswer borrow(GameState& state, std::string_view typed);

// Repays the typed amount: cash and debt both fall by it. Refused, with nothing changed, for a
// fraction or for more than the debt or more than the cash.
BankAnswer repay(GameState& state, std::string_view typed);

} // namespace zt
