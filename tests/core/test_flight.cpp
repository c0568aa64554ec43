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

using test::ScriptedRandom;

using test::shippedCatalogue;
using test::startedGame;

// Records each call of the flight with what the state held at that moment.
class RecordingHost : public FlightHost {
  public:
    explicit RecordingHost(const GameState& state) : s_(state) {}
    void endOfGame() override { calls.push_back("end"); }
    void playEngineSound() override { calls.push_back("sound"); }
    void startMapFlash() override { calls.push_back("flash"); }
    void announceTrendsShift() override {
        calls.push_back("trends");
        demandsAtMessage = s_.galaxies[1].demands;
    }
    void showDeparture(int from, int to) override {
        calls.push_back("departure " + std::to_string(from) + "->" + std::to_string(to));
    }
    void showArrival(int to) override {
        calls.push_back("arrival " + std::to_string(to) + " fuel " + std::to_string(s_.fuel) +
                        " cash " + std::to_string(s_.cash) + " debt " + std::to_string(s_.debt) +
                        " time " + s_.earthTime.text());
    }
    // During the events the ship still belongs to the departure galaxy and its pick.
    void naturalHazardAlert() override { alert("hazard"); }
    void spacePiratesAlert() override {
        alert("pirates");
        if (onPirates) onPirates();
    }
    void irsAlert() override { alert("irs"); }

    std::vector<std::string> calls;
    OneBased<std::int16_t, kDemandSlots> demandsAtMessage;
    std::function<void()> onPirates;

  private:
    void alert(const std::string& name) {
        calls.push_back(name + " at " + std::to_string(s_.currentGalaxy) + "/" +
                        std::to_string(s_.selectedCell));
    }
    const GameState& s_;
};

struct Rolls {
    int trend = 50, hazard = 100, pirates = 100, irs = 100;
};

FlightOutcome flyTo(GameState& s, int cell, RecordingHost& host, Rolls rolls = {}) {
    EXPECT_TRUE(selectDestination(s, shippedCatalogue(), cell));
    ScriptedRandom draws;
    test::addFlightDraws(draws, rolls.trend, rolls.hazard, rolls.pirates, rolls.irs);
    const FlightOutcome outcome = fly(s, shippedCatalogue(), draws, host);
    EXPECT_EQ(draws.remaining(), 0u) << "draws left over";
    return outcome;
}

TEST(Flight, RunsItsStepsInOrderAndPaysFuelTimeTollAndInterest) {
    GameState s = startedGame();
    s.debt = 1000;
    RecordingHost host(s);
    EXPECT_EQ(flyTo(s, 9, host), FlightOutcome::Arrived);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"sound", "flash", "departure 3->5",
                                        "arrival 5 fuel 90 cash 4980 debt 1070 time 2301"}));
    EXPECT_EQ(s.currentGalaxy, 5);
    EXPECT_EQ(s.selectedCell, kNoCell);
}

TEST(Flight, RedrawsEveryMarketAndShiftsTrendsOnlyBelowFiveAfterTheMessage) {
    for (int trend : {4, 5}) {
        GameState s = startedGame();
        const GameState before = s;
        RecordingHost host(s);
        flyTo(s, 9, host, {.trend = trend});
        const bool shifted = trend < 5;
        EXPECT_EQ(host.calls[2] == "trends", shifted) << trend;
        EXPECT_TRUE(!shifted || host.demandsAtMessage == before.galaxies[1].demands)
            << "the lists change after the message";
        EXPECT_NE(s.galaxies[1].supplyPrice, before.galaxies[1].supplyPrice) << trend;
    }
}

TEST(Flight, RaisesTheEventsByDistanceAndBlackCargoInTheirOrder) {
    const struct {
        int cell; // 9: R 1, 21: R 2, 42: R 6
        int blackUnits;
        Rolls rolls;
        std::vector<std::string> alerts;
    } cases[] = {
        {9, 0, {.hazard = 4, .pirates = 4, .irs = 1}, {"hazard", "pirates"}},
        {9, 0, {.hazard = 5, .pirates = 5}, {}},
        {42, 0, {.hazard = 30, .pirates = 29}, {"pirates"}},
        {9, 20, {.irs = 1}, {}},       // R × units ÷ 20 = 1: never
        {21, 20, {.irs = 1}, {"irs"}}, // 2
        // The IRS counts the black cargo left after the pirates have taken it all.
        {42, 1000, {.pirates = 1, .irs = 1}, {"pirates"}},
    };
    for (const auto& c : cases) {
        GameState s = startedGame();
        s.blackCargo[2].quantity = c.blackUnits;
        RecordingHost host(s);
        host.onPirates = [&s] { s.blackCargo.fill(CargoItem{}); };
        flyTo(s, c.cell, host, c.rolls);
        std::vector<std::string> alerts;
        for (std::size_t i = 4; i < host.calls.size(); ++i) { // after the arrival
            const std::string& call = host.calls[i];
            EXPECT_EQ(call.substr(call.find(" at ")), " at 3/" + std::to_string(c.cell));
            alerts.push_back(call.substr(0, call.find(" at ")));
        }
        EXPECT_EQ(alerts, c.alerts) << "to cell " << c.cell << ", " << c.blackUnits << " units";
    }
}

TEST(Flight, EndsTheGameInsteadOnlyOnceTheTimeIsPastTheEndYear) {
    GameState s = startedGame();
    s.earthTime = *EarthTime::fromText("2400");
    RecordingHost host(s);
    EXPECT_EQ(flyTo(s, 9, host), FlightOutcome::Arrived);
    ASSERT_TRUE(selectDestination(s, shippedCatalogue(), 8));
    const GameState before = s;
    host.calls.clear();
    ScriptedRandom none;
    EXPECT_EQ(fly(s, shippedCatalogue(), none, host), FlightOutcome::GameEnded);
    EXPECT_EQ(host.calls, std::vector<std::string>{"end"});
    EXPECT_EQ(s, before);
}

TEST(Flight, InterestIsSevenPercentHalfToEvenHeldAtTheLimit) {
    const struct {
        const char* name;
        std::int32_t debt, after;
    } rows[] = {
        {"no debt", 0, 0},
        {"7.49 rounds down", 7, 7},
        {"53.5 rounds to the even 54", 50, 54},
        {"160.5 rounds to the even 160", 150, 160},
        {"a debt in credit rounds the same way", -50, -54},
        {"-160.5 rounds to the even -160", -150, -160},
        {"held at the limit", 2007000000, 2147483647},
        {"at the limit already", 2147483647, 2147483647},
    };
    for (const auto& row : rows)
        EXPECT_EQ(debtWithInterest(row.debt), row.after) << row.name;
}

} // namespace
} // namespace zt
