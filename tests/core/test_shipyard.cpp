#include "services/shipyard.h"

#include "services_support.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

// The shipped ships, with the Planet Hopper priced at $15,000 and the Cargo Caravel at
// $20,000 so that the two sit either side of the net cash of the player below.
Catalogue yard() {
    Catalogue c = test::shippedCatalogue();
    c.ships[1].price = 15000;
    c.ships[2].price = 20000;
    return c;
}

TEST(Shipyard, NetCashNotCashPaysForAShip) {
    const Catalogue catalogue = yard();
    GameState state = test::flying(25000, 10000, 3, 3, 4);
    EXPECT_EQ(netCash(state), 15000);
    EXPECT_TRUE(canBuyShip(state, catalogue, 1));
    EXPECT_EQ(shipRefusal(state, catalogue, 2), Refusal::NetCashShort);

    const GameState before = state;
    EXPECT_EQ(buyShip(state, catalogue, 2).refusal, Refusal::NetCashShort);
    EXPECT_EQ(state, before);

    const ShipAnswer answer = buyShip(state, catalogue, 1);
    EXPECT_TRUE(answer.done());
    EXPECT_EQ(answer.price, 15000);
    EXPECT_EQ(state.cash, 10000);
    EXPECT_EQ(state.debt, 10000);
    EXPECT_EQ(state.shipType, 1);
    // The ship just bought is now the current one and cannot be bought again.
    EXPECT_EQ(shipRefusal(state, catalogue, 1), Refusal::SameShip);
    EXPECT_EQ(netCash(state), 0);
}

TEST(Shipyard, RefusesTheCurrentShipUnknownShipsAndShortNetCash) {
    const Catalogue& catalogue = test::shippedCatalogue();
    struct Case {
        const char* what;
        std::int32_t cash;
        std::int32_t debt;
        int ship;
        Refusal refusal;
        std::int64_t shown;
    };
    const Case cases[] = {
        {"the ship flown", 10'000'000, 0, 1, Refusal::SameShip, 10'000'000},
        {"no ship 0", 10'000'000, 0, 0, Refusal::NoSuchShip, 10'000'000},
        {"no ship 8", 10'000'000, 0, 8, Refusal::NoSuchShip, 10'000'000},
        {"net cash exactly the price", 30000, 10000, 2, Refusal::None, 20000},
        {"a dollar short", 30000, 10001, 2, Refusal::NetCashShort, 19999},
        {"debt above cash", 5000, 9000, 2, Refusal::NetCashShort, 0},
        {"the dearest ship", 10'000'000, 0, 7, Refusal::None, 10'000'000},
        {"the extremes of money", -2147483647 - 1, 2147483647, 2, Refusal::NetCashShort, 0},
    };
    for (const Case& c : cases) {
        GameState state = test::flying(c.cash, c.debt);
        EXPECT_EQ(shipRefusal(state, catalogue, c.ship), c.refusal) << c.what;
        EXPECT_EQ(netCashShown(state), c.shown) << c.what;
        const GameState before = state;
        if (c.refusal != Refusal::None) {
            EXPECT_EQ(buyShip(state, catalogue, c.ship).refusal, c.refusal) << c.what;
            EXPECT_EQ(state, before) << c.what;
        }
    }
}

TEST(Shipyard, ASmallerShipComesFullButKeepsAnOverfullHold) {
    const Catalogue& catalogue = test::shippedCatalogue();
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
