#include "services/bank.h"

#include "core/money.h"
#include "core/numbers.h"

namespace zt {

BankAnswer borrow(GameState& state, std::string_view typed) {
    const auto amount = readWholeAmount(typed);
    if (!amount) return {{Refusal::Fraction}};
    if (!canBorrow(state.debt, *amount)) return {{Refusal::AboveLimit}};
    const auto cash = checkedMoney(state.cash + *amount);
    if (!cash) return {{Refusal::MoneyRange}};
    // The debt stays at or under the ceiling, so it always fits.
    state.debt = static_cast<std::int32_t>(state.debt + *amount);
    state.cash = *cash;
    return {{}, static_cast<std::int32_t>(*amount)};
}

BankAnswer repay(GameState& state, std::string_view typed) {
    const auto amount = readWholeAmount(typed);
    if (!amount) return {{Refusal::Fraction}};
    if (*amount > state.debt) return {{Refusal::AboveDebt}};
    if (*amount > state.cash) return {{Refusal::AboveCash}};
    // Both stay between 0 and their old value.
    state.debt = static_cast<std::int32_t>(state.debt - *amount);
    state.cash = static_cast<std::int32_t>(state.cash - *amount);
    return {{}, static_cast<std::int32_t>(*amount)};
}

} // namespace zt
