#include "ui/blackNormalGoodsPrices.h"

#include "ui/Main.h"
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

BlackNormalGoodsPrices::BlackNormalGoodsPrices(Main& main)
    : PriceGuide({"blackNormalGoodsPrices", "Black Market Goods Prices", "Command1", "OK",
                  "blackmarket.jpg"},
                 kItems, 1, main.dataFolder(), &main) {}

void BlackNormalGoodsPrices::open(Main& main) {
    windowOnce<BlackNormalGoodsPrices>(main, "blackNormalGoodsPrices").exec();
}

} // namespace zt
