#pragma once
#include "market/trading.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QRadioButton;

namespace zt {

class GameSession;

// The supply/demand search: for a good picked from the list, the galaxies that sell it and
// those that buy it, listed by galaxy number and boxed on the main map in green and red.
class SdSearchForm : public QDialog {
    Q_OBJECT
  public:
    SdSearchForm(GameSession& session, QWidget* parent);

    // The search command of the main window: opens the search on the regular goods with
    // empty results; when it closes the map shows its usual boxes again.
    static void open(GameSession& session, QWidget& owner);

  private:
    void openSearch();
    // An option button: empties the results and lists the goods of that market.
    void chooseMarket(MarketKind kind);
    // A good picked: the search, on the lists and on the map.
    void goodCombo_Click(int index);

    GameSession& session_;
    MarketKind kind_ = MarketKind::tradingPost;
    QRadioButton* normalGoodsOption_;
    QComboBox* goodCombo_;
    QListWidget* supplyingBox_;
    QListWidget* demandingBox_;
};

} // namespace zt
