#pragma once
#include "ui/ClickableLabel.h"

#include <QDialog>

class QLabel;

namespace zt {

class GameSession;
class NumberBox;

// The bank: loans up to a debt of $50,000 and repayments from cash.
class BankForm : public QDialog {
    Q_OBJECT
  public:
    BankForm(GameSession& session, QWidget* parent);

    // The bank command of the main window: shows cash, debt and the largest loan, then waits
    // modally until Done. The window is made once, so its boxes keep their text.
    static void open(GameSession& session, QWidget& owner);

  private:
    void borrowButton_Click();
    void repayButton_Click();
    // Rewrites the bank's figures; the session redraws the status and the route.
    void showChange();
    void showFigures();

    GameSession& session_;
    QLabel* cashLabel_;
    ClickableLabel* currentDebtLabel_;
    ClickableLabel* maxLabel_;
    NumberBox* loanAmountBox_;
    NumberBox* repayAmountBox_;
};

} // namespace zt
