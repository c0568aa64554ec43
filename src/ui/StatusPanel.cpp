#include "ui/StatusPanel.h"

#include "core/numbers.h"
#include "core/status_text.h"
#include "ui/GameSession.h"
#include "ui/panel_parts.h"

#include <QGridLayout>

namespace zt {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

StatusPanel::StatusPanel(GameSession& session, QWidget* parent)
    : QGroupBox(parent), session_(session) {
    setObjectName(QStringLiteral("Frame3"));
    setTitle(QStringLiteral("Status"));
    setPanelWidth(this);
    locationLabel_ = panelValue("locationLabel", "Milky Way", this);
    locationSuppliesLabel_ = panelList("locationSuppliesLabel", this);
    locationDemandsLabel_ = panelList("locationDemandsLabel", this);
    cashLabel_ = panelValue("cashLabel", "$5,000", this);
    debtLabel_ = panelValue("debtLabel", "$0", this);
    earthTimeLabel_ = panelValue("earthTimeLabel", "2300.00", this);
    fuelLabel_ = panelValue("fuelLabel", "100 / 100", this);
    shieldsLabel_ = panelValue("shieldsLabel", "100 / 100", this);
    sdChartButton_ = panelButton("sdChartButton", "S/D", this);
    sdChartButton_->setAccessibleName(QStringLiteral("Supply/Demand Search"));

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    addPanelRows(grid, 0,
                 {{"Location:", locationLabel_},
                  {"Supplies:", locationSuppliesLabel_},
                  {"Demands:", locationDemandsLabel_}},
                 3);
    addPanelRows(grid, 3, {{"Cash:", cashLabel_}, {"Earth Time:", earthTimeLabel_}});
    QLabel* debt = new QLabel(QStringLiteral("Debt:"), this);
    debt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    debt->setBuddy(debtLabel_);
    grid->addWidget(debt, 3, 2);
    grid->addWidget(debtLabel_, 3, 3);
    auto* gauges = new QGridLayout;
    gauges->setHorizontalSpacing(12);
    addPanelRows(
        gauges, 0,
        {{"Fuel (current/capacity):", fuelLabel_}, {"Shields (current/capacity):", shieldsLabel_}});
    gauges->setColumnStretch(1, 1);
    grid->addLayout(gauges, 5, 0, 1, 3);
    grid->addWidget(sdChartButton_, 5, 3, Qt::AlignRight | Qt::AlignVCenter);

    connect(&session_, &GameSession::statusChanged, this, &StatusPanel::refresh);
    // As the ship leaves, the location already reads its destination.
    connect(&session_, &GameSession::departed, this, [this](int, int to) {
        locationLabel_->setText(text(session_.state().galaxies[to].name));
    });
}

void StatusPanel::refresh() {
    const GameState& state = session_.state();
    if (!state.inProgress()) return;
    const Catalogue& catalogue = session_.catalogue();
    const Galaxy& location = state.galaxies[session_.shownGalaxy()];
    locationLabel_->setText(text(location.name));
    locationSuppliesLabel_->setText(text(goodsListText(location.supplies, catalogue)));
    locationDemandsLabel_->setText(text(goodsListText(location.demands, catalogue)));
    cashLabel_->setText(text(formatMoney(state.cash)));
    debtLabel_->setText(text(formatMoney(state.debt)));
    const ShipSpec& ship = currentShip(state, catalogue);
    fuelLabel_->setText(text(gaugeText(state.fuel, ship.fuelCapacity)));
    shieldsLabel_->setText(text(gaugeText(state.shields, ship.shieldCapacity)));
    earthTimeLabel_->setText(text(state.earthTime.text()));
}

} // namespace zt
