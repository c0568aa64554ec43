#include "ui/buyNewShipForm.h"

#include "services/shipyard.h"
#include "ui/GameSession.h"
#include "ui/form_parts.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zt {

namespace {

// The shipyard's list, entry i naming ship i + 1, as the shipyard has always spelt it.
const char* const kShipEntries[] = {"Planet Hopper",     "Cargo Caravel",    "Galactic Galleon",
                                    "Class I Frigate",   "Class II Frigate", "Class III Grigate",
                                    "Zenthari Intrepid!"};
static_assert(std::size(kShipEntries) == kShipTypes);

} // namespace

BuyNewShipForm::BuyNewShipForm(GameSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setUpWindow(this, "buyNewShipForm", "Buy New Ship");

    currentShipLabel_ = valueLabel("currentShipLabel", this);
    cashLabel_ = valueLabel("cashLabel", this);
    debtLabel_ = valueLabel("debtLabel", this);
    netCashLabel_ = valueLabel("netCashLabel", this);
    auto* money = new QGridLayout;
    money->setHorizontalSpacing(16);
    addFormRows(money, 0,
                {{nullptr, "Current Ship:", currentShipLabel_},
                 {nullptr, "Cash:", cashLabel_},
                 {nullptr, "Debt:", debtLabel_},
                 {nullptr, "Net Cash:", netCashLabel_}});
    QLabel* netCashOnly = captionLabel("Label8",
                                       "Zenthari Shipyards does not accept cash on loan from a "
                                       "bank. You may only buy ships with net cash (at left).",
                                       this);
    netCashOnly->setWordWrap(true);
    netCashOnly->setFixedWidth(charsWide(netCashOnly, 37));
    auto* left = new QVBoxLayout;
    left->setSpacing(12);
    left->addLayout(money);
    left->addWidget(netCashOnly);
    left->addStretch();

    shipList_ = new QListWidget(this);
    shipList_->setObjectName(QStringLiteral("shipList"));
    shipList_->setAccessibleName(QStringLiteral("Select Ship"));
    for (const char* entry : kShipEntries)
        shipList_->addItem(QString::fromUtf8(entry));
    shipList_->setFixedHeight(shipList_->sizeHintForRow(0) * kShipTypes +
                              2 * shipList_->frameWidth());
    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(captionLabel(nullptr, "Select Ship:", this));
    middle->addWidget(shipList_);
    middle->addStretch();

    auto* specs = new QGroupBox(QStringLiteral("Specifications:"), this);
    specs->setObjectName(QStringLiteral("Frame2"));
    typeLabel_ = valueLabel("typeLabel", specs);
    costLabel_ = valueLabel("costLabel", specs);
    speedLabel_ = valueLabel("speedLabel", specs);
    cargoCapacityLabel_ = valueLabel("cargoCapacityLabel", specs);
    fuelCapacityLabel_ = valueLabel("fuelCapacityLabel", specs);
    shieldCapacityLabel_ = valueLabel("shieldCapacityLabel", specs);
    auto* specGrid = new QGridLayout(specs);
    addFormRows(specGrid, 0,
                {{nullptr, "Type:", typeLabel_},
                 {nullptr, "Cost:", costLabel_},
                 {nullptr, "Speed:", speedLabel_},
                 {nullptr, "Cargo Capacity:", cargoCapacityLabel_},
                 {nullptr, "Fuel Capacity:", fuelCapacityLabel_},
                 {nullptr, "Shield Capacity:", shieldCapacityLabel_}});

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addWidget(specs, 0, Qt::AlignTop);

    buyShipButton_ = actionButton("buyShipButton", "Buy Selected Ship", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buyShipButton_);
    buttons->addWidget(doneButton(this));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel("Label1", QStringLiteral("Zenthari Shipyards"), 1.5, this));
    layout->addWidget(headingLabel("Label2", QStringLiteral("New Ships Division"), 1.1, this));
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(shipList_, &QListWidget::currentRowChanged, this, &BuyNewShipForm::shipList_Click);
    connect(buyShipButton_, &QPushButton::clicked, this, &BuyNewShipForm::buyShipButton_Click);
}

void BuyNewShipForm::open(GameSession& session, QWidget& owner) {
    BuyNewShipForm& form = windowOnce<BuyNewShipForm>(session, owner, "buyNewShipForm");
    form.showCurrentShip();
    form.exec();
}

void BuyNewShipForm::showCurrentShip() {
    const GameState& state = session_.state();
    currentShipLabel_->setText(qtext(currentShip(state, session_.catalogue()).name));
    cashLabel_->setText(moneyText(state.cash));
    debtLabel_->setText(moneyText(state.debt));
    netCashLabel_->setText(moneyText(netCashShown(state)));
    // Selecting the entry shows its figures and, being the current ship, disables
    // the buy button; reselecting the same entry must do so too.
    const int row = state.shipType - 1;
    if (shipList_->currentRow() == row)
        shipList_Click(row);
    else
        shipList_->setCurrentRow(row);
}

void BuyNewShipForm::shipList_Click(int row) {
    const int ship = row + 1;
    const Catalogue& catalogue = session_.catalogue();
    if (!catalogue.ships.contains(ship)) return;
    const ShipSpec& spec = catalogue.ships[ship];
    typeLabel_->setText(qtext(spec.name));
    costLabel_->setText(moneyText(spec.price));
    speedLabel_->setText(qtext(spec.speed));
    cargoCapacityLabel_->setText(QString::number(spec.cargoCapacity));
    fuelCapacityLabel_->setText(QString::number(spec.fuelCapacity));
    shieldCapacityLabel_->setText(QString::number(spec.shieldCapacity));
    buyShipButton_->setEnabled(canBuyShip(session_.state(), catalogue, ship));
}

void BuyNewShipForm::buyShipButton_Click() {
    if (!buyShip(session_.state(), session_.catalogue(), shipList_->currentRow() + 1).done())
        return;
    showCurrentShip();
    session_.holdingsChanged();
}

} // namespace zt
