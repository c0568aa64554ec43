#include "services/scrapping.h"

#include "core/money.h"

namespace zt {

TradeOutcome scrapCargo(GameState& state, int good) {
    CargoItem& item = state.cargo[good];
    TradeOutcome out;
    const std::int64_t proceeds = std::int64_t{kScrapDollarsPerUnit} * item.quantity;
    const auto cash = checkedMoney(state.cash + proceeds);
    if (!cash) {
        out.refusal = Refusal::MoneyRange;
        return out;
    }
    state.cash = *cash;
    state.cargoInHold = static_cast<std::int16_t>(state.cargoInHold - item.quantity);
    out.units = item.quantity;
    out.dollars = proceeds;
    item.quantity = 0;
    return out;
}

} // namespace zt
