#include "ui/shopForm.h"

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

const ShopWindow kBuyFuelForm{"buyFuelForm",
                              "Buy Fuel",
                              "Refueling Division",
                              "currentFuelLevelLabel",
                              "Current Fuel Level:",
                              "fuelCapacityLabel",
                              "Fuel Capacity:",
                              "Fuel Costs $10 per unit",
                              "Buy Fuel Units:",
                              "Fuel units to buy",
                              "Maxiumum number of units you can buy:",
                              kFuelShop};

const ShopWindow kRepairShieldForm{"repairShieldForm",
                                   "Buy Shield Repairs",
                                   "Shield Replenishment Division",
                                   "currentShieldLevelLabel",
                                   "Current Shield Level:",
                                   "shieldCapacityLabel",
                                   "Shield Capacity:",
                                   "Shields Cost $100 per unit",
                                   "Buy Shield Units:",
                                   "Shield units to buy",
                                   "Maximum number of units you can buy:",
                                   kShieldShop};

ShopForm::ShopForm(GameSession& session, QWidget* parent, const ShopWindow& window)
    : QDialog(parent), session_(session), shop_(window.shop) {
    setUpWindow(this, window.name, window.caption);

    levelLabel_ = valueLabel(window.levelName, this);
    capacityLabel_ = valueLabel(window.capacityName, this);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(16);
    addFormRows(figures, 0,
                {{"Label3", window.levelCaption, levelLabel_},
                 {"Label4", window.capacityCaption, capacityLabel_}});

    auto* actions = new QGroupBox(QStringLiteral("Actions"), this);
    actions->setObjectName(QStringLiteral("Frame1"));
    number_ = amountBox("Number", window.entryName, actions);
    maxLabel_ = fillFigure("maxLabel", actions);
    QPushButton* buyButton = actionButton("buyButton", "Buy", actions);
    number_->setAction(buyButton);
    auto* actionGrid = new QGridLayout(actions);
    addFormRows(actionGrid, 0,
                {{"Label6", window.entryPrompt, number_}, {"Label7", window.maxPrompt, maxLabel_}});
    actionGrid->addWidget(buyButton, 0, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel("Label1", QStringLiteral("Zenthari Shipyards"), 1.5, this));
    layout->addWidget(headingLabel("Label2", QString::fromUtf8(window.division), 1.1, this));
    layout->addLayout(figures);
    layout->addWidget(captionLabel("Label5", window.priceText, this));
    layout->addWidget(actions);
    QPushButton* done = doneButton(this);
    layout->addWidget(done, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    tabChain({number_, buyButton, maxLabel_, done});

    connect(buyButton, &QPushButton::clicked, this, &ShopForm::buyButton_Click);
    connect(maxLabel_, &ClickableLabel::clicked, this,
            [this] { number_->setText(maxLabel_->text()); });
}

void ShopForm::open(GameSession& session, QWidget& owner, const ShopWindow& window) {
    ShopForm& form = windowOnce<ShopForm>(session, owner, window.name, window);
    form.showLevel();
    form.capacityLabel_->setText(
        groupedText(stockCapacity(session.state(), session.catalogue(), form.shop_)));
    form.maxLabel_->setText(
        QString::number(maxUnits(session.state(), session.catalogue(), form.shop_)));
    form.number_->focusKeptText();
    form.exec();
}

void ShopForm::showLevel() {
    levelLabel_->setText(groupedText(stockLevel(session_.state(), shop_)));
}

void ShopForm::buyButton_Click() {
    const ShopAnswer answer =
        buyUnits(session_.state(), session_.catalogue(), shop_, number_->text().toStdString());
    if (!answer.done()) return beep();
    session_.holdingsChanged();
    showLevel();
    maxLabel_->setText(QString::number(answer.maximum));
}

} // namespace zt
