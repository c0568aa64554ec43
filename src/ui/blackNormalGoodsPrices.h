#pragma once
#include "ui/PriceGuide.h"

namespace zt {

class GameSession;

// The guide to the usual prices of the six black-market goods; opened from the Black Market.
class BlackNormalGoodsPrices : public PriceGuide {
    Q_OBJECT
  public:
    BlackNormalGoodsPrices(GameSession& session, QWidget* parent);

    // Shows the guide modally over the Black Market until it is closed.
    static void open(GameSession& session, QWidget& owner);
};

} // namespace zt
