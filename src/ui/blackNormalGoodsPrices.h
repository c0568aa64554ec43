#pragma once
#include "ui/PriceGuide.h"

namespace zt {

class Main;

// The guide to the usual prices of the six black-market goods; opened from the Black Market.
class BlackNormalGoodsPrices : public PriceGuide {
    Q_OBJECT
  public:
    explicit BlackNormalGoodsPrices(Main& main);

    // Shows the guide modally over the Black Market until it is closed.
    static void open(Main& main);
};

} // namespace zt
