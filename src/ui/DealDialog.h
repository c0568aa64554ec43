#pragma once
#include "market/trading.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;

namespace zt {

class ClickableLabel;
class GameSession;
class NumberBox;

// What the purchase and sale dialogs of both markets share: a title, a division heading,
// four figures, the clickable maximum, the amount box `Number` and two buttons. The dialog
// is created once, so `Number` keeps its last text between visits.
class DealDialog : public QDialog {
    Q_OBJECT
  public:
    // A figure of the dialog: the caption beside it and the names of both labels.
    struct Figure {
        const char* captionName;
        const char* caption;
        const char* valueName;
    };
    // The names and texts that tell one dialog from another.
    struct Texts {
        const char* objectName;
        const char* titleName;
        const char* windowCaption;
        const char* division;
        std::array<Figure, 4> figures;
        const char* maxCaption;
        const char* numberCaption;
        const char* numberName; // what a screen reader calls the amount box
        const char* actionName;
        const char* actionCaption;
    };

    // Fills the dialog for `index` of the market here (a supply slot when buying, a good when
    // selling) and shows it until Done; every deal made meanwhile is for that index.
    void openDeal(int index);
    int index() const { return index_; }

  signals:
    // A deal went through: the lists below and the main window are to be redrawn.
    void dealt();

  protected:
    DealDialog(GameSession& session, MarketKind kind, const Texts& texts, QWidget* parent);

    // The value label of figure `i` (0..3).
    QLabel* figure(int i) const { return figures_[static_cast<std::size_t>(i)]; }
    void showMaximum(std::int64_t maximum);

    // The good dealt in and its price, for the index of the dialog.
    virtual int good(const Market& market) const = 0;
    virtual std::int32_t price(const Market& market) const = 0;
    // The deal of the action button (a purchase or a sale of `units`), by the rules.
    virtual TradeOutcome deal(const Market& market, std::int64_t units) = 0;
    // Writes the two quantity figures and the maximum from the state.
    virtual void showFigures(const Market& market) = 0;

    GameSession& session_;
    const MarketKind kind_;

  private:
    // The market of the galaxy the ship is in.
    Market market() const;
    // The action button: the amount typed goes to the deal; a fraction or a refusal beeps.
    void act();

    QLabel* title_;
    std::array<QLabel*, 4> figures_{};
    ClickableLabel* maxLabel_;
    NumberBox* number_;
    int index_ = 1;
};

} // namespace zt
