#include "services/bank.h"
#include "services/scrapping.h"
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
// soak after every command; these rows hold which refusal the player is told at each limit and
// the amount moved.
struct Row {
    const char* name;
    GameState state;
    std::function<std::pair<Refusal, std::int64_t>(GameState&)> act;
    Refusal refusal;
    std::int64_t amount;
};

auto borrowing(const char* typed) {
    return [=](GameState& s) {
        const BankAnswer a = borrow(s, typed);
        return std::pair{a.refusal, std::int64_t{a.amount}};
    };
}
auto repaying(const char* typed) {
    return [=](GameState& s) {
        const BankAnswer a = repay(s, typed);
        return std::pair{a.refusal, std::int64_t{a.amount}};
    };
}
auto buying(const Shop& shop, const char* typed) {
    return [=, &shop](GameState& s) {
        const ShopAnswer a = buyUnits(s, catalogue, shop, typed);
        EXPECT_EQ(a.cost, a.units * shop.unitPrice);
        return std::pair{a.refusal, std::int64_t{a.units}};
    };
}
auto buyingShip(int ship) {
    return [=](GameState& s) {
        const ShipAnswer a = buyShip(s, catalogue, ship);
        return std::pair{a.refusal, std::int64_t{a.price}};
    };
}
// A Planet Hopper (fuel and shield capacity 100) with the given cash and both levels.
GameState hopper(std::int32_t cash, std::int16_t level) {
    return flying(cash, 0, 1, level, level);
}

TEST(Services, EachLimitIsRefusedWithItsOwnReason) {
    using enum Refusal;
    constexpr std::int32_t kTop = 2147483647, kBottom = -2147483647 - 1;
    const Row rows[] = {
        {"borrow the whole room", flying(5000, 0), borrowing("50000"), None, 50000},
        {"borrow one dollar past the room", flying(5000, 0), borrowing("50001"), AboveLimit, 0},
        {"borrow a cent past the room", flying(5000, 0), borrowing("50000.01"), Fraction, 0},
        {"borrow the last dollar", flying(100, 49999), borrowing("1"), None, 1},
        {"borrow nothing above the ceiling", flying(100, 50001), borrowing("0"), AboveLimit, 0},
        {"borrow far too many digits", flying(5000, 0), borrowing("99999999999999999999999"),
         AboveLimit, 0},
        {"borrow cash past 32 bits", flying(kTop - 3647, 0), borrowing("3648"), MoneyRange, 0},
        {"borrow cash up to 32 bits", flying(kTop - 3647, 0), borrowing("3647"), None, 3647},
        {"borrow with negative cash", flying(-700, 0), borrowing("1000"), None, 1000},
        {"repay the whole debt", flying(5000, 3000), repaying("3000"), None, 3000},
        {"repay more than the debt", flying(5000, 3000), repaying("3001"), AboveDebt, 0},
        {"repay more than the cash", flying(2999, 3000), repaying("3000"), AboveCash, 0},
        {"repay all the cash", flying(2999, 3000), repaying("2999"), None, 2999},
        {"repay nothing with negative cash", flying(-5, 3000), repaying("0"), AboveCash, 0},
        {"repay a fraction", flying(5000, 3000), repaying("2.5"), Fraction, 0},
        {"repay a debt above the ceiling", flying(70000, 60000), repaying("60000"), None, 60000},
        {"fuel up to the maximum", hopper(95, 50), buying(kFuelShop, "9"), None, 9},
        {"fuel past the maximum", hopper(95, 50), buying(kFuelShop, "10"), AboveLimit, 0},
        {"shields past the cash", hopper(95, 50), buying(kShieldShop, "1"), AboveLimit, 0},
        {"an empty box at full shields", hopper(5000, 100), buying(kShieldShop, ""), None, 0},
        {"no fuel with negative cash", hopper(-5, 50), buying(kFuelShop, "0"), AboveLimit, 0},
        {"half a unit of fuel", hopper(5000, 10), buying(kFuelShop, "2.5"), Fraction, 0},
        {"zeros after the point", hopper(5000, 10), buying(kShieldShop, "3.0"), None, 3},
        // The Cargo Caravel (ship 2) costs $20,000, paid from cash net of the debt.
        {"the ship flown", flying(10'000'000, 0), buyingShip(1), SameShip, 0},
        {"no ship 0", flying(10'000'000, 0), buyingShip(0), NoSuchShip, 0},
        {"no ship 8", flying(10'000'000, 0), buyingShip(8), NoSuchShip, 0},
        {"net cash exactly the price", flying(30000, 10000), buyingShip(2), None, 20000},
        {"net cash a dollar short", flying(30000, 10001), buyingShip(2), NetCashShort, 0},
        {"the extremes of money", flying(kBottom, kTop), buyingShip(2), NetCashShort, 0},
    };
    for (const Row& row : rows) {
        GameState s = row.state;
        const auto [refusal, amount] = row.act(s);
        EXPECT_EQ(refusal, row.refusal) << row.name;
        EXPECT_EQ(amount, row.amount) << row.name;
        EXPECT_TRUE(refusal == Refusal::None || s == row.state) << row.name;
    }
}

TEST(Services, TheFiguresShownAreTheRoomTheCashPaysFor) {
    const struct {
        const char* name;
        std::int32_t cash;
        std::int16_t level;
        std::int64_t fuel, shields;
    } rows[] = {
        {"no room", 5000, 100, 0, 0},
        {"cash for 9 fuel units", 95, 50, 9, 0},
        {"room is the limit", 100000, 30, 70, 70},
        {"cash for exactly the room", 1000, 90, 10, 10},
        {"a few dollars short rounds down to -1", -5, 50, -1, -1},
        {"the least cash there is", -2147483647 - 1, 0, -214748365, -21474837},
    };
    for (const auto& row : rows) {
        // Each shop looks at its own level only: the other one is left at a different value.
        EXPECT_EQ(maxUnits(flying(row.cash, 0, 1, row.level, 7), catalogue, kFuelShop), row.fuel)
            << row.name;
        EXPECT_EQ(maxUnits(flying(row.cash, 0, 1, 7, row.level), catalogue, kShieldShop),
                  row.shields)
            << row.name;
    }
    EXPECT_EQ(maxLoan(49999), 1);
    EXPECT_EQ(maxLoan(50001), 0);
    EXPECT_EQ(netCashShown(flying(30000, 10001)), 19999);
    EXPECT_EQ(netCashShown(flying(5000, 9000)), 0);
}

TEST(Scrapping, PaysTwoDollarsAUnitForOneGoodAndIsRefusedPastTheCashLimit) {
    GameState s = flying(1000, 0);
    s.cargo[4] = {37, 950};
    s.cargo[5] = {10, 20};
    s.blackCargo[4] = {3, 100};
    s.cargoInHold = 50;
    const TradeOutcome out = scrapCargo(s, 4);
    EXPECT_EQ(out.dollars, 74);
    EXPECT_EQ(s.cash, 1074);
    EXPECT_EQ(s.cargoInHold, 13);
    EXPECT_EQ(s.cargo[4].quantity, 0);
    EXPECT_EQ(s.blackCargo[4], (CargoItem{3, 100})) << "the black good of that number stays";
    s.cash = 2147483647 - 19;
    EXPECT_EQ(scrapCargo(s, 5).refusal, Refusal::MoneyRange);
    s.cash = 2147483647 - 20;
    EXPECT_TRUE(scrapCargo(s, 5).done());
}

} // namespace
} // namespace zt
