#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"

#include <cstdint>

namespace zt {

// What a flight asks of the window while it runs. Each call returns only when the window is
// done: the end of game and the event windows wait for the player.
class FlightHost {
  public:
    virtual ~FlightHost() = default;
    // GO was pressed after the end year: the game is scored instead of flown.
    virtual void endOfGame() = 0;
    virtual void playEngineSound() = 0;
    virtual void startMapFlash() = 0;
    // The consumer-trends message; the lists change after the player closes it.
    virtual void announceTrendsShift() = 0;
    // The ship leaves `from`: its red box goes and the location reads `to`.
    virtual void showDeparture(int from, int to) = 0;
    // Fuel, time, toll and interest are paid: the status shows the ship at `to`, with its
    // red box, and GO is off.
    virtual void showArrival(int to) = 0;
    virtual void naturalHazardAlert() = 0;
    virtual void spacePiratesAlert() = 0;
    virtual void irsAlert() = 0;
};

// How a press of GO ended.
enum class FlightOutcome {
    GameEnded,     // the Earth time was past the end year
    NoDestination, // nothing picked on the map: nothing happened
    Arrived,
};

// A flight's 7 % interest on the debt, exact and rounded half to even ($50 -> $54), held at
// the 32-bit limit.
std::int32_t debtWithInterest(std::int32_t debt);

// One press of GO, the game's turn, in its fixed order: end of game past the end year;
// engine sound; map flash; 4-in-100 trends shift; every market redrawn; departure; fuel,
// time and toll of the route figures and the interest; arrival shown; the hazard, pirates
// and IRS rolls, each event done before the next roll; then the destination becomes the
// current galaxy and nothing is selected. Fuel and cash are not checked again (GO is only
// on when they suffice).
FlightOutcome fly(GameState& state, const Catalogue& catalogue, RandomSource& rng,
                  FlightHost& host);

} // namespace zt
