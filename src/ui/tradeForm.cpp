#include "ui/tradeForm.h"

#include "ui/GameSession.h"
#include "ui/TradeList.h"
#include "ui/blackNormalGoodsPrices.h"
#include "ui/form_parts.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "ui/normalGoodsPricesForm.h"
#include "ui/purchaseForm.h"
#include "ui/scrapForm.h"
#include "ui/sellForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zt {

namespace {

// Room for the rows of a list before it scrolls.
constexpr int kListRows = 8;

// One framed list with the headings of its three columns above it.
TradeList* framedList(const char* frameName, const char* headingName, const char* listName,
                      const char* name, const char* price, const char* quantity, int mostRows,
                      QHBoxLayout* lists, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setFrameShape(QFrame::StyledPanel);
    // The padding after the last heading takes no room, as in the rows below it.
    QLabel* heading = captionLabel(
        headingName, qtext(tradeRow(name, price, quantity)).trimmed().toUtf8().constData(), frame);
    heading->setFont(listFont());
    TradeList* list = tradeList(listName, kListRows, mostRows, frame);
    list->setColumns(
        {QString::fromUtf8(name), QString::fromUtf8(price), QString::fromUtf8(quantity)});
    auto* column = new QVBoxLayout(frame);
    const int gap = frame->fontMetrics().averageCharWidth() / 2;
    column->setContentsMargins(0, gap, 0, gap); // the lists' own edges set them apart
    column->addWidget(heading);
    column->addWidget(list);
    lists->addWidget(frame, 1);
    return list;
}

void fillList(QListWidget* list, const std::vector<std::string>& rows) {
    list->clear();
    for (const std::string& row : rows)
        list->addItem(qtext(row));
}

} // namespace

namespace {

// The name of the window of a market.
const char* windowName(MarketKind kind) {
    return kind == MarketKind::tradingPost ? "tradeForm" : "blackMarketForm";
}

} // namespace

TradeForm::TradeForm(GameSession& session, QWidget* parent, MarketKind kind)
    : QDialog(parent), session_(session), kind_(kind) {
    const bool post = kind == MarketKind::tradingPost;
    setUpWindow(this, windowName(kind), post ? "Trade" : "Black Market Trading");

    title_ = headingLabel(post ? "tradeFormTitle" : "blackMarketTitle", QString(), 1.6, this);
    auto* lists = new QHBoxLayout;
    goodsForSaleList_ =
        framedList("Frame1", "Label1", "goodsForSaleList",
                   "Goods For Sale:", "Cost:", "Quantity:", kSupplySlots, lists, this);
    goodsWantedList_ = framedList("Frame2", "Label3", "goodsWantedList",
                                  "Goods Wanted:", "Cost:", "Quantity:", kSupplySlots, lists, this);
    yourInventoryList_ = framedList(
        "Frame3", "Label4", "yourInventoryList",
        "Your Inventory:", post ? "Bought At:" : "Bought At::", "Quantity:", kGoods, lists, this);
    connect(goodsForSaleList_, &TradeList::rowChosen, this, &TradeForm::goodsForSaleList_DblClick);
    connect(yourInventoryList_, &TradeList::rowChosen, this,
            &TradeForm::yourInventoryList_DblClick);

    QLabel* help = captionLabel("Label5",
                                "Double-click a good for sale to buy it, double click an item in "
                                "your inventory to sell. You will then be asked to confirm you "
                                "order and enter the quantity.",
                                this);
    help->setWordWrap(true);
    QPushButton* prices = actionButton("normalPricesButton", "&Normal Goods Prices", this);
    connect(prices, &QPushButton::clicked, this, [this] {
        if (kind_ == MarketKind::tradingPost) {
            NormalGoodsPricesForm::open(session_, *parentWidget());
        } else {
            BlackNormalGoodsPrices::open(session_, *parentWidget());
        }
    });
    QPushButton* done = doneButton(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(prices);
    buttons->addWidget(done);
    auto* foot = new QVBoxLayout;
    foot->addWidget(help);
    foot->addLayout(buttons);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(
        decorativePicture(session.dataFolder(), post ? "trade.jpg" : "blackmarket.jpg", this));
    bottom->addLayout(foot, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(lists);
    layout->addLayout(bottom);
    // Narrow sides leave the width to the lists.
    QMargins sides = layout->contentsMargins();
    sides.setLeft(fontMetrics().averageCharWidth() / 2);
    sides.setRight(sides.left());
    layout->setContentsMargins(sides);
}

Market TradeForm::market() const {
    return marketHere(session_.state(), session_.catalogue(), kind_);
}

void TradeForm::open(GameSession& session, QWidget& owner, MarketKind kind) {
    if (session.state().inProgress())
        windowOnce<TradeForm>(session, owner, windowName(kind), kind).openMarket();
}

void TradeForm::openMarket() {
    title_->setText(marketTitle(session_.state(), kind_));
    fillForSale();
    fillWanted();
    fillInventory(0, false);
    exec();
}

void TradeForm::fillForSale() {
    fillList(goodsForSaleList_, forSaleRows(market()));
}

void TradeForm::fillWanted() {
    fillList(goodsWantedList_, wantedRows(market()));
}

void TradeForm::fillInventory(int good, bool orFirst) {
    yourInventoryList_->clear();
    for (const InventoryRow& row : inventoryRows(market())) {
        auto* item = new QListWidgetItem(qtext(row.text), yourInventoryList_);
        item->setData(Qt::UserRole, row.good);
        if (row.good == good) yourInventoryList_->setCurrentItem(item);
    }
    if (!yourInventoryList_->currentItem() && orFirst && yourInventoryList_->count() > 0)
        yourInventoryList_->setCurrentRow(0);
}

void TradeForm::goodsForSaleList_DblClick(QListWidgetItem* item) {
    if (!item) return;
    purchaseForm().openDeal(goodsForSaleList_->row(item) + 1);
}

void TradeForm::yourInventoryList_DblClick(QListWidgetItem* item) {
    if (!item) return;
    const int good = item->data(Qt::UserRole).toInt();
    if (buysGood(market(), good)) {
        sellForm().openDeal(good);
    } else if (kind_ == MarketKind::blackMarket) {
        showMessage(this, QStringLiteral("Sorry, there is no demand for that item here."));
    } else if (scrapForm().offer(good)) {
        fillInventory(0, true);
        session_.holdingsChanged();
    }
}

void TradeForm::afterPurchase() {
    fillForSale();
    goodsForSaleList_->setCurrentRow(purchaseForm_->index() - 1);
    fillInventory(0, false);
    session_.holdingsChanged();
}

void TradeForm::afterSale() {
    fillWanted();
    fillInventory(sellForm_->index(), true);
    session_.holdingsChanged();
}

PurchaseForm& TradeForm::purchaseForm() {
    if (!purchaseForm_) {
        purchaseForm_ = new PurchaseForm(session_, kind_, this);
        connect(purchaseForm_, &DealDialog::dealt, this, &TradeForm::afterPurchase);
    }
    return *purchaseForm_;
}

SellForm& TradeForm::sellForm() {
    if (!sellForm_) {
        sellForm_ = new SellForm(session_, kind_, this);
        connect(sellForm_, &DealDialog::dealt, this, &TradeForm::afterSale);
    }
    return *sellForm_;
}

ScrapForm& TradeForm::scrapForm() {
    if (!scrapForm_) scrapForm_ = new ScrapForm(session_, this);
    return *scrapForm_;
}

} // namespace zt
