#include "services/bank.h"
#include "services/shipyard.h"
#include "services/shops.h"
#include "support.h"

#include <gtest/gtest.h>

#include <functional>

namespace zt {
namespace {

using test::flying;
const Catalogue& catalogue = test::shippedCatalogue();

// That a refusal changes nothing and a purchase, loan or repayment adds up is checked by the
// soak after every command; these rows hold the refusal each limit gives.
using Act = std::function<Refusal(GameState&)>;
Act borrowing(const char* typed) {
    return [=](GameState& s) { return borrow(s, typed).refusal; };
}
Act repaying(const char* typed) {
    return [=](GameState& s) { return repay(s, typed).refusal; };
}
Act buying(const Shop& shop, const char* typed) {
    return [=, &shop](GameState& s) { return buyUnits(s, catalogue, shop, typed).refusal; };
}
Act buyingShip(int ship) {
    return [=](GameState& s) { return buyShip(s, catalogue, ship).refusal; };
}

TEST(Services, EachLimitIsRefusedWithItsOwnReason) {
    using enum Refusal;
    constexpr std::int32_t kTop = 2147483647;
    const std::tuple<const char*, GameState, Act, Refusal> rows[] = {
        {"borrow the whole room", flying(5000, 0), borrowing("50000"), None},
        {"borrow one dollar past the room", flying(5000, 0), borrowing("50001"), AboveLimit},
        {"borrow a cent past the room", flying(5000, 0), borrowing("50000.01"), Fraction},
        {"borrow cash past 32 bits", flying(kTop - 3647, 0), borrowing("3648"), MoneyRange},
        {"borrow cash up to 32 bits", flying(kTop - 3647, 0), borrowing("3647"), None},
        {"repay more than the debt", flying(5000, 3000), repaying("3001"), AboveDebt},
        {"repay more than the cash", flying(2999, 3000), repaying("3000"), AboveCash},
        // A Planet Hopper holds 100 units of fuel, at $10 each.
        {"fuel up to the maximum", flying(95, 0, 1, 50, 50), buying(kFuelShop, "9"), None},
        {"fuel past the maximum", flying(95, 0, 1, 50, 50), buying(kFuelShop, "10"), AboveLimit},
        // The Cargo Caravel (ship 2) costs $20,000, paid from cash net of the debt.
        {"the ship flown", flying(10'000'000, 0), buyingShip(1), SameShip},
        {"no ship 8", flying(10'000'000, 0), buyingShip(8), NoSuchShip},
        {"net cash exactly the price", flying(30000, 10000), buyingShip(2), None},
        {"net cash a dollar short", flying(30000, 10001), buyingShip(2), NetCashShort},
    };
    for (const auto& [name, state, act, refusal] : rows) {
        GameState s = state;
        EXPECT_EQ(act(s), refusal) << name;
    }
}

TEST(Services, TheFiguresShownAreTheRoomTheCashPaysFor) {
    // A few dollars short rounds down to -1; each shop looks at its own level only.
    EXPECT_EQ(maxUnits(flying(-5, 0, 1, 50, 100), catalogue, kFuelShop), -1);
    EXPECT_EQ(maxUnits(flying(-5, 0, 1, 100, 50), catalogue, kShieldShop), -1);
    EXPECT_EQ(maxUnits(flying(100000, 0, 1, 30, 7), catalogue, kShieldShop), 93);
    EXPECT_EQ(maxLoan(49999), 1);
    EXPECT_EQ(maxLoan(50001), 0);
    EXPECT_EQ(netCashShown(flying(30000, 10001)), 19999);
    EXPECT_EQ(netCashShown(flying(5000, 9000)), 0);
}

} // namespace
} // namespace zt
