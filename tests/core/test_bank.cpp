#include "services/bank.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

struct BankCase {
    const char* what;
    std::int32_t cash;
    std::int32_t debt;
    const char* typed;
    Refusal refusal;
    std::int32_t moved; // dollars added to (borrow) or taken from (repay) both
};

void checkBankCase(const BankCase& c, BankAnswer (*action)(GameState&, std::string_view),
                   int sign) {
    GameState state = test::flying(c.cash, c.debt, 1, 40, 60);
    GameState expected = state;
    expected.cash = static_cast<std::int32_t>(c.cash + sign * c.moved);
    expected.debt = static_cast<std::int32_t>(c.debt + sign * c.moved);
    const BankAnswer answer = action(state, c.typed);
    EXPECT_EQ(answer.refusal, c.refusal) << c.what;
    EXPECT_EQ(answer.amount, c.moved) << c.what;
    // A refusal changes nothing at all; a loan or repayment moves cash and debt alike.
    EXPECT_EQ(state, expected) << c.what;
}

TEST(Bank, BorrowsUpToADebtOfFiftyThousand) {
    const BankCase cases[] = {
        {"the whole room with no debt", 5000, 0, "50000", Refusal::None, 50000},
        {"one dollar past the room", 5000, 0, "50001", Refusal::AboveLimit, 0},
        {"a cent past the room", 5000, 0, "50000.01", Refusal::Fraction, 0},
        {"nothing above the ceiling", 100, 50001, "0", Refusal::AboveLimit, 0},
        {"any amount at the debt limit", 100, 2147483647, "1", Refusal::AboveLimit, 0},
        {"far too many digits", 5000, 0, "99999999999999999999999", Refusal::AboveLimit, 0},
        {"cash would pass the 32-bit limit", 2147480000, 0, "10000", Refusal::MoneyRange, 0},
        {"cash up to the 32-bit limit", 2147480000, 0, "3647", Refusal::None, 3647},
        {"negative cash may still borrow", -700, 0, "1000", Refusal::None, 1000},
    };
    for (const BankCase& c : cases)
        checkBankCase(c, borrow, +1);
}

TEST(Bank, RepaysUpToTheDebtAndTheCash) {
    const BankCase cases[] = {
        {"the whole debt", 5000, 3000, "3000", Refusal::None, 3000},
        {"more than the debt", 5000, 3000, "3001", Refusal::AboveDebt, 0},
        {"the whole debt with too little cash", 2999, 3000, "3000", Refusal::AboveCash, 0},
        {"all the cash", 2999, 3000, "2999", Refusal::None, 2999},
        {"anything with no debt", 5000, 0, "1", Refusal::AboveDebt, 0},
        {"nothing with negative cash", -5, 3000, "0", Refusal::AboveCash, 0},
        {"a fraction", 5000, 3000, "2.5", Refusal::Fraction, 0},
        {"a debt above the ceiling", 70000, 60000, "60000", Refusal::None, 60000},
    };
    for (const BankCase& c : cases)
        checkBankCase(c, repay, -1);
}

TEST(Bank, MaxLoanIsTheRoomUnderTheCeilingAndNeverNegative) {
    const std::pair<std::int32_t, std::int64_t> cases[] = {
        {0, 50000}, {49999, 1}, {50000, 0}, {50001, 0}};
    for (const auto& [debt, max] : cases) {
        EXPECT_EQ(maxLoan(debt), max) << debt;
        // The figure offered can always be borrowed when the debt is not above the ceiling.
        EXPECT_EQ(canBorrow(debt, max), debt <= kDebtCeiling) << debt;
        EXPECT_FALSE(canBorrow(debt, max + 1)) << debt;
    }
}

} // namespace
} // namespace zt
