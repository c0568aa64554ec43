#include "market/trading.h"

#include "core/money.h"
#include "core/numbers.h"

#include <algorithm>

namespace zt {

namespace {

// An outcome that changed nothing, refused or not.
TradeOutcome unchanged(Refusal why, std::int64_t maximum) {
    TradeOutcome out;
    out.refusal = why;
    out.maximum = maximum;
    return out;
}

// The outcome of a deal that went through.
TradeOutcome dealt(std::int64_t units, std::int64_t dollars, std::int64_t maximum) {
    TradeOutcome out = unchanged(Refusal::None, maximum);
    out.units = units;
    out.dollars = dollars;
    return out;
}

// A good's name, or nothing for an empty slot.
std::string_view nameOf(const Market& market, int good) {
    return market.names.contains(good) ? std::string_view(market.names[good]) : std::string_view();
}

void padTo(std::string& row, std::string_view field, int width) {
    row += field;
    const auto size = static_cast<int>(field.size());
    row.append(size < width ? static_cast<std::size_t>(width - size) : 1, ' ');
}

} // namespace

OneBasedView<const std::int16_t> suppliedGoods(const Galaxy& galaxy, MarketKind kind) {
    if (kind == MarketKind::tradingPost) return galaxy.supplies;
    return galaxy.blackSupplies;
}

OneBasedView<const std::int16_t> demandedGoods(const Galaxy& galaxy, MarketKind kind) {
    if (kind == MarketKind::tradingPost) return galaxy.demands;
    return galaxy.blackDemands;
}

Market marketHere(GameState& state, const Catalogue& catalogue, MarketKind kind) {
    Galaxy& g = state.galaxies[state.currentGalaxy];
    if (kind == MarketKind::tradingPost)
        return {kind,
                state,
                catalogue,
                g,
                catalogue.goodsNames,
                g.supplies,
                g.supplyQuantity,
                g.supplyPrice,
                g.demands,
                g.demandQuantity,
                g.demandPrice,
                state.cargo};
    return {kind,
            state,
            catalogue,
            g,
            catalogue.blackGoodsNames,
            g.blackSupplies,
            g.blackSupplyQuantity,
            g.blackSupplyPrice,
            g.blackDemands,
            g.blackDemandQuantity,
            g.blackDemandPrice,
            state.blackCargo};
}

std::int64_t purchaseMaximum(const Market& market, int slot) {
    std::int64_t most = market.supplyQuantity[slot];
    // Prices are drawn from 1 up; a price of nothing would not limit the purchase.
    const std::int64_t price = market.supplyPrice[slot];
    if (price >= 1) most = std::min(most, floorDivide(market.state.cash, price));
    return std::min<std::int64_t>(most, freeRoom(market.state, market.catalogue));
}

TradeOutcome buy(const Market& market, int slot, std::int64_t units) {
    const std::int64_t most = purchaseMaximum(market, slot);
    if (units < 0) return unchanged(Refusal::TooFew, most);
    if (units > most) return unchanged(Refusal::AboveLimit, most);
    const std::int32_t price = market.supplyPrice[slot];
    const std::int64_t cost = price * units;
    const auto cash = checkedMoney(market.state.cash - cost);
    if (!cash) return unchanged(Refusal::MoneyRange, most);
    if (units == 0) return unchanged(Refusal::None, most);

    // The maximum bounds `units` by the offer (32 bits) and the room left in the hold (16).
    GameState& state = market.state;
    state.cash = *cash;
    state.cargoInHold = static_cast<std::int16_t>(state.cargoInHold + units);
    CargoItem& item = market.cargo[market.supplies[slot]];
    if (item.quantity == 0) {
        item.pricePaid = price;
    } else {
        item.pricePaid =
            mergedPricePaid(item.pricePaid, item.quantity, price, static_cast<std::int32_t>(units));
    }
    item.quantity = static_cast<std::int32_t>(item.quantity + units);
    market.supplyQuantity[slot] = static_cast<std::int32_t>(market.supplyQuantity[slot] - units);

    return dealt(units, cost, purchaseMaximum(market, slot));
}

std::int64_t saleMaximum(const Market& market, int good) {
    return std::min(market.cargo[good].quantity, market.demandQuantity[good]);
}

TradeOutcome sell(const Market& market, int good, std::int64_t units) {
    const std::int64_t most = saleMaximum(market, good);
    if (units <= 0) return unchanged(Refusal::TooFew, most);
    if (units > most) return unchanged(Refusal::AboveLimit, most);
    const std::int64_t proceeds = market.demandPrice[good] * units;
    const auto cash = checkedMoney(market.state.cash + proceeds);
    if (!cash) return unchanged(Refusal::MoneyRange, most);

    // The maximum bounds `units` by what is carried and what is demanded (32 bits each).
    GameState& state = market.state;
    state.cash = *cash;
    state.cargoInHold = static_cast<std::int16_t>(state.cargoInHold - units);
    CargoItem& item = market.cargo[good];
    item.quantity = static_cast<std::int32_t>(item.quantity - units);
    if (item.quantity == 0) item.pricePaid = 0;
    market.demandQuantity[good] = static_cast<std::int32_t>(market.demandQuantity[good] - units);

    return dealt(units, proceeds, saleMaximum(market, good));
}

std::int32_t mergedPricePaid(std::int32_t paid, std::int32_t held, std::int32_t price,
                             std::int32_t added) {
    // Each product of two 32-bit factors stays below 2^62, so the sum fits in 64 bits.
    const std::int64_t total = std::int64_t{paid} * held + std::int64_t{price} * added;
    const std::int64_t units = std::int64_t{held} + added;
    if (units <= 0) return paid;
    return static_cast<std::int32_t>(divideHalfEven(total, units));
}

std::string tradeRow(std::string_view name, std::int64_t price, std::int64_t quantity) {
    return tradeRow(name, std::to_string(price), std::to_string(quantity));
}

std::string tradeRow(std::string_view name, std::string_view price, std::string_view quantity) {
    std::string row;
    padTo(row, name, kNameColumn);
    padTo(row, price, kPriceColumn);
    padTo(row, quantity, kQuantityColumn);
    return row;
}

std::vector<std::string> forSaleRows(const Market& market) {
    std::vector<std::string> rows;
    for (int slot = 1; slot <= market.supplies.size(); ++slot)
        rows.push_back(tradeRow(nameOf(market, market.supplies[slot]), market.supplyPrice[slot],
                                market.supplyQuantity[slot]));
    return rows;
}

std::vector<std::string> wantedRows(const Market& market) {
    std::vector<std::string> rows;
    for (int slot = 1; slot <= market.demands.size(); ++slot) {
        const int good = market.demands[slot];
        const bool known = market.demandQuantity.contains(good);
        rows.push_back(tradeRow(nameOf(market, good), known ? market.demandPrice[good] : 0,
                                known ? market.demandQuantity[good] : 0));
    }
    return rows;
}

std::vector<InventoryRow> inventoryRows(const Market& market) {
    std::vector<InventoryRow> rows;
    for (int good = 1; good <= market.cargo.size(); ++good) {
        const CargoItem& item = market.cargo[good];
        if (isCarried(item))
            rows.push_back({good, tradeRow(nameOf(market, good), item.pricePaid, item.quantity)});
    }
    return rows;
}

} // namespace zt
