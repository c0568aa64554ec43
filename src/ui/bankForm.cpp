#include "ui/bankForm.h"

#include "services/bank.h"
#include "ui/ClickableLabel.h"
#include "ui/GameSession.h"
#include "ui/NumberBox.h"
#include "ui/form_parts.h"
#include "ui/look.h"
#include "ui/messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace zt {

BankForm::BankForm(GameSession& session, QWidget* parent) : QDialog(parent), session_(session) {
    setUpWindow(this, "bankForm", "The Bank");

    cashLabel_ = valueLabel("cashLabel", this);
    currentDebtLabel_ = fillFigure("currentDebtLabel", this);
    QLabel* interestRateLabel = valueLabel("interestRateLabel", this);
    interestRateLabel->setText(QStringLiteral("7 % per Earth year"));
    maxLabel_ = fillFigure("maxLabel", this);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(16);
    addFormRows(figures, 0,
                {{"Label2", "Cash:", cashLabel_},
                 {"Label3", "Current Debt:", currentDebtLabel_},
                 {"Label4", "Interest Rate:", interestRateLabel},
                 {"Label8", "Max Loan:", maxLabel_}});

    auto* actions = new QGroupBox(QStringLiteral("Actions:"), this);
    actions->setObjectName(QStringLiteral("Frame1"));
    loanAmountBox_ = amountBox("loanAmountBox", "Amount to borrow", actions);
    repayAmountBox_ = amountBox("repayAmountBox", "Amount to repay", actions);
    QPushButton* borrowButton = actionButton("borrowButton", "Borrow", actions);
    QPushButton* repayButton = actionButton("repayButton", "Repay", actions);
    loanAmountBox_->setAction(borrowButton);
    repayAmountBox_->setAction(repayButton);
    auto* actionGrid = new QGridLayout(actions);
    addFormRows(
        actionGrid, 0,
        {{"Label7", "Take out loan:", loanAmountBox_}, {"Label6", "Repay:", repayAmountBox_}});
    actionGrid->addWidget(borrowButton, 0, 2);
    actionGrid->addWidget(repayButton, 1, 2);

    QLabel* hint = captionLabel(
        "Label9",
        "Click on current debt and max loan labels to put that amount in the corresponding box",
        this);
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel("Label1", QStringLiteral("Zenthari Bank"), 1.5, this));
    layout->addLayout(figures);
    layout->addWidget(captionLabel("Label5", "You cannot borrow more than $50,000", this));
    layout->addWidget(actions);
    layout->addWidget(hint);
    QPushButton* done = doneButton(this);
    layout->addWidget(done, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Row by row: each box before its button, then the figures that fill the boxes.
    tabChain({loanAmountBox_, borrowButton, repayAmountBox_, repayButton, currentDebtLabel_,
              maxLabel_, done});

    connect(borrowButton, &QPushButton::clicked, this, &BankForm::borrowButton_Click);
    connect(repayButton, &QPushButton::clicked, this, &BankForm::repayButton_Click);
    // One click prepares repaying the whole debt, or borrowing the largest loan.
    connect(currentDebtLabel_, &ClickableLabel::clicked, this,
            [this] { repayAmountBox_->setText(QString::number(session_.state().debt)); });
    connect(maxLabel_, &ClickableLabel::clicked, this,
            [this] { loanAmountBox_->setText(QString::number(maxLoan(session_.state().debt))); });
}

void BankForm::open(GameSession& session, QWidget& owner) {
    BankForm& form = windowOnce<BankForm>(session, owner, "bankForm");
    form.showFigures();
    form.loanAmountBox_->focusKeptText();
    form.exec();
}

void BankForm::showFigures() {
    const GameState& state = session_.state();
    cashLabel_->setText(moneyText(state.cash));
    currentDebtLabel_->setText(moneyText(state.debt));
    maxLabel_->setText(moneyText(maxLoan(state.debt)));
}

void BankForm::showChange() {
    showFigures();
    session_.holdingsChanged();
}

void BankForm::borrowButton_Click() {
    if (!borrow(session_.state(), loanAmountBox_->text().toStdString()).done()) return beep();
    showChange();
}

void BankForm::repayButton_Click() {
    if (!repay(session_.state(), repayAmountBox_->text().toStdString()).done()) return beep();
    showChange();
}

} // namespace zt
