#include "flight_draws.h"
#include "support.h"
#include "travel/flight.h"
#include "travel/route.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zt {
namespace {

using test::shippedCatalogue;
using test::startedGame;

// Records each call of the flight; the pirates take all the black cargo.
class RecordingHost : public FlightHost {
  public:
    explicit RecordingHost(GameState& state) : s_(state) {}
    void endOfGame() override { calls.push_back("end"); }
    void playEngineSound() override { calls.push_back("sound"); }
    void startMapFlash() override { calls.push_back("flash"); }
    void announceTrendsShift() override { calls.push_back("trends"); }
    void showDeparture(int from, int to) override {
        calls.push_back("departure " + std::to_string(from) + "->" + std::to_string(to));
    }
    void showArrival(int to) override { calls.push_back("arrival " + std::to_string(to)); }
    void naturalHazardAlert() override { calls.push_back("hazard"); }
    void spacePiratesAlert() override {
        calls.push_back("pirates");
        s_.blackCargo.fill(CargoItem{});
    }
    void irsAlert() override { calls.push_back("irs"); }

    std::vector<std::string> calls;

  private:
    GameState& s_;
};

// Flies to `cell` with the given trends, hazard, pirates and IRS rolls; a flight that draws
// more than the rules say runs the script dry, one that draws less leaves draws over.
std::vector<std::string> flyTo(GameState& s, int cell,
                               std::vector<int> rolls = {50, 100, 100, 100}) {
    EXPECT_TRUE(selectDestination(s, shippedCatalogue(), cell));
    RecordingHost host(s);
    test::ScriptedRandom draws;
    test::addFlightDraws(draws, rolls[0], rolls[1], rolls[2], rolls[3]);
    EXPECT_EQ(fly(s, shippedCatalogue(), draws, host), FlightOutcome::Arrived);
    EXPECT_EQ(draws.remaining(), 0u) << "draws left over";
    return host.calls;
}

TEST(Flight, RunsItsStepsInOrderAndPaysFuelTimeTollAndInterest) {
    GameState s = startedGame();
    s.debt = 1000;
    const GameState before = s;
    EXPECT_EQ(flyTo(s, 9),
              (std::vector<std::string>{"sound", "flash", "departure 3->5", "arrival 5"}));
    EXPECT_EQ(std::tuple(s.currentGalaxy, s.selectedCell, s.fuel, s.cash, s.debt),
              std::tuple(5, kNoCell, 90, 4980, 1070));
    EXPECT_EQ(s.earthTime.text(), "2301");

    // Trends shift on a roll below 5: every list is dealt again.
    EXPECT_EQ(flyTo(s, 8, {4, 100, 100, 100})[2], "trends");
    EXPECT_NE(s.galaxies[1].demands, before.galaxies[1].demands);
    EXPECT_EQ(flyTo(s, 9, {5, 100, 100, 100})[2], "departure 3->5");
}

TEST(Flight, RaisesTheEventsByDistanceAndBlackCargoInTheirOrder) {
    // The cell flown to (9: R 1, 21: R 2, 42: R 6), the black units aboard, the rolls and
    // the alerts raised.
    const std::tuple<int, int, std::vector<int>, std::vector<std::string>> cases[] = {
        {9, 0, {50, 4, 4, 1}, {"hazard", "pirates"}},
        {9, 0, {50, 5, 5, 100}, {}},
        {42, 0, {50, 30, 29, 100}, {"pirates"}},
        {21, 20, {50, 100, 100, 1}, {"irs"}}, // R × units ÷ 20 = 2
        {21, 20, {50, 100, 100, 2}, {}},
        // The IRS counts the black cargo left after the pirates have taken it all.
        {42, 1000, {50, 100, 1, 1}, {"pirates"}},
    };
    for (const auto& [cell, blackUnits, rolls, alerts] : cases) {
        GameState s = startedGame();
        s.blackCargo[2].quantity = blackUnits;
        const std::vector<std::string> calls = flyTo(s, cell, rolls);
        EXPECT_EQ(std::vector(calls.begin() + 4, calls.end()), alerts) // after arriving
            << "to cell " << cell << ", " << blackUnits << " units";
    }
}

TEST(Flight, InterestIsSevenPercentHalfToEvenHeldAtTheLimit) {
    const std::pair<std::int32_t, std::int32_t> rows[] = {
        {7, 7}, {50, 54}, {150, 160}, {-50, -54}, {2007000000, 2147483647}};
    for (const auto& [debt, after] : rows)
        EXPECT_EQ(debtWithInterest(debt), after) << debt;
}

} // namespace
} // namespace zt
