#include "ui/RoutePanel.h"

#include "core/status_text.h"
#include "travel/route.h"
#include "ui/GameSession.h"
#include "ui/look.h"
#include "ui/panel_parts.h"

#include <QAction>
#include <QGridLayout>

namespace zt {

RoutePanel::RoutePanel(GameSession& session, QAction* goMenu, QWidget* parent)
    : QGroupBox(parent), session_(session), goMenu_(goMenu) {
    setObjectName(QStringLiteral("Frame5"));
    setTitle(QStringLiteral("Map Information (click on galaxy to view):"));
    setPanelWidth(this);
    selectedLocationLabel_ = panelValue("selectedLocationLabel", "Milky Way", this);
    selectedSuppliesLabel_ = panelList("selectedSuppliesLabel", this);
    selectedDemandsLabel_ = panelList("selectedDemandsLabel", this);
    fuelNeededLabel_ = panelValue("fuelNeededLabel", "0", this);
    timeNeededLabel_ = panelValue("timeNeededLabel", "0", this);
    bridgeTollLabel_ = panelValue("bridgeTollLabel", "$0", this);
    goButton_ = panelButton("goButton", "GO", this);
    QFont bold = scaledFont(goButton_->font(), 1.3);
    bold.setBold(true);
    goButton_->setFont(bold);
    goButton_->setMinimumSize(charsWide(goButton_, 14), linesHigh(goButton_, 2.4));
    connect(goButton_, &QPushButton::clicked, this, &RoutePanel::go);
    connect(goMenu_, &QAction::triggered, this, &RoutePanel::go);

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    addPanelRows(grid, 0,
                 {{"Selected location:", selectedLocationLabel_},
                  {"Supplies:", selectedSuppliesLabel_},
                  {"Demands:", selectedDemandsLabel_}},
                 2);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(12);
    addPanelRows(figures, 0,
                 {{"Fuel needed:", fuelNeededLabel_},
                  {"Time needed:", timeNeededLabel_},
                  {"Zenthari Bridge Toll:", bridgeTollLabel_}});
    figures->setColumnStretch(1, 1);
    grid->addLayout(figures, 3, 0, 1, 2);
    grid->addWidget(goButton_, 3, 2, Qt::AlignRight | Qt::AlignVCenter);
    setGoEnabled(false);

    connect(&session_, &GameSession::gameStarted, this, [this] {
        showGalaxy(session_.state().galaxies[session_.state().currentGalaxy]);
        resetFigures(QStringLiteral("0"), QStringLiteral("$0"));
        setGoEnabled(false);
    });
    connect(&session_, &GameSession::gameLoaded, this, [this] {
        for (QLabel* label :
             {selectedLocationLabel_, selectedSuppliesLabel_, selectedDemandsLabel_})
            label->clear();
        resetFigures(QString(), QString());
        setGoEnabled(false);
    });
    connect(&session_, &GameSession::destinationPicked, this, &RoutePanel::showRoute);
    connect(&session_, &GameSession::arrived, this, [this](int to) {
        showSupplies(session_.state().galaxies[to]);
        setGoEnabled(false);
    });
    connect(&session_, &GameSession::flightOver, this,
            [this] { setGoEnabled(canDepart(session_.state())); });
}

void RoutePanel::go() {
    if (goButton_->isEnabled()) session_.fly();
}

void RoutePanel::setGoEnabled(bool enabled) {
    goButton_->setEnabled(enabled);
    goMenu_->setEnabled(enabled);
}

void RoutePanel::showSupplies(const Galaxy& galaxy) {
    selectedSuppliesLabel_->setText(
        QString::fromStdString(goodsListText(galaxy.supplies, session_.catalogue())));
    selectedDemandsLabel_->setText(
        QString::fromStdString(goodsListText(galaxy.demands, session_.catalogue())));
}

void RoutePanel::showGalaxy(const Galaxy& galaxy) {
    selectedLocationLabel_->setText(QString::fromStdString(galaxy.name));
    showSupplies(galaxy);
}

void RoutePanel::resetFigures(const QString& fuelAndTime, const QString& toll) {
    fuelNeededLabel_->setText(fuelAndTime);
    timeNeededLabel_->setText(fuelAndTime);
    bridgeTollLabel_->setText(toll);
    for (QLabel* figure : {fuelNeededLabel_, bridgeTollLabel_})
        setTextColour(figure, kYellow);
}

void RoutePanel::showRoute() {
    const GameState& state = session_.state();
    showGalaxy(state.galaxies[galaxyInCell(state, state.selectedCell)]);
    const Route& route = state.route;
    fuelNeededLabel_->setText(QString::number(route.fuelNeeded));
    timeNeededLabel_->setText(QString::fromStdString(route.timeNeeded.text()));
    bridgeTollLabel_->setText(QStringLiteral("$") + QString::number(route.toll));
    setTextColour(fuelNeededLabel_, hasFuelFor(state, route) ? kYellow : kRed);
    setTextColour(bridgeTollLabel_, canPayToll(state, route) ? kYellow : kRed);
    setGoEnabled(canDepart(state));
}

} // namespace zt
