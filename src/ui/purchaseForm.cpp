#include "ui/purchaseForm.h"

#include <QLabel>

namespace zt {

namespace {

DealDialog::Texts purchaseTexts(MarketKind kind) {
    const bool post = kind == MarketKind::tradingPost;
    return {post ? "purchaseForm" : "blackPurchaseForm",
            post ? "purchaseFormTitle" : "blackPurchaseFormTitle",
            "Purchase",
            "Purchasing Division",
            {{{"Label1", "Purchase Good:", "goodLabel"},
              {"Label3", "Price:", "priceLabel"},
              {"Label4", "Quantity Available:", "quantityAvailableLabel"},
              {"Label7", "Unused Cargo Capacity:", "unusedCapacity"}}},
            "Maximum number you can buy is:",
            "Buy how many?",
            "Amount to buy",
            "buyButton",
            "Buy"};
}

} // namespace

PurchaseForm::PurchaseForm(GameSession& session, MarketKind kind, QWidget* parent)
    : DealDialog(session, kind, purchaseTexts(kind), parent) {}

int PurchaseForm::good(const Market& market) const {
    return market.supplies[index()];
}

std::int32_t PurchaseForm::price(const Market& market) const {
    return market.supplyPrice[index()];
}

TradeOutcome PurchaseForm::deal(const Market& market, std::int64_t units) {
    return buy(market, index(), units);
}

void PurchaseForm::showFigures(const Market& market) {
    figure(2)->setText(QString::number(market.supplyQuantity[index()]));
    figure(3)->setText(QString::number(freeRoom(market.state, market.catalogue)));
    showMaximum(purchaseMaximum(market, index()));
}

} // namespace zt
