#include "ui/DealDialog.h"

#include "ui/ClickableLabel.h"
#include "ui/GameSession.h"
#include "ui/NumberBox.h"
#include "ui/form_parts.h"
#include "ui/look.h"
#include "ui/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zt {

DealDialog::DealDialog(GameSession& session, MarketKind kind, const Texts& texts, QWidget* parent)
    : QDialog(parent), session_(session), kind_(kind) {
    setUpWindow(this, texts.objectName, texts.windowCaption);
    title_ = headingLabel(texts.titleName, QString(), 1.5, this);
    QLabel* division = headingLabel("Label2", QString::fromLatin1(texts.division), 1.1, this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    int row = 0;
    for (const Figure& f : texts.figures) {
        QLabel* value = valueLabel(f.valueName, this);
        figures_[static_cast<std::size_t>(row)] = value;
        addFormRows(grid, row++, {{f.captionName, f.caption, value}});
    }
    maxLabel_ = fillFigure("maxLabel", this);
    QFont underlined = maxLabel_->font();
    underlined.setUnderline(true);
    maxLabel_->setFont(underlined);
    number_ = amountBox("Number", texts.numberName, this);
    addFormRows(
        grid, row,
        {{"Label5", texts.maxCaption, maxLabel_}, {"Label6", texts.numberCaption, number_}});
    connect(maxLabel_, &ClickableLabel::clicked, this,
            [this] { number_->setText(maxLabel_->text()); });

    QLabel* hint =
        captionLabel("Label8", "Click on the max number to put that number into the box!", this);
    hint->setWordWrap(true);

    QPushButton* action = actionButton(texts.actionName, texts.actionCaption, this);
    QPushButton* done = actionButton("doneButton", "Done", this);
    connect(action, &QPushButton::clicked, this, [this] { act(); });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    number_->setAction(action);
    tabChain({number_, action, maxLabel_, done});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(action);
    buttons->addWidget(done);

    const char* picture = kind == MarketKind::tradingPost ? "trade.jpg" : "blackmarket.jpg";
    auto* layout = new QGridLayout(this);
    layout->addWidget(title_, 0, 0, 1, 2);
    layout->addWidget(division, 1, 0, 1, 2);
    layout->addWidget(decorativePicture(session.dataFolder(), picture, this), 2, 0);
    layout->addLayout(grid, 2, 1);
    layout->addWidget(hint, 3, 0, 1, 2);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Market DealDialog::market() const {
    return marketHere(session_.state(), session_.catalogue(), kind_);
}

void DealDialog::openDeal(int index) {
    index_ = index;
    const Market m = market();
    title_->setText(marketTitle(m.state, kind_));
    figure(0)->setText(qtext(m.names[good(m)]));
    figure(1)->setText(QString::number(price(m)));
    showFigures(m);
    number_->focusKeptText();
    exec();
}

void DealDialog::showMaximum(std::int64_t maximum) {
    maxLabel_->setText(QString::number(maximum));
}

void DealDialog::act() {
    const std::optional<std::int64_t> units = number_->amount();
    if (!units || !deal(market(), *units).done()) {
        beep();
        return;
    }
    showFigures(market());
    emit dealt();
}

} // namespace zt
