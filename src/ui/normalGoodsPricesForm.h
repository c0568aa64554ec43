#pragma once
#include "ui/PriceGuide.h"

namespace zt {

class GameSession;

// The guide to the usual prices of the twenty regular goods, in two columns of ten; opened
// from the Data Bank menu and from the Trading Post.
class NormalGoodsPricesForm : public PriceGuide {
    Q_OBJECT
  public:
    NormalGoodsPricesForm(GameSession& session, QWidget* parent);

    // Shows the guide modally over the window in front until it is closed.
    static void open(GameSession& session, QWidget& owner);
};

} // namespace zt
