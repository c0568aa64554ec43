#pragma once
#include "market/trading.h"

#include <QDialog>

class QLabel;
class QListWidgetItem;

namespace zt {

class GameSession;
class PurchaseForm;
class ScrapForm;
class SellForm;
class TradeList;

// The window of a market: `tradeForm` for the Trading Post, `blackMarketForm` for the Black
// Market. Three lists side by side: what the galaxy sells, what it buys and what the ship
// carries (each inventory row holds its good's number). A double-click or Enter buys from a row
// for sale or sells a carried good; a good nobody here buys goes to the scrap window at the
// Trading Post and meets a message at the Black Market.
class TradeForm : public QDialog {
    Q_OBJECT
  public:
    TradeForm(GameSession& session, QWidget* parent, MarketKind kind);

    // The command of the main window for a market: fills the three lists from the market here
    // and shows the window until Done. The window is made once for each market.
    static void open(GameSession& session, QWidget& owner, MarketKind kind);

  private:
    void openMarket();
    Market market() const;
    void fillForSale();
    void fillWanted();
    // Rebuilds the inventory; selects the row of `good` when it is listed, otherwise the
    // first row when `orFirst`.
    void fillInventory(int good, bool orFirst);
    void goodsForSaleList_DblClick(QListWidgetItem* item);
    void yourInventoryList_DblClick(QListWidgetItem* item);
    void afterPurchase();
    void afterSale();
    PurchaseForm& purchaseForm();
    SellForm& sellForm();
    ScrapForm& scrapForm();

    GameSession& session_;
    const MarketKind kind_;
    QLabel* title_;
    TradeList* goodsForSaleList_;
    TradeList* goodsWantedList_;
    TradeList* yourInventoryList_;
    PurchaseForm* purchaseForm_ = nullptr;
    SellForm* sellForm_ = nullptr;
    ScrapForm* scrapForm_ = nullptr;
};

} // namespace zt
