#pragma once
#include "ui/DealDialog.h"

namespace zt {

// The purchase dialog of a market: `purchaseForm` for the Trading Post, `blackPurchaseForm`
// for the Black Market. Its index is a supply slot; it stays open so that the player can buy
// again.
class PurchaseForm : public DealDialog {
    Q_OBJECT
  public:
    PurchaseForm(GameSession& session, MarketKind kind, QWidget* parent);

  private:
    int good(const Market& market) const override;
    std::int32_t price(const Market& market) const override;
    TradeOutcome deal(const Market& market, std::int64_t units) override;
    void showFigures(const Market& market) override;
};

} // namespace zt
