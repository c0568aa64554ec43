#include "ui/sdSearchForm.h"

#include "market/search.h"
#include "ui/GameSession.h"
#include "ui/form_parts.h"
#include "ui/look.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace zt {

namespace {

QListWidget* galaxyList(const char* name, const char* heading, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromUtf8(heading));
    list->setMinimumSize(charsWide(list, 28), linesHigh(list, 13));
    return list;
}

} // namespace

SdSearchForm::SdSearchForm(GameSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setUpWindow(this, "sdSearchForm", "Click here and drag to move this form.");
    QLabel* heading = headingLabel("Label2", QStringLiteral("Supply / Demand Search"), 1.6, this);
    normalGoodsOption_ = optionButton("normalGoodsOption", "Normal Goods", this);
    QRadioButton* black = optionButton("blackMarketGoodsOption", "Black Market Goods", this);
    connect(normalGoodsOption_, &QRadioButton::clicked, this,
            [this] { chooseMarket(MarketKind::tradingPost); });
    connect(black, &QRadioButton::clicked, this, [this] { chooseMarket(MarketKind::blackMarket); });
    goodCombo_ = new QComboBox(this);
    goodCombo_->setObjectName(QStringLiteral("goodCombo"));
    goodCombo_->setMinimumContentsLength(20);
    goodCombo_->setAccessibleName(QStringLiteral("Select a good"));
    connect(goodCombo_, &QComboBox::activated, this, &SdSearchForm::goodCombo_Click);
    supplyingBox_ = galaxyList("supplyingBox", "Galaxies Supplying", this);
    demandingBox_ = galaxyList("demandingBox", "Galaxies Demanding", this);
    QLabel* note = captionLabel("Label5",
                                "Galaxies supplying are highlighted in green on the main map, "
                                "galaxies demanding are highlighted in red.",
                                this);
    note->setWordWrap(true);
    QPushButton* done = actionButton("doneButton", "OK", this);
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(heading, 0, 0, 1, 2);
    grid->addWidget(normalGoodsOption_, 1, 0);
    grid->addWidget(black, 1, 1);
    grid->addWidget(captionLabel("Label1", "Select a good:", this), 2, 0);
    grid->addWidget(goodCombo_, 2, 1);
    grid->addWidget(captionLabel("Label3", "Galaxies Supplying:", this), 3, 0);
    grid->addWidget(captionLabel("Label4", "Galaxies Demanding:", this), 3, 1);
    grid->addWidget(supplyingBox_, 4, 0);
    grid->addWidget(demandingBox_, 4, 1);
    grid->addWidget(note, 5, 0, 1, 2);
    grid->addWidget(done, 6, 0, 1, 2, Qt::AlignCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void SdSearchForm::open(GameSession& session, QWidget& owner) {
    if (session.state().inProgress())
        windowOnce<SdSearchForm>(session, owner, "sdSearchForm").openSearch();
}

void SdSearchForm::openSearch() {
    normalGoodsOption_->setChecked(true);
    chooseMarket(MarketKind::tradingPost);
    // Beside the map, so that the boxes it draws there can be seen.
    adjustSize();
    const QWidget& window = *parentWidget();
    move(window.mapToGlobal(QPoint(window.width() - width() - 16, 40)));
    exec();
    session_.endSearch();
}

void SdSearchForm::chooseMarket(MarketKind kind) {
    kind_ = kind;
    supplyingBox_->clear();
    demandingBox_->clear();
    goodCombo_->clear();
    const Catalogue& catalogue = session_.catalogue();
    if (kind == MarketKind::tradingPost) {
        for (const std::string& name : catalogue.goodsNames)
            goodCombo_->addItem(qtext(name));
    } else {
        for (const std::string& name : catalogue.blackGoodsNames)
            goodCombo_->addItem(qtext(name));
    }
    goodCombo_->setCurrentIndex(-1); // nothing is picked until the player picks
}

void SdSearchForm::goodCombo_Click(int index) {
    if (index < 0) return;
    const GameState& state = session_.state();
    const GoodSearch found = searchGood(state, kind_, index + 1);
    supplyingBox_->clear();
    demandingBox_->clear();
    for (int g : found.supplying)
        supplyingBox_->addItem(qtext(state.galaxies[g].name));
    for (int g : found.demanding)
        demandingBox_->addItem(qtext(state.galaxies[g].name));
    session_.showSearch(found);
}

} // namespace zt
