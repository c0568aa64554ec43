#include "services/shops.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const Catalogue& catalogue = test::shippedCatalogue();

// A Planet Hopper (fuel and shield capacity 100) with the given cash and levels.
GameState hopper(std::int32_t cash, std::int16_t fuel, std::int16_t shields) {
    return test::flying(cash, 0, 1, fuel, shields);
}

TEST(Shops, MaximumIsWhatCashPaysForWithinTheRoomLeft) {
    struct Case {
        const char* what;
        std::int32_t cash;
        std::int16_t level;
        std::int64_t fuelMax;
        std::int64_t shieldMax;
    };
    const Case cases[] = {
        {"no room", 5000, 100, 0, 0},
        {"cash for 9 fuel units, room for 50", 95, 50, 9, 0},
        {"room is the limit", 100000, 30, 70, 70},
        {"cash for exactly the room", 1000, 90, 10, 10},
        {"a few dollars short of one unit rounds down to -1", -5, 50, -1, -1},
        {"the most cash there is", 2147483647, 0, 100, 100},
        {"the least cash there is", -2147483647 - 1, 0, -214748365, -21474837},
    };
    for (const Case& c : cases) {
        // Each shop looks at its own level only: the other one is left at a different value.
        EXPECT_EQ(maxUnits(hopper(c.cash, c.level, 7), catalogue, kFuelShop), c.fuelMax) << c.what;
        EXPECT_EQ(maxUnits(hopper(c.cash, 7, c.level), catalogue, kShieldShop), c.shieldMax)
            << c.what;
    }
}

TEST(Shops, PurchasesWithinTheMaximumAreStockedAndPaid) {
    struct Case {
        const char* what;
        const Shop* shop;
        std::int32_t cash;
        std::int16_t level;
        const char* typed;
        Refusal refusal;
        std::int16_t units;
    };
    const Case cases[] = {
        {"fuel up to the maximum", &kFuelShop, 95, 50, "9", Refusal::None, 9},
        {"fuel past the maximum", &kFuelShop, 95, 50, "10", Refusal::AboveLimit, 0},
        {"shields past the cash", &kShieldShop, 95, 50, "1", Refusal::AboveLimit, 0},
        {"an empty box with full shields", &kShieldShop, 5000, 100, "", Refusal::None, 0},
        {"nothing with negative cash", &kFuelShop, -5, 50, "0", Refusal::AboveLimit, 0},
        {"half a unit", &kFuelShop, 5000, 10, "2.5", Refusal::Fraction, 0},
        {"zeros after the point", &kShieldShop, 5000, 10, "3.0", Refusal::None, 3},
        {"far too many digits", &kFuelShop, 5000, 0, "99999999999999999999", Refusal::AboveLimit,
         0},
    };
    for (const Case& c : cases) {
        GameState state = hopper(c.cash, c.level, c.level);
        GameState expected = state;
        expected.*c.shop->level = static_cast<std::int16_t>(c.level + c.units);
        expected.cash = c.cash - c.units * c.shop->unitPrice;
        const ShopAnswer answer = buyUnits(state, catalogue, *c.shop, c.typed);
        EXPECT_EQ(answer.refusal, c.refusal) << c.what;
        EXPECT_EQ(answer.units, c.units) << c.what;
        EXPECT_EQ(answer.cost, c.units * c.shop->unitPrice) << c.what;
        EXPECT_EQ(state, expected) << c.what;
    }
}

} // namespace
} // namespace zt
