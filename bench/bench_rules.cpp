// How long the rules of one flight and of a new game's setup take, so later work can hold
// them: a flight's rules should stay well under 50 microseconds.
#include "core/catalogue.h"
#include "core/new_game.h"
#include "core/random.h"
#include "market/market.h"
#include "travel/flight.h"
#include "travel/route.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const zt::Catalogue& catalogue() {
    static const zt::Catalogue c = zt::loadCatalogue(std::string(ZT_DATA_DIR) + "/strings.txt");
    return c;
}

// A window that shows nothing and no event.
class SilentHost : public zt::FlightHost {
  public:
    void endOfGame() override {}
    void playEngineSound() override {}
    void startMapFlash() override {}
    void announceTrendsShift() override {}
    void showDeparture(int, int) override {}
    void showArrival(int) override {}
    void naturalHazardAlert() override {}
    void spacePiratesAlert() override {}
    void irsAlert() override {}
};

void flight(benchmark::State& bench) {
    zt::ClockRandom rng(1);
    zt::GameState s;
    zt::resetForNewGame(s);
    zt::layOutNewGame(s, catalogue(), rng, zt::kLongGame);
    s.endYear = 1'000'000'000;
    const int cells[] = {s.galaxies[3].cell(), s.galaxies[9].cell()};
    SilentHost host;
    int leg = 0;
    for (auto _ : bench) {
        s.fuel = 100;
        s.cash = 5000;
        zt::selectDestination(s, catalogue(), cells[++leg % 2]);
        benchmark::DoNotOptimize(zt::fly(s, catalogue(), rng, host));
    }
}
BENCHMARK(flight);

void newGameSetup(benchmark::State& bench) {
    zt::ClockRandom rng(1);
    zt::GameState s;
    for (auto _ : bench) {
        zt::resetForNewGame(s);
        zt::layOutNewGame(s, catalogue(), rng, zt::kShortGame);
        benchmark::DoNotOptimize(s.cellGalaxy);
    }
}
BENCHMARK(newGameSetup);

} // namespace
