#include "ui/sellForm.h"

#include <QLabel>

namespace zt {

namespace {

DealDialog::Texts sellTexts(MarketKind kind) {
    const bool post = kind == MarketKind::tradingPost;
    return {post ? "sellForm" : "blackSellForm",
            post ? "sellFormTitle" : "blackSellFormTitle",
            "Sell",
            "Selling Division",
            {{{"Label1", "Sell Good:", "goodLabel"},
              {"Label3", "Price:", "priceLabel"},
              {"Label4", "You Own:", "quantityOwnedLabel"},
              {"Label7", "Quantity Demanded:", "quantityDemandedLabel"}}},
            "Maximum number you can sell is:",
            "Sell how many?",
            "Amount to sell",
            "sellButton",
            "Sell"};
}

} // namespace

SellForm::SellForm(GameSession& session, MarketKind kind, QWidget* parent)
    : DealDialog(session, kind, sellTexts(kind), parent) {}

int SellForm::good(const Market&) const {
    return index();
}

std::int32_t SellForm::price(const Market& market) const {
    return market.demandPrice[index()];
}

TradeOutcome SellForm::deal(const Market& market, std::int64_t units) {
    return sell(market, index(), units);
}

void SellForm::showFigures(const Market& market) {
    figure(2)->setText(QString::number(market.cargo[index()].quantity));
    figure(3)->setText(QString::number(market.demandQuantity[index()]));
    showMaximum(saleMaximum(market, index()));
}

} // namespace zt
