#include "ui/normalGoodsPricesForm.h"

#include "ui/GameSession.h"
#include "ui/form_parts.h"

namespace zt {

namespace {

// The guide's own texts, as the guide's author wrote them.
constexpr PriceGuide::Item kItems[] = {
    {"Bandiwdth", "$150,000 - 200,000"},
    {"Web Servers", "$100,000 - 150,000"},
    {"Fiber Optic Cable", "$80,000 - 120,000"},
    {"Concentrators", "$60,000 - 80,000"},
    {"Motherboards", "$40,000 - 60,000"},
    {"21\" LCD Monitors", "$25,000 - 40,000"},
    {"DSL Modems", "$10,000 - 15,000"},
    {"Cable Modems", "$4,000 - 6,000"},
    {"Multiplexers", "$1,000 - 1,500"},
    {"Video Cards", "$200 - 400"},
    {"Routers", "$150 - 200"},
    {"Laser Printers", "$100 - 150"},
    {"Scanners", "$60 - 100"},
    {"DVD Burners", "$50 - 70"},
    {"Protocol Converters", "$30 - 50"},
    {"Hard Drives", "$25 - 40"},
    {"Sound Cards", "$20 - 30"},
    {"Smart Cards", "$10 - 15"},
    {"Web Cams", "$5 - 7"},
    {"56k Modems", "$3 - 5"},
};

} // namespace

NormalGoodsPricesForm::NormalGoodsPricesForm(GameSession& session, QWidget* parent)
    : PriceGuide(
          {"normalGoodsPricesForm", "Normal Goods Prices", "doneButton", "&Done", "trade.jpg"},
          kItems, 2, session.dataFolder(), parent) {}

void NormalGoodsPricesForm::open(GameSession& session, QWidget& owner) {
    windowOnce<NormalGoodsPricesForm>(session, owner, "normalGoodsPricesForm").exec();
}

} // namespace zt
