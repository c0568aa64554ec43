#pragma once
// Shared by the event tests: a ship on its way with goods and black-market goods aboard.
#include "core/game_state.h"
#include "events/event_outcome.h"

#include <gtest/gtest.h>

namespace zt::test {

// A Planet Hopper (or the given ship) mid-flight with 40 units of good 3 and 10 units of
// black-market good 2 aboard, some debt and cash.
inline GameState loadedShip(std::int16_t shipType = 1) {
    GameState s;
    s.currentGalaxy = 3;
    s.shipType = shipType;
    s.cash = 12345;
    s.debt = 2000;
    s.fuel = 60;
    s.shields = 90;
    s.earthTime = EarthTime::atStart();
    s.cargo[3] = {40, 120};
    s.blackCargo[2] = {10, 900};
    s.cargoInHold = 50;
    return s;
}

// Every good and black-market good gone, prices paid included, and the hold at 0.
inline void expectEmptyHold(const GameState& s) {
    for (const CargoItem& item : s.cargo)
        EXPECT_EQ(item, CargoItem{});
    for (const CargoItem& item : s.blackCargo)
        EXPECT_EQ(item, CargoItem{});
    EXPECT_EQ(s.cargoInHold, 0);
    EXPECT_EQ(blackCargoUnits(s), 0);
}

// The ship of loadedShip() was lost: a Planet Hopper, full fuel and shields, an empty hold,
// $10,000 more debt, the cash and the time as they were.
inline void expectReplacementShip(const GameState& s, const EventOutcome& out) {
    EXPECT_TRUE(out.shipDestroyed);
    EXPECT_EQ(out.rewrite, (StatusLabels{.fuel = true, .shields = true, .debt = true}));
    EXPECT_EQ(s.shipType, 1);
    EXPECT_EQ(s.fuel, 100);
    EXPECT_EQ(s.shields, 100);
    EXPECT_EQ(s.debt, 12000);
    EXPECT_EQ(s.cash, 12345) << "the new ship is paid for by the debt";
    EXPECT_EQ(s.earthTime.text(), "2300.00");
    expectEmptyHold(s);
}

} // namespace zt::test
