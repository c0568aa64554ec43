#pragma once
#include "ui/PriceGuide.h"

namespace zt {

// The guide to the usual prices of the six black-market goods; opened from the Black Market.
class BlackNormalGoodsPrices : public PriceGuide {
    Q_OBJECT
  public:
    BlackNormalGoodsPrices(const QString& programFolder, QWidget* parent);
};

} // namespace zt
