#include "services/shipyard.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const Catalogue& catalogue = test::shippedCatalogue();

TEST(Shipyard, NetCashNotCashPaysForAShipAndTheShipFlownIsRefused) {
    struct Case {
        const char* what;
        std::int32_t cash;
        std::int32_t debt;
        int ship;
        Refusal refusal;
        std::int64_t shown;
    };
    // The Cargo Caravel (ship 2: fuel 200, shields 150) costs $20,000.
    const Case cases[] = {
        {"the ship flown", 10'000'000, 0, 1, Refusal::SameShip, 10'000'000},
        {"no ship 0", 10'000'000, 0, 0, Refusal::NoSuchShip, 10'000'000},
        {"no ship 8", 10'000'000, 0, 8, Refusal::NoSuchShip, 10'000'000},
        {"net cash exactly the price", 30000, 10000, 2, Refusal::None, 20000},
        {"a dollar short", 30000, 10001, 2, Refusal::NetCashShort, 19999},
        {"debt above cash", 5000, 9000, 2, Refusal::NetCashShort, 0},
        {"the extremes of money", -2147483647 - 1, 2147483647, 2, Refusal::NetCashShort, 0},
    };
    for (const Case& c : cases) {
        GameState state = test::flying(c.cash, c.debt);
        EXPECT_EQ(shipRefusal(state, catalogue, c.ship), c.refusal) << c.what;
        EXPECT_EQ(netCashShown(state), c.shown) << c.what;
        GameState expected = state;
        const ShipAnswer answer = buyShip(state, catalogue, c.ship);
        EXPECT_EQ(answer.refusal, c.refusal) << c.what;
        if (c.refusal == Refusal::None) {
            expected.cash = c.cash - 20000;
            expected.shipType = static_cast<std::int16_t>(c.ship);
            expected.fuel = 200;
            expected.shields = 150;
            EXPECT_EQ(answer.price, 20000);
            EXPECT_EQ(shipRefusal(state, catalogue, c.ship), Refusal::SameShip);
        }
        EXPECT_EQ(state, expected) << c.what;
    }
}

TEST(Shipyard, ASmallerShipComesFullButKeepsAnOverfullHold) {
    // A Galactic Galleon (hold 300, shields 200, fuel 200) with 250 units aboard.
    GameState state = test::flying(50000, 0, 3, 150, 120);
    state.cargoInHold = 250;
    state.cargo[4] = {200, 31};
    state.cargo[9] = {50, 7};
    GameState expected = state;
    expected.cash = 40000;
    expected.shipType = 1;
    expected.fuel = 100;
    expected.shields = 100;

    EXPECT_TRUE(buyShip(state, catalogue, 1).done());
    EXPECT_EQ(state, expected);
    EXPECT_EQ(freeRoom(state, catalogue), -150);

    // Moving up again fills fuel and shields to the larger capacities.
    state.cash = 200000;
    EXPECT_TRUE(buyShip(state, catalogue, 4).done());
    EXPECT_EQ(state.fuel, 500);
    EXPECT_EQ(state.shields, 250);
    EXPECT_EQ(state.cargoInHold, 250);
}

} // namespace
} // namespace zt
