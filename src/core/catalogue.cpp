#include "core/catalogue.h"

#include "core/numbers.h"

#include <fstream>
#include <limits>
#include <sstream>

namespace zt {

int ShipSpec::speedFactor() const {
    return static_cast<int>(readNumber(speed));
}

std::map<int, std::string> parseStringTable(std::string_view content, const std::string& fileName) {
    std::map<int, std::string> table;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t blank = line.find(' ');
        const std::string_view idText = line.substr(0, blank);
        int id = 0;
        bool numeric = !idText.empty() && idText.size() <= 6;
        for (char c : idText) {
            numeric = numeric && c >= '0' && c <= '9';
            if (numeric) id = id * 10 + (c - '0');
        }
        if (!numeric)
            throw CatalogueError(fileName + ": line " + std::to_string(lineNumber) +
                                 " does not start with a numeric id");
        std::string text =
            blank == std::string_view::npos ? "" : std::string(line.substr(blank + 1));
        if (!table.emplace(id, std::move(text)).second)
            throw CatalogueError(fileName + ": id " + std::to_string(id) + " appears twice (line " +
                                 std::to_string(lineNumber) + ")");
    }
    return table;
}

namespace {

class Reader {
  public:
    Reader(const std::map<int, std::string>& table, const std::string& fileName)
        : table_(table), fileName_(fileName) {}

    const std::string& text(int id) const {
        const auto it = table_.find(id);
        if (it == table_.end()) fail(id, "is missing");
        return it->second;
    }

    std::string name(int id) const {
        const std::string& t = text(id);
        if (t.empty()) fail(id, "is empty");
        return t;
    }

    // The text's leading number rounded half to even, within [lo, hi].
    std::int64_t number(int id, std::int64_t lo, std::int64_t hi) const {
        const std::string& t = text(id);
        const auto v = roundedLeadingNumber(t, lo, hi);
        if (!v)
            fail(id, "\"" + t + "\" is not a number from " + std::to_string(lo) + " to " +
                         std::to_string(hi));
        return *v;
    }

    [[noreturn]] void fail(int id, const std::string& what) const {
        throw CatalogueError(fileName_ + ": id " + std::to_string(id) + " " + what);
    }

  private:
    const std::map<int, std::string>& table_;
    const std::string& fileName_;
};

constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMax16 = std::numeric_limits<std::int16_t>::max();

PriceRange priceRange(const Reader& in, int lowId, int highId) {
    // Prices divide cash in the trading rules, so a price range starts at $1. A price is
    // drawn up to the high price + 1, which must still be 32-bit money; every product of a
    // price (a purchase, a sale, the cargo in the net worth) is worked out in 64 bits.
    PriceRange range;
    range.low = static_cast<std::int32_t>(in.number(lowId, 1, kMax32 - 1));
    range.high = static_cast<std::int32_t>(in.number(highId, 1, kMax32 - 1));
    if (range.high < range.low) in.fail(highId, "is below its low price");
    return range;
}

} // namespace

Catalogue catalogueFromTable(const std::map<int, std::string>& table, const std::string& fileName) {
    const Reader in(table, fileName);
    Catalogue c;
    // In the order the game has always loaded them: names, prices, then ships.
    for (int g = 1; g <= kGoods; ++g)
        c.goodsNames[g] = in.name(ids::kGoodName + g);
    for (int b = 1; b <= kBlackGoods; ++b)
        c.blackGoodsNames[b] = in.name(ids::kBlackName + b);
    for (int h = 1; h <= kHazards; ++h)
        c.hazardNames[h] = in.name(ids::kHazardName + h);
    for (int g = 1; g <= kGoods; ++g)
        c.goodsPriceRange[g] = priceRange(in, ids::kGoodLow + g, ids::kGoodHigh + g);
    for (int b = 1; b <= kBlackGoods; ++b)
        c.blackPriceRange[b] = priceRange(in, ids::kBlackLow + b, ids::kBlackHigh + b);
    for (int s = 1; s <= kShipTypes; ++s) {
        ShipSpec& ship = c.ships[s];
        ship.name = in.name(ids::kShipName + s);
        ship.cargoCapacity = static_cast<std::int16_t>(in.number(ids::kShipCargo + s, 1, kMax16));
        ship.shieldCapacity =
            static_cast<std::int16_t>(in.number(ids::kShipShields + s, 1, kMax16));
        ship.fuelCapacity = static_cast<std::int16_t>(in.number(ids::kShipFuel + s, 1, kMax16));
        ship.speed = in.text(ids::kShipSpeed + s);
        // The speed divides the travel time, so it must be a whole number from 1.
        const LeadingNumber speed = readLeadingNumber(ship.speed);
        if (!speed.found || !speed.isWhole() || speed.value() < 1 || speed.value() > 100)
            in.fail(ids::kShipSpeed + s,
                    "\"" + ship.speed + "\" is not a whole speed from 1 to 100");
        ship.price = static_cast<std::int32_t>(in.number(ids::kShipPrice + s, 0, kMax32));
    }
    // A new game and every replacement for a lost ship fill the Planet Hopper's tank and
    // shields; they must fit, or the game could not be saved and loaded again.
    if (c.ships[1].fuelCapacity < kHopperFuel)
        in.fail(ids::kShipFuel + 1, "holds less than the " + std::to_string(kHopperFuel) +
                                        " units of fuel a Planet Hopper starts with");
    if (c.ships[1].shieldCapacity < kHopperShields)
        in.fail(ids::kShipShields + 1, "holds less than the " + std::to_string(kHopperShields) +
                                           " shield units a Planet Hopper starts with");
    // A saved game keeps each galaxy name in quotes: a name with a quote or a line break
    // would leave a game that can never be saved.
    for (int g = 1; g <= kGalaxies; ++g) {
        c.galaxyNames[g] = in.name(ids::kGalaxyName + g);
        if (c.galaxyNames[g].find_first_of("\"\r\n") != std::string::npos)
            in.fail(ids::kGalaxyName + g,
                    "holds a double quote or a line break, which a saved game cannot keep");
    }
    return c;
}

Catalogue loadCatalogue(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw CatalogueError(path + ": cannot be opened");
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) throw CatalogueError(path + ": cannot be read");
    return catalogueFromTable(parseStringTable(content.str(), path), path);
}

} // namespace zt
