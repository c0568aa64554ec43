#pragma once
#include "ui/PriceGuide.h"

namespace zt {

// The guide to the usual prices of the twenty regular goods, in two columns of ten; opened
// from the Data Bank menu and from the Trading Post.
class NormalGoodsPricesForm : public PriceGuide {
    Q_OBJECT
  public:
    NormalGoodsPricesForm(const QString& programFolder, QWidget* parent);
};

} // namespace zt
