#pragma once
#include "ui/DealDialog.h"

namespace zt {

// The sale dialog of a market: `sellForm` for the Trading Post, `blackSellForm` for the
// Black Market. Its index is the good sold; it stays open so that the player can sell again.
class SellForm : public DealDialog {
    Q_OBJECT
  public:
    SellForm(GameSession& session, MarketKind kind, QWidget* parent);

  private:
    int good(const Market& market) const override;
    std::int32_t price(const Market& market) const override;
    TradeOutcome deal(const Market& market, std::int64_t units) override;
    void showFigures(const Market& market) override;
};

} // namespace zt
