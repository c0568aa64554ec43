#include "soak/random_play.h"

#include "core/money.h"
#include "core/new_game.h"
#include "core/numbers.h"
#include "events/irs_inspection.h"
#include "events/natural_hazard.h"
#include "events/space_pirates.h"
#include "market/market.h"
#include "market/trading.h"
#include "services/bank.h"
#include "services/scrapping.h"
#include "services/shipyard.h"
#include "services/shops.h"
#include "storage/saved_game.h"
#include "travel/flight.h"
#include "travel/route.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zt::play {

namespace {

std::string str(std::int64_t n) {
    return std::to_string(n);
}

template <int N> bool distinctIn(const OneBased<std::int16_t, N>& list, int count) {
    std::vector<bool> seen(static_cast<std::size_t>(count) + 1);
    for (std::int16_t good : list) {
        if (good < 1 || good > count || seen[static_cast<std::size_t>(good)]) return false;
        seen[static_cast<std::size_t>(good)] = true;
    }
    return true;
}

template <int N, int M>
bool disjoint(const OneBased<std::int16_t, N>& a, const OneBased<std::int16_t, M>& b) {
    return std::none_of(a.begin(), a.end(), [&b](std::int16_t g) {
        return std::find(b.begin(), b.end(), g) != b.end();
    });
}

// Nothing is kept for a good the galaxy does not demand, and what it wants is priced.
template <int Slots, int Goods>
bool demandsKept(const OneBased<std::int16_t, Slots>& demands,
                 const OneBased<std::int32_t, Goods>& quantity,
                 const OneBased<std::int32_t, Goods>& price) {
    for (int good = 1; good <= Goods; ++good) {
        const bool wanted = std::find(demands.begin(), demands.end(), good) != demands.end();
        if (quantity[good] < 0 || (!wanted && (quantity[good] != 0 || price[good] != 0)) ||
            (wanted && price[good] < 1))
            return false;
    }
    return true;
}

template <int Slots>
bool offered(const OneBased<std::int32_t, Slots>& quantity,
             const OneBased<std::int32_t, Slots>& price) {
    for (int k = 1; k <= Slots; ++k)
        if (quantity[k] < 0 || price[k] < 1) return false;
    return true;
}

std::optional<std::string> brokenMarket(const Galaxy& g) {
    if (!distinctIn(g.demands, kGoods) || !distinctIn(g.supplies, kGoods) ||
        !disjoint(g.demands, g.supplies))
        return "goods lists not distinct and disjoint";
    if (!distinctIn(g.blackDemands, kBlackGoods) || !distinctIn(g.blackSupplies, kBlackGoods) ||
        !disjoint(g.blackDemands, g.blackSupplies))
        return "black-market lists not distinct and disjoint";
    if (!demandsKept(g.demands, g.demandQuantity, g.demandPrice) ||
        !demandsKept(g.blackDemands, g.blackDemandQuantity, g.blackDemandPrice))
        return "a want kept for a good not demanded, negative or unpriced";
    if (!offered(g.supplyQuantity, g.supplyPrice) ||
        !offered(g.blackSupplyQuantity, g.blackSupplyPrice))
        return "an offer negative or below $1";
    return std::nullopt;
}

// The end years, stated apart from the rule that sets them.
constexpr std::int32_t kEndYears[] = {0, 3500, 2700, 2400};

// Names a player might type at the end of a game.
const char* const kNames[] = {"", "Trader", "O\"Neil, \"Ace\" <b>", "Zo\xc3\xab \xe6\x98\x9f",
                              "two\r\nlines"};

} // namespace

std::optional<std::string> brokenInvariant(const GameState& s, const Catalogue& catalogue) {
    if (s.shipType < 1 || s.shipType > kShipTypes) return "no such ship " + str(s.shipType);
    if (s.currentGalaxy < 1 || s.currentGalaxy > kGalaxies) return "no such galaxy";
    const ShipSpec& ship = catalogue.ships[s.shipType];
    if (s.fuel < 0 || s.fuel > ship.fuelCapacity) return "fuel " + str(s.fuel) + " beyond the tank";
    if (s.shields < 0 || s.shields > ship.shieldCapacity)
        return "shields " + str(s.shields) + " beyond the ship's";
    std::int64_t aboard = 0;
    bool negative = false;
    const auto count = [&](const CargoItem& item) {
        negative = negative || item.quantity < 0 || item.pricePaid < 0;
        aboard += item.quantity;
    };
    std::for_each(s.cargo.begin(), s.cargo.end(), count);
    std::for_each(s.blackCargo.begin(), s.blackCargo.end(), count);
    if (negative) return "negative cargo or price paid";
    if (aboard != s.cargoInHold)
        return "hold count " + str(s.cargoInHold) + " with " + str(aboard) + " units aboard";
    if (s.gameLength < 1 || s.gameLength > 3 || s.endYear != kEndYears[s.gameLength])
        return "end year " + str(s.endYear) + " for game length " + str(s.gameLength);
    int occupied = 0;
    for (std::int16_t g : s.cellGalaxy)
        occupied += g != 0;
    if (occupied != kGalaxies) return "the map holds " + str(occupied) + " galaxies";
    for (int g = 1; g <= kGalaxies; ++g) {
        const Galaxy& galaxy = s.galaxies[g];
        if (galaxy.column < 1 || galaxy.column > kColumns || galaxy.row < 1 || galaxy.row > kRows ||
            s.cellGalaxy[galaxy.cell()] != g)
            return "galaxy " + str(g) + " is not where the map draws it";
        if (const auto broken = brokenMarket(galaxy)) return "galaxy " + str(g) + ": " + *broken;
    }
    return std::nullopt;
}

// The flight's calls: the player answers every event as it comes, and each outcome is
// checked against what the event may do.
class RandomPlayer::FlightCalls final : public FlightHost {
  public:
    explicit FlightCalls(RandomPlayer& player) : p_(player) {}

    std::string seen; // the events and answers, for the log
    bool ended = false;

    void endOfGame() override {
        ended = true;
        seen = p_.endOfGame();
    }
    void playEngineSound() override {}
    void startMapFlash() override {}
    void announceTrendsShift() override { seen += " trends shift;"; }
    void showDeparture(int from, int to) override {
        p_.expect(from == p_.state_.currentGalaxy &&
                      to == galaxyInCell(p_.state_, p_.state_.selectedCell),
                  "the flight leaves from or for the wrong galaxy");
        departure_ = p_.state_;
    }
    void showArrival(int) override {
        const GameState& s = p_.state_;
        const Route& route = departure_.route;
        p_.expect(s.cash == std::int64_t{departure_.cash} - route.toll, "the toll did not add up");
        p_.expect(s.fuel == departure_.fuel - route.fuelNeeded && s.fuel >= 0,
                  "the fuel burnt did not add up");
        p_.expect(s.earthTime.value() == departure_.earthTime.value() + route.timeNeeded,
                  "the time flown did not add up");
        // 7 % interest, held at the 32-bit limits: a wrap would land far from it.
        const double interest = departure_.debt * 1.07;
        const bool held = (interest > kMoneyMax && s.debt == kMoneyMax) ||
                          (interest < kMoneyMin && s.debt == kMoneyMin);
        p_.expect(held || std::abs(s.debt - interest) <= 0.5 + 1e-6,
                  "debt " + str(departure_.debt) + " became " + str(s.debt) + " with interest");
    }
    void naturalHazardAlert() override {
        const GameState before = p_.state_;
        drawHazard(p_.catalogue_, p_.draws_);
        const auto choice =
            p_.chooser_.pick(2) == 0 ? HazardChoice::GoAround : HazardChoice::Proceed;
        check(before, passHazard(p_.state_, choice, p_.draws_), " hazard");
    }
    void spacePiratesAlert() override {
        const GameState before = p_.state_;
        const auto choice = static_cast<PiratesChoice>(p_.chooser_.pick(3));
        check(before, meetPirates(p_.state_, p_.catalogue_, choice, p_.draws_), " pirates");
    }
    void irsAlert() override {
        const GameState before = p_.state_;
        const auto choice = static_cast<IrsChoice>(p_.chooser_.pick(4));
        check(before, faceIrs(p_.state_, p_.catalogue_, choice, p_.draws_), " IRS");
    }

  private:
    // An event never touches the cash, only ever adds a bounded charge to the debt (a lost
    // ship, a fine, the attorney), adds at most 20 years, and a lost ship is a Planet Hopper
    // with full fuel and shields and nothing aboard.
    void check(const GameState& before, const EventOutcome& outcome, const char* event) {
        ++p_.counts_.events;
        const GameState& s = p_.state_;
        seen += std::string(event) + (outcome.shipDestroyed ? " (ship lost);" : ";");
        const std::string what = std::string("the") + event;
        p_.expect(s.cash == before.cash, what + " changed the cash");
        const std::int64_t charge = std::int64_t{s.debt} - before.debt;
        const std::int64_t mostCharged = 20000 + std::max<std::int64_t>(5000, before.cash / 5 + 1);
        p_.expect((charge >= 0 && charge <= mostCharged) || s.debt == kMoneyMax,
                  what + " charged " + str(charge));
        p_.expect(!(s.earthTime.value() < before.earthTime.value()) &&
                      !(s.earthTime.value() > before.earthTime.value() + Decimal::whole(20)),
                  what + " moved the time too far");
        if (outcome.shipDestroyed) {
            ++p_.counts_.shipsLost;
            p_.expect(s.shipType == 1 && s.fuel == kHopperFuel && s.shields == kHopperShields &&
                          s.cargoInHold == 0,
                      what + " left something of the lost ship");
        } else {
            p_.expect(s.shields > 0 || s.shields == before.shields, what + " left no shields");
        }
        if (const auto broken = brokenInvariant(s, p_.catalogue_))
            p_.expect(false, what + ": " + *broken);
    }

    RandomPlayer& p_;
    GameState departure_;
};

RandomPlayer::RandomPlayer(const Catalogue& catalogue, Chooser& chooser, RandomSource& draws)
    : catalogue_(catalogue), chooser_(chooser), draws_(draws) {}

void RandomPlayer::expect(bool holds, const std::string& what) const {
    if (!holds) throw Broken(what);
}

void RandomPlayer::expectUnchanged(const GameState& before, const std::string& command) {
    expect(state_ == before, command + " was refused but changed the game");
}

std::string RandomPlayer::refused(const GameState& before, const std::string& command) {
    expectUnchanged(before, command);
    ++counts_.refused;
    return command + ": refused";
}

// What a player might type into an amount box whose maximum is `maximum`.
std::string RandomPlayer::typedAmount(std::int64_t maximum) {
    const std::int64_t most = std::max<std::int64_t>(maximum, 0);
    switch (chooser_.pick(12)) {
    case 0:
    case 1:
        return str(most); // a click on the maximum
    case 2:
        return str(most + 1);
    case 3:
        return "0";
    case 4:
        return str(most * chooser_.pick(1001) / 1000);
    case 5:
        return "2.5";
    case 6:
        return "7.000";
    case 7:
        return "-" + str(most); // the minus stops the reading: 0
    case 8:
        return "99999999999999999999999";
    case 9:
        return " 1 5 apples";
    case 10:
        return ".5";
    default:
        return "";
    }
}

std::string RandomPlayer::startGame() {
    ++games_;
    resetForNewGame(state_);
    const int length = 1 + chooser_.pick(3);
    layOutNewGame(state_, catalogue_, draws_, length);
    expect(state_.cash == 5000 && state_.debt == 0 && state_.cargoInHold == 0 &&
               state_.shipType == 1 && state_.currentGalaxy == kStartGalaxy &&
               state_.earthTime.text() == "2300.00",
           "a new game did not start afresh");
    std::string done = "new game of length " + str(length);
    if (chooser_.pick(4) == 0) {
        const std::int64_t fortunes[] = {100000, 25000000, kMoneyMax - 1000, kMoneyMax};
        state_.cash = static_cast<std::int32_t>(fortunes[chooser_.pick(4)]);
        state_ = readSavedGame(savedGameText(state_), catalogue_);
        done += ", saved with $" + str(state_.cash) + " and loaded";
    }
    if (const auto broken = brokenInvariant(state_, catalogue_)) expect(false, *broken);
    return done;
}

void RandomPlayer::startFrom(const GameState& loaded) {
    ++games_;
    state_ = loaded;
}

std::string RandomPlayer::playOne() {
    ++counts_.commands;
    std::string done;
    const int command = chooser_.pick(100);
    if (command < 33) {
        done = trade();
    } else if (command < 39) {
        done = bank();
    } else if (command < 57) {
        done = shop();
    } else if (command < 62) {
        done = shipyard();
    } else if (command < 97) {
        done = flight();
    } else if (command < 99) {
        done = reload();
    } else {
        done = startGame();
    }
    if (const auto broken = brokenInvariant(state_, catalogue_))
        expect(false, done + ": " + *broken);
    if (currentShip(state_, catalogue_).cargoCapacity < state_.cargoInHold) ++counts_.overFull;
    checkRoundTrip();
    return done;
}

std::string RandomPlayer::trade() {
    const MarketKind kind =
        chooser_.pick(3) == 0 ? MarketKind::blackMarket : MarketKind::tradingPost;
    return chooser_.pick(2) == 0 ? buyFrom(kind) : sellTo(kind);
}

std::string RandomPlayer::buyFrom(MarketKind kind) {
    const GameState before = state_;
    const Market market = marketHere(state_, catalogue_, kind);
    int slot = 1 + chooser_.pick(market.supplies.size());
    if (smart()) { // the cheapest offer for its kind of good
        const bool post = kind == MarketKind::tradingPost;
        const auto share = [&](int k) {
            const int good = market.supplies[k];
            const PriceRange& range =
                post ? catalogue_.goodsPriceRange[good] : catalogue_.blackPriceRange[good];
            return static_cast<double>(market.supplyPrice[k]) / range.high;
        };
        for (int k = 1; k <= market.supplies.size(); ++k)
            if (share(k) < share(slot)) slot = k;
    }
    const std::int64_t most = purchaseMaximum(market, slot);
    const std::int32_t price = market.supplyPrice[slot];
    const int good = market.supplies[slot];
    std::int64_t units = -1 - chooser_.pick(3); // the rule is also asked for less than nothing
    std::string command = std::string(kind == MarketKind::tradingPost ? "buy" : "buy black") +
                          " slot " + str(slot) + " (max " + str(most) + ")";
    if (chooser_.pick(10) != 0) {
        const std::string typed = smart() ? str(most) : typedAmount(most);
        command += " \"" + typed + "\"";
        const auto amount = readWholeAmount(typed);
        if (!amount) return refused(before, command);
        units = *amount;
    } else {
        command += " " + str(units);
    }
    const TradeOutcome out = buy(market, slot, units);
    expect(out.done() == (units >= 0 && units <= most), command + ": refusal against the maximum");
    if (!out.done() || units == 0) return refused(before, command);
    const CargoItem& had =
        kind == MarketKind::tradingPost ? before.cargo[good] : before.blackCargo[good];
    expect(state_.cash == before.cash - price * units, command + ": the cost did not add up");
    expect(state_.cargoInHold == before.cargoInHold + units &&
               market.cargo[good].quantity == had.quantity + units &&
               market.supplyQuantity[slot] >= 0 &&
               state_.cargoInHold <= currentShip(state_, catalogue_).cargoCapacity,
           command + ": the hold or the offer did not add up");
    return command + ": bought";
}

std::string RandomPlayer::sellTo(MarketKind kind) {
    const GameState before = state_;
    const Market market = marketHere(state_, catalogue_, kind);
    std::vector<int> carried;
    for (int good = 1; good <= market.cargo.size(); ++good)
        if (isCarried(market.cargo[good])) carried.push_back(good);
    if (carried.empty()) return "sell: nothing aboard";
    int good = carried[static_cast<std::size_t>(chooser_.pick(static_cast<int>(carried.size())))];
    if (smart())
        for (int g : carried)
            if (market.demandPrice[g] > market.demandPrice[good]) good = g;
    const std::int64_t held = market.cargo[good].quantity;
    if (!buysGood(market, good)) {
        if (kind == MarketKind::blackMarket)
            return refused(before, "sell black " + str(good) + ": no demand");
        const std::string command = "scrap good " + str(good);
        const TradeOutcome out = scrapCargo(state_, good);
        if (!out.done()) {
            expect(before.cash + 2 * held > kMoneyMax, command + ": refused for no reason");
            return refused(before, command);
        }
        expect(state_.cash == before.cash + 2 * held && state_.cargo[good].quantity == 0 &&
                   state_.cargoInHold == before.cargoInHold - held,
               command + ": the scrap did not add up");
        return command + ": scrapped";
    }
    const std::int64_t most = saleMaximum(market, good);
    const std::int32_t price = market.demandPrice[good];
    const std::string typed = smart() ? str(most) : typedAmount(most);
    std::string command = std::string(kind == MarketKind::tradingPost ? "sell" : "sell black") +
                          " good " + str(good) + " (max " + str(most) + ") \"" + typed + "\"";
    const auto amount = readWholeAmount(typed);
    if (!amount) return refused(before, command);
    const TradeOutcome out = sell(market, good, *amount);
    const bool allowed = *amount >= 1 && *amount <= most;
    expect(out.done() == (allowed && fitsMoney(before.cash + price * *amount)),
           command + ": refusal against the maximum");
    if (!out.done()) return refused(before, command);
    expect(state_.cash == before.cash + price * *amount &&
               state_.cargoInHold == before.cargoInHold - *amount &&
               market.cargo[good].quantity == held - *amount && market.demandQuantity[good] >= 0,
           command + ": the sale did not add up");
    return command + ": sold";
}

std::string RandomPlayer::bank() {
    const GameState before = state_;
    const bool borrowing = chooser_.pick(2) == 0;
    const std::string typed = typedAmount(
        borrowing ? maxLoan(state_.debt) : std::min<std::int64_t>(state_.cash, state_.debt));
    const std::string command = std::string(borrowing ? "borrow" : "repay") + " \"" + typed + "\"";
    const BankAnswer answer = borrowing ? borrow(state_, typed) : repay(state_, typed);
    if (!answer.done()) return refused(before, command);
    const std::int64_t sign = borrowing ? 1 : -1;
    expect(answer.amount == readWholeAmount(typed) &&
               state_.cash == before.cash + sign * answer.amount &&
               state_.debt == before.debt + sign * answer.amount,
           command + ": cash and debt did not move together");
    expect(borrowing ? state_.debt <= kDebtCeiling : state_.debt >= 0 && state_.cash >= 0,
           command + ": beyond the bank's limits");
    return command + ": done";
}

std::string RandomPlayer::shop() {
    const GameState before = state_;
    const bool fuel = chooser_.pick(4) != 0; // shields last longer than a tank
    const Shop& which = fuel ? kFuelShop : kShieldShop;
    const std::string typed = typedAmount(maxUnits(state_, catalogue_, which));
    const std::string command = std::string(fuel ? "fuel" : "shields") + " \"" + typed + "\"";
    const ShopAnswer answer = buyUnits(state_, catalogue_, which, typed);
    if (!answer.done()) return refused(before, command);
    expect(state_.cash == before.cash - std::int64_t{answer.units} * which.unitPrice &&
               stockLevel(state_, which) == stockLevel(before, which) + answer.units &&
               stockLevel(state_, which) <= stockCapacity(state_, catalogue_, which),
           command + ": the purchase did not add up");
    return command + ": bought";
}

std::string RandomPlayer::shipyard() {
    const GameState before = state_;
    int ship = chooser_.pick(kShipTypes + 2); // 0 and 8 are no ships
    // Now and then a ship too small for the cargo aboard, so that the hold is over-full.
    if (chooser_.pick(4) == 0)
        for (int smaller = 1; smaller <= kShipTypes; ++smaller)
            if (catalogue_.ships[smaller].cargoCapacity < state_.cargoInHold &&
                canBuyShip(state_, catalogue_, smaller))
                ship = smaller;
    const std::string command = "ship " + str(ship);
    const ShipAnswer answer = buyShip(state_, catalogue_, ship);
    if (!answer.done()) return refused(before, command);
    const ShipSpec& spec = catalogue_.ships[ship];
    expect(state_.cash == before.cash - spec.price && state_.debt == before.debt &&
               state_.shipType == ship && state_.fuel == spec.fuelCapacity &&
               state_.shields == spec.shieldCapacity && state_.cargo == before.cargo &&
               state_.blackCargo == before.blackCargo,
           command + ": the purchase did not add up");
    if (state_.cargoInHold <= spec.cargoCapacity) return command + ": bought";
    ++counts_.overFullMoves;
    return command + ": bought (hold over-full)";
}

std::string RandomPlayer::flight() {
    const GameState before = state_;
    // Mostly a galaxy; now and then any cell, 0 and 43 off the map included.
    int cell = chooser_.pick(4) == 0 ? chooser_.pick(kCells + 2)
                                     : state_.galaxies[1 + chooser_.pick(kGalaxies)].cell();
    if (smart()) { // where the good most carried is wanted
        int most = 1;
        for (int good = 2; good <= kGoods; ++good)
            if (state_.cargo[good].quantity > state_.cargo[most].quantity) most = good;
        for (int g = 1; g <= kGalaxies && state_.cargo[most].quantity > 0; ++g)
            if (state_.galaxies[g].demandQuantity[most] > 0 && g != state_.currentGalaxy)
                cell = state_.galaxies[g].cell();
    }
    std::string command = "pick cell " + str(cell);
    if (!selectDestination(state_, catalogue_, cell)) {
        expectUnchanged(before, command);
        return command + ": nothing to pick";
    }
    if (!canDepart(state_)) return command + ": GO stays off";
    FlightCalls calls(*this);
    const GameState picked = state_;
    const FlightOutcome outcome = fly(state_, catalogue_, draws_, calls);
    expect((outcome == FlightOutcome::GameEnded) == picked.earthTime.isAfterYear(picked.endYear),
           command + ": the game ended at the wrong time");
    if (outcome == FlightOutcome::GameEnded) return command + ", GO: " + calls.seen;
    ++counts_.flights;
    expect(state_.currentGalaxy == galaxyInCell(picked, cell) && state_.selectedCell == kNoCell,
           command + ": the ship did not arrive");
    return command + ", GO: flown" + calls.seen;
}

std::string RandomPlayer::endOfGame() {
    ++counts_.gamesEnded;
    const std::int32_t worth = netWorth(state_);
    HighScoreList& list = highScores_[state_.gameLength];
    std::string done = "game over at $" + str(worth);
    if (const auto row = highScoreRow(list, worth)) {
        ++counts_.highScores;
        enterHighScore(list, *row, kNames[chooser_.pick(std::size(kNames))], worth);
        const HighScoresRead read = parseHighScores(highScoresFileContent(highScores_));
        expect(!read.damaged && read.scores == highScores_, "the high scores did not read back");
        done += ", row " + str(*row);
    }
    return done + "; " + startGame();
}

std::string RandomPlayer::reload() {
    ++counts_.reloads;
    GameState expected = state_;
    expected.selectedCell = kNoCell;
    expected.route = Route{};
    state_ = readSavedGame(savedGameText(state_), catalogue_);
    expect(state_ == expected, "a saved game loaded as another game");
    return "save and load";
}

// Every state the game reaches saves, loads and saves again to the same bytes (a state
// met again was proven already).
void RandomPlayer::checkRoundTrip() {
    if (state_ == roundTripped_) return;
    roundTripped_ = state_;
    const std::string text = savedGameText(state_);
    try {
        expect(savedGameText(readSavedGame(text, catalogue_)) == text,
               "save, load, save gave other bytes");
    } catch (const DamagedSaveError& e) {
        expect(false, std::string("a state the game reached does not load: ") + e.what());
    }
}

} // namespace zt::play
