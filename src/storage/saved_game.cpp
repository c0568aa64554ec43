#include "storage/saved_game.h"

#include "core/new_game.h"
#include "market/market.h"
#include "storage/file_io.h"
#include "storage/seq_file.h"
#include "storage/small_file.h"

#include <algorithm>

namespace zt {

namespace {

// Every value of a saved game in file order, one call to `line` per line. The writer and
// the reader both walk this one list, so they cannot drift apart. `timeText` stands in for
// the Earth time, which the file keeps as text.
template <class Io, class State> void walkSavedGame(Io& io, State& s, auto& timeText) {
    io.line(s.currentGalaxy, s.cash, s.debt, s.fuel, s.shields, s.cargoInHold, s.shipType);
    for (auto& item : s.blackCargo)
        io.line(item.pricePaid, item.quantity);
    for (auto& item : s.cargo)
        io.line(item.pricePaid, item.quantity);
    for (auto& g : s.galaxies) {
        for (int k = 1; k <= kBlackSlots; ++k) {
            io.line(g.blackDemands[k]);
            io.line(g.blackSupplies[k]);
            io.line(g.blackSupplyQuantity[k]);
            io.line(g.blackSupplyPrice[k]);
        }
        for (int b = 1; b <= kBlackGoods; ++b) {
            io.line(g.blackDemandQuantity[b]);
            io.line(g.blackDemandPrice[b]);
        }
        io.line(g.name);
        io.line(g.row);
        io.line(g.column);
        for (int k = 1; k <= kDemandSlots; ++k) {
            io.line(g.demands[k]);
            io.line(g.supplies[k]);
            io.line(g.supplyQuantity[k]);
            io.line(g.supplyPrice[k]);
        }
        for (int n = 1; n <= kGoods; ++n) {
            io.line(g.demandQuantity[n]);
            io.line(g.demandPrice[n]);
        }
    }
    io.line(s.endYear, s.gameLength);
    io.line(timeText);
    for (auto& galaxy : s.cellGalaxy)
        io.line(galaxy);
}

// Puts each walked line into a SeqWriter.
struct LineWriter {
    SeqWriter out;
    void put(std::int64_t v) { out.number(v); }
    void put(const std::string& v) { out.text(v); }
    template <class... T> void line(const T&... values) {
        (put(values), ...);
        out.endLine();
    }
};

// Takes each walked line back from a SeqReader into fields of their own widths.
struct LineReader {
    SeqReader in;
    void get(std::int16_t& v) { v = in.int16(); }
    void get(std::int32_t& v) { v = in.int32(); }
    void get(std::string& v) { v = in.text(); }
    template <class... T> void line(T&... values) {
        (get(values), ...);
        in.endLine();
    }
};

// The Earth time as the game writes it: digits with at most one decimal point.
bool isPlainDecimal(std::string_view text) {
    bool digit = false, point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

[[noreturn]] void damaged(const std::string& what) {
    throw DamagedSaveError(what);
}

void require(bool holds, const std::string& what) {
    if (!holds) damaged(what);
}

std::string galaxyText(int g) {
    return "galaxy " + std::to_string(g);
}

// Checks one galaxy's place and market: lists by the market's own rules, no negative
// quantity, a selling price of at least $1 since purchases divide the cash by it, and at
// least $1 paid for every good wanted (prices are drawn from $1 up; a sale at less would
// take the cash).
void checkGalaxy(const Galaxy& g, int number) {
    const std::string which = galaxyText(number);
    require(g.column >= 1 && g.column <= kColumns && g.row >= 1 && g.row <= kRows,
            which + " lies off the map");
    require(marketInvariantsHold(g), which + " has broken market lists");
    for (int k = 1; k <= kSupplySlots; ++k)
        require(g.supplyQuantity[k] >= 0 && g.supplyPrice[k] >= 1,
                which + " sells at an impossible price or quantity");
    for (int k = 1; k <= kBlackSlots; ++k)
        require(g.blackSupplyQuantity[k] >= 0 && g.blackSupplyPrice[k] >= 1,
                which + " sells black goods at an impossible price or quantity");
    for (std::int16_t good : g.demands)
        require(g.demandPrice[good] >= 1, which + " buys at an impossible price");
    for (std::int16_t good : g.blackDemands)
        require(g.blackDemandPrice[good] >= 1, which + " buys black goods at an impossible price");
    require(std::ranges::all_of(g.demandQuantity, [](std::int32_t q) { return q >= 0; }) &&
                std::ranges::all_of(g.blackDemandQuantity, [](std::int32_t q) { return q >= 0; }),
            which + " wants a negative quantity");
}

// Every galaxy sits in the cell the map draws it in, and no cell holds anything else.
void checkMap(const GameState& s) {
    int occupied = 0;
    for (std::int16_t g : s.cellGalaxy) {
        require(g >= 0 && g <= kGalaxies, "a map cell holds galaxy " + std::to_string(g));
        if (g != 0) ++occupied;
    }
    for (int g = 1; g <= kGalaxies; ++g)
        require(s.cellGalaxy[s.galaxies[g].cell()] == g,
                galaxyText(g) + " is not where the map draws it");
    require(occupied == kGalaxies, "the map holds a galaxy twice");
}

// Checks what the game could never have produced and could not run with. Fuel and shields
// stay within the ship's capacities; the hold may be over-full after a move to a smaller
// ship, but never holds more than the largest ship carries.
void checkState(const GameState& s, const Catalogue& catalogue) {
    require(OneBased<Galaxy, kGalaxies>::contains(s.currentGalaxy), "no such current galaxy");
    require(OneBased<ShipSpec, kShipTypes>::contains(s.shipType), "no such ship");
    require(s.gameLength >= 1 && s.gameLength <= 3, "no such game length");
    require(s.endYear == endYearOf(s.gameLength), "the end year does not go with the game length");
    const ShipSpec& ship = currentShip(s, catalogue);
    require(s.fuel >= 0 && s.fuel <= ship.fuelCapacity, "fuel beyond the tank");
    require(s.shields >= 0 && s.shields <= ship.shieldCapacity, "shields beyond the ship's");
    int largestHold = 0;
    for (const ShipSpec& spec : catalogue.ships)
        largestHold = std::max<int>(largestHold, spec.cargoCapacity);
    const auto fits = [largestHold](std::int32_t q) { return q >= 0 && q <= largestHold; };
    require(fits(s.cargoInHold), "a hold no ship can carry");
    // The hold counts every unit of both markets; prices paid are never below $0.
    std::int64_t aboard = 0;
    for (const CargoItem& item : s.cargo) {
        require(fits(item.quantity), "cargo no ship can carry");
        require(item.pricePaid >= 0, "cargo bought at a negative price");
        aboard += item.quantity;
    }
    for (const CargoItem& item : s.blackCargo) {
        require(fits(item.quantity), "black cargo no ship can carry");
        require(item.pricePaid >= 0, "black cargo bought at a negative price");
        aboard += item.quantity;
    }
    require(aboard == s.cargoInHold, "the hold count differs from the cargo aboard");
    for (int g = 1; g <= kGalaxies; ++g)
        checkGalaxy(s.galaxies[g], g);
    checkMap(s);
}

// Far more than any saved game needs, far less than would strain the memory.
constexpr std::uintmax_t kLargestSavedGame = 1024 * 1024;

} // namespace

std::string savedGameText(const GameState& state) {
    LineWriter writer;
    const std::string timeText = state.earthTime.text();
    walkSavedGame(writer, state, timeText);
    return writer.out.content();
}

GameState readSavedGame(std::string_view content, const Catalogue& catalogue) {
    GameState s;
    std::string timeText;
    try {
        LineReader reader{SeqReader(content)};
        walkSavedGame(reader, s, timeText);
        if (!reader.in.atEnd())
            damaged("line " + std::to_string(reader.in.lineNumber()) + ": more than a saved game");
    } catch (const SeqFileError& e) {
        damaged(e.what());
    }
    const auto time = EarthTime::fromText(timeText);
    require(time && isPlainDecimal(timeText), "the Earth time \"" + timeText + "\" is no year");
    s.earthTime = *time;
    checkState(s, catalogue);
    for (std::int16_t g : s.cellGalaxy)
        if (g != 0) s.galaxies[g].name = catalogue.galaxyNames[g];
    s.selectedCell = kNoCell;
    return s;
}

bool saveGameFile(const GameState& state, const std::string& path) {
    std::string content;
    try {
        content = savedGameText(state);
    } catch (const std::invalid_argument&) {
        return false;
    }
    return writeFileAtomically(path, content);
}

LoadOutcome loadGameFile(GameState& state, const Catalogue& catalogue, const std::string& path) {
    // A saved game is some 30 kB; anything else (a folder, a device, a huge file) is not
    // read at all.
    const SmallFile file = readSmallFile(path, kLargestSavedGame);
    switch (file.status) {
    case SmallFile::Status::read:
        break;
    case SmallFile::Status::tooLarge:
        return {false, path + " is far too large for a saved game"};
    case SmallFile::Status::unreadable:
        return {false, path + " cannot be read"};
    default:
        return {false, path + " is not a file that can be read"};
    }
    try {
        state = readSavedGame(file.content, catalogue);
    } catch (const DamagedSaveError& e) {
        return {false, e.what()};
    }
    return {true, {}};
}

} // namespace zt
