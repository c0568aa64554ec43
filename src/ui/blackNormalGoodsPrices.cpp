#include "ui/blackNormalGoodsPrices.h"

#include "ui/GameSession.h"
#include "ui/form_parts.h"

namespace zt {

namespace {

constexpr PriceGuide::Item kItems[] = {
    {"Caffeine", "$10,000 - 100,000"},
    {"Password Lists", "$1,000 - 10,000"},
    {"Refurbished RAM", "$500 - 5,000"},
    {"Pirated Software", "$100 - 1,000"},
    {"Soma", "$10 - 100"},
    {"Modafinil", "$10 - 100"},
};

} // namespace

BlackNormalGoodsPrices::BlackNormalGoodsPrices(GameSession& session, QWidget* parent)
    : PriceGuide({"blackNormalGoodsPrices", "Black Market Goods Prices", "Command1", "OK",
                  "blackmarket.jpg"},
                 kItems, 1, session.dataFolder(), parent) {}

void BlackNormalGoodsPrices::open(GameSession& session, QWidget& owner) {
    windowOnce<BlackNormalGoodsPrices>(session, owner, "blackNormalGoodsPrices").exec();
}

} // namespace zt
