#pragma once
#include "services/shops.h"
#include "ui/ClickableLabel.h"

#include <QDialog>

class QLabel;

namespace zt {

class GameSession;
class NumberBox;

// What tells the two twin shops apart on screen: their names and every caption.
struct ShopWindow {
    const char* name;
    const char* caption;
    const char* division;
    const char* levelName;
    const char* levelCaption;
    const char* capacityName;
    const char* capacityCaption;
    const char* priceText;
    const char* entryPrompt;
    const char* entryName; // what a screen reader calls the amount box
    const char* maxPrompt;
    const Shop& shop;
};

// The fuel shop, "Buy Fuel".
extern const ShopWindow kBuyFuelForm;

// The shield shop, "Buy Shield Repairs".
extern const ShopWindow kRepairShieldForm;

// One of the twin shops of the shipyards: units of fuel or of shield repair for cash, up to
// the capacity of the current ship.
class ShopForm : public QDialog {
    Q_OBJECT
  public:
    ShopForm(GameSession& session, QWidget* parent, const ShopWindow& window);

    // The shop command of the main window: shows the level, the capacity and the most units
    // that may be bought, then waits modally until Done. Each shop is made once, so its box
    // keeps its text.
    static void open(GameSession& session, QWidget& owner, const ShopWindow& window);

  private:
    void buyButton_Click();
    void showLevel();

    GameSession& session_;
    const Shop& shop_;
    QLabel* levelLabel_;
    QLabel* capacityLabel_;
    ClickableLabel* maxLabel_;
    NumberBox* number_;
};

} // namespace zt
