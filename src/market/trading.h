#pragma once
// The trading rules shared by the Trading Post and the Black Market: what can be bought and
// sold, what a deal does to the cash, the hold and the market, and the texts of the lists.
#include "core/answer.h"
#include "core/catalogue.h"
#include "core/game_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// The two markets of every galaxy: the Trading Post's twenty goods and the Black Market's six.
enum class MarketKind { tradingPost, blackMarket };

// The goods a galaxy sells (by supply slot) and buys (by demand slot) in one of its markets.
OneBasedView<const std::int16_t> suppliedGoods(const Galaxy& galaxy, MarketKind kind);
OneBasedView<const std::int16_t> demandedGoods(const Galaxy& galaxy, MarketKind kind);

// One market of the galaxy the ship is in, with the player's cargo of its goods: the fields
// the trading rules read and write, named alike for both markets. Supplies are kept by slot,
// demands and cargo by good. It is a view: build it afresh for each command, since the galaxy
// changes with every flight.
struct Market {
    MarketKind kind;
    GameState& state;
    const Catalogue& catalogue;
    const Galaxy& galaxy;
    OneBasedView<const std::string> names;        // by good
    OneBasedView<const std::int16_t> supplies;    // the good of each supply slot
    OneBasedView<std::int32_t> supplyQuantity;    // by slot
    OneBasedView<const std::int32_t> supplyPrice; // by slot
    OneBasedView<const std::int16_t> demands;     // the good of each demand slot
    OneBasedView<std::int32_t> demandQuantity;    // by good
    OneBasedView<const std::int32_t> demandPrice; // by good
    OneBasedView<CargoItem> cargo;                // by good
};

// The market of the kind asked for at the galaxy the ship is in; a game must be in progress.
Market marketHere(GameState& state, const Catalogue& catalogue, MarketKind kind);

// The galaxy buys a good exactly while its demand quantity for it is not 0.
inline bool buysGood(const Market& market, int good) {
    return market.demandQuantity[good] != 0;
}

// A cargo record is carried, and listed in the inventory, while its quantity is not 0.
inline bool isCarried(const CargoItem& item) {
    return item.quantity != 0;
}

// What a purchase, a sale or a scrapping did.
struct TradeOutcome : Answer {
    std::int64_t units = 0;   // units bought, sold or scrapped
    std::int64_t dollars = 0; // dollars paid or received
    std::int64_t maximum = 0; // the maximum for the same slot or good after the deal
};

// The most units of supply slot `slot` the player can buy: the least of what the cash pays
// for, what is on offer and what still fits in the hold. It is negative when the cash or the
// room left is negative, and then every purchase is refused.
std::int64_t purchaseMaximum(const Market& market, int slot);

// Buys `units` from supply slot `slot`: the cash pays, the hold and the cargo record take the
// units (the price paid becomes the weighted average, halves to even) and the offer shrinks.
// Buying 0 units is accepted and changes nothing.
TradeOutcome buy(const Market& market, int slot, std::int64_t units);

// The most units of good `good` the player can sell here: the smaller of what is carried and
// what the galaxy still buys.
std::int64_t saleMaximum(const Market& market, int good);

// Sells `units` of good `good`: the cash takes the proceeds, the hold, the cargo record and
// the demand shrink, and a good sold out forgets its price paid so that a later purchase
// starts a new average.
TradeOutcome sell(const Market& market, int good, std::int64_t units);

// The average price of a merged cargo record: (paid × held + price × added) / (held + added),
// rounded to a whole dollar with halves to the even neighbour, without overflow.
std::int32_t mergedPricePaid(std::int32_t paid, std::int32_t held, std::int32_t price,
                             std::int32_t added);

// Column widths of the trading lists' rows (shown in a fixed-pitch font).
inline constexpr int kNameColumn = 24;
inline constexpr int kPriceColumn = 13;
inline constexpr int kQuantityColumn = 14;

// One row of a trading list: name, price and quantity, each padded on the right to its
// column. A field longer than its column is kept whole and followed by one blank.
std::string tradeRow(std::string_view name, std::int64_t price, std::int64_t quantity);

// The same for three texts, such as the headings over a list's columns.
std::string tradeRow(std::string_view name, std::string_view price, std::string_view quantity);

// The for-sale list: one row per supply slot, in slot order, also for an empty offer.
std::vector<std::string> forSaleRows(const Market& market);

// The wanted list: one row per demand slot, in slot order.
std::vector<std::string> wantedRows(const Market& market);

// One row of the inventory list and the good it stands for.
struct InventoryRow {
    int good = 0;
    std::string text;
};

// The inventory list: one row per carried good, in catalogue order.
std::vector<InventoryRow> inventoryRows(const Market& market);

} // namespace zt
