#include "ui/Main.h"

#include "core/new_game.h"
#include "core/numbers.h"
#include "core/status_text.h"
#include "market/market.h"
#include "storage/saved_game.h"
#include "travel/flight.h"
#include "travel/route.h"
#include "ui/SoundPlayer.h"
#include "ui/aboutForm.h"
#include "ui/bankForm.h"
#include "ui/buyNewShipForm.h"
#include "ui/endForm.h"
#include "ui/gameFileDialog.h"
#include "ui/highScoresForm.h"
#include "ui/instructionsForm.h"
#include "ui/irsForm.h"
#include "ui/look.h"
#include "ui/map_widgets.h"
#include "ui/media_files.h"
#include "ui/messages.h"
#include "ui/naturalHazardForm.h"
#include "ui/normalGoodsPricesForm.h"
#include "ui/sdSearchForm.h"
#include "ui/shopForm.h"
#include "ui/spacePiratesForm.h"
#include "ui/startNewGameForm.h"
#include "ui/startupForm.h"
#include "ui/tradeForm.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>
#include <functional>

namespace zt {

namespace {

// Which commands have their window yet, and whether they need a game in progress. When a
// window lands, its developer sets `ready` on its own line. The lines stand apart so that
// changes to different lines merge cleanly.
using Command = Main::Command;
struct CommandEntry {
    Command command;
    const char* button; // nullptr: menu only
    const char* menu;
    bool needsGame;
    bool ready;
};
constexpr bool kNeedsGame = true, kAnyTime = false, kNotYet = false;
[[maybe_unused]] constexpr bool kReady = true;
constexpr CommandEntry kCommands[] = {
    {Command::Trade, "tradeButton", "tradeMenu", kNeedsGame, kReady},

    {Command::BlackMarket, "blackMarketButton", "blackMarketMenu", kNeedsGame, kReady},

    {Command::Bank, "bankButton", "bankMenu", kNeedsGame, kReady},

    {Command::BuyFuel, "buyFuelButton", "buyFuelMenu", kNeedsGame, kReady},

    {Command::RepairShield, "repairShieldButton", "repairShieldMenu", kNeedsGame, kReady},

    {Command::BuyNewShip, "buyNewShipButton", "buyNewShipMenu", kNeedsGame, kReady},

    {Command::SdChart, "sdChartButton", "sdSearchMenu", kNeedsGame, kReady},

    {Command::SaveGame, nullptr, "saveGameMenu", kNeedsGame, kReady},

    {Command::LoadGame, nullptr, "openGameMenu", kAnyTime, kReady},

    {Command::Instructions, nullptr, "instructionsMenu", kAnyTime, kReady},

    {Command::About, nullptr, "anoutMenu", kAnyTime, kReady},

    {Command::NormalGoodsPrices, nullptr, "normalGoodsPricesMenu", kAnyTime, kReady},
};
static_assert(std::size(kCommands) == Main::kCommandCount);

// The map's geometry in pixels: each cell's box, the distance between boxes, the picture
// inside a box and the margin left for the flash around the whole grid.
constexpr int kBox = 88;
constexpr int kPitchX = 94;
constexpr int kPitchY = 92;
constexpr int kPicture = 64;
constexpr int kMargin = 6;
constexpr int kFlashThickness = 3;
constexpr int kBoxThickness = 2;
constexpr int kPanelWidth = 560;

// The opening captions of the status display, also shown before the first game.
const char* const kNothingYet = "nothing yet";

const char* const kTrendsShift = "CONSUMER TRENDS SHIFT!! ALL GALAXIES SUPPLIES/DEMANDS CHANGE!";

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* valueLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, kYellow);
    return label;
}

// A value label whose text may run over two lines (a galaxy's four goods).
QLabel* listLabel(const char* name, QWidget* parent) {
    QLabel* label = valueLabel(name, kNothingYet, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());
    return label;
}

QLabel* caption(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Captions and their values, one row each from `row` on; the values span `span` columns.
void addRows(QGridLayout* grid, int row,
             std::initializer_list<std::pair<const char*, QLabel*>> rows, int span = 1) {
    for (const auto& [text, value] : rows) {
        grid->addWidget(caption(text, value->parentWidget()), row, 0);
        grid->addWidget(value, row++, 1, 1, span);
    }
}

QPushButton* commandButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(30);
    return button;
}

QGroupBox* frame(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

// What the flight asks of the window, in the flight's order.
class Main::FlightCalls final : public FlightHost {
  public:
    explicit FlightCalls(Main& main) : main_(main) {}

    void endOfGame() override { main_.endOfGame(); }
    void playEngineSound() override { main_.playSound(QStringLiteral("jet.wav")); }
    void startMapFlash() override {
        main_.zoomTicks_ = 0;
        main_.zoomTimer_->start();
    }
    void announceTrendsShift() override { showMessage(&main_, QString::fromLatin1(kTrendsShift)); }
    void showDeparture(int from, int to) override {
        main_.mapOutline_[main_.state_.galaxies[from].cell() - 1]->hide();
        main_.flightDestination_ = to;
        main_.locationLabel_->setText(text(main_.state_.galaxies[to].name));
    }
    void showArrival(int to) override {
        main_.refreshStatus();
        const Galaxy& dest = main_.state_.galaxies[to];
        main_.selectedSuppliesLabel_->setText(text(goodsListText(dest.supplies, main_.catalogue_)));
        main_.selectedDemandsLabel_->setText(text(goodsListText(dest.demands, main_.catalogue_)));
        Outline* box = main_.mapOutline_[dest.cell() - 1];
        box->setBorderColour(kRed);
        box->show();
        main_.setGoEnabled(false);
    }
    void naturalHazardAlert() override { main_.naturalHazardAlert(); }
    void spacePiratesAlert() override { main_.spacePiratesAlert(); }
    void irsAlert() override { main_.irsAlert(); }

  private:
    Main& main_;
};

Main::Main(const GameFolders& folders, RandomSource& rng, QWidget* parent)
    : QMainWindow(parent), folders_(folders),
      dataFolder_(QFile::decodeName(folders.dataFolder.c_str())),
      savedGamesFolder_(QFile::decodeName(folders.savesFolder.c_str())), rng_(rng) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Zenthari Trader"));
    applySpaceLook(this);

    const QDir folder(dataFolder_);
    const HighScoresRead read = readHighScores(folders_.highScoresToRead());
    highScores_ = read.scores;
    highScoresDamaged_ = read.damaged;
    catalogue_ = loadCatalogue(QFile::encodeName(folder.filePath(kStringsFileName)).toStdString());

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(8, 4, 8, 8);
    columns->setSpacing(10);
    auto* map = frame("Frame1", "Map", central);
    buildMap(map);
    columns->addWidget(map, 0, Qt::AlignTop);
    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(buildRoutePanel());
    side->addWidget(buildStatusPanel());
    side->addWidget(buildActionsPanel());
    side->addStretch();
    columns->addLayout(side);
    setCentralWidget(central);

    soundControl_ = new SoundPlayer(folder.filePath(QStringLiteral("Sounds")), this);
    buildMenus();
    bindCommands();
    setGoEnabled(false);
    updateCommands();
}

Main::~Main() = default;

void Main::buildMap(QWidget* frame) {
    auto* canvas = new QWidget(frame);
    canvas->setObjectName(QStringLiteral("mapCanvas"));
    canvas->setFixedSize(2 * kMargin + (kColumns - 1) * kPitchX + kBox,
                         2 * kMargin + (kRows - 1) * kPitchY + kBox);
    QFont small = canvas->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (int i = 0; i < kCells; ++i) {
        const int x = kMargin + (i % kColumns) * kPitchX;
        const int y = kMargin + (i / kColumns) * kPitchY;
        const QString index = QString::number(i);

        auto* box = new Outline(kRed, kBoxThickness, canvas);
        box->setObjectName(QStringLiteral("mapOutline_") + index);
        box->setGeometry(x, y, kBox, kBox);
        box->hide();
        mapOutline_[static_cast<std::size_t>(i)] = box;

        auto* picture = new MapPicture(canvas);
        picture->setObjectName(QStringLiteral("mapImage_") + index);
        picture->setGeometry(x + (kBox - kPicture) / 2, y + 4, kPicture, kPicture);
        picture->setScaledContents(true);
        picture->hide();
        connect(picture, &MapPicture::clicked, this, [this, i] { mapImage_Click(i); });
        mapImage_[static_cast<std::size_t>(i)] = picture;

        auto* name = new QLabel(canvas);
        name->setObjectName(QStringLiteral("mapImageLabel_") + index);
        name->setGeometry(x + kBoxThickness, y + kPicture + 5, kBox - 2 * kBoxThickness,
                          kBox - kPicture - 5 - kBoxThickness);
        name->setAlignment(Qt::AlignCenter);
        name->setFont(small);
        name->setTextFormat(Qt::PlainText);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        name->hide();
        mapImageLabel_[static_cast<std::size_t>(i)] = name;
    }
    zoomGraphic_ = new Outline(kRed, kFlashThickness, canvas);
    zoomGraphic_->setObjectName(QStringLiteral("zoomGraphic"));
    zoomGraphic_->setGeometry(canvas->rect());
    zoomGraphic_->hide();
    zoomTimer_ = new QTimer(this);
    zoomTimer_->setObjectName(QStringLiteral("zoomTimer"));
    zoomTimer_->setInterval(200);
    connect(zoomTimer_, &QTimer::timeout, this, &Main::zoomTimer_Timer);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(canvas);
}

QWidget* Main::buildRoutePanel() {
    QGroupBox* box = frame("Frame5", "Map Information (click on galaxy to view):", nullptr);
    box->setFixedWidth(kPanelWidth);
    selectedLocationLabel_ = valueLabel("selectedLocationLabel", "Milky Way", box);
    selectedSuppliesLabel_ = listLabel("selectedSuppliesLabel", box);
    selectedDemandsLabel_ = listLabel("selectedDemandsLabel", box);
    fuelNeededLabel_ = valueLabel("fuelNeededLabel", "0", box);
    timeNeededLabel_ = valueLabel("timeNeededLabel", "0", box);
    bridgeTollLabel_ = valueLabel("bridgeTollLabel", "$0", box);
    goButton_ = commandButton("goButton", "GO", box);
    goButton_->setMinimumSize(110, 44);
    QFont bold = goButton_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    goButton_->setFont(bold);
    connect(goButton_, &QPushButton::clicked, this, &Main::goButton_Click);

    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    addRows(grid, 0,
            {{"Selected location:", selectedLocationLabel_},
             {"Supplies:", selectedSuppliesLabel_},
             {"Demands:", selectedDemandsLabel_}},
            2);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(12);
    addRows(figures, 0,
            {{"Fuel needed:", fuelNeededLabel_},
             {"Time needed:", timeNeededLabel_},
             {"Zenthari Bridge Toll:", bridgeTollLabel_}});
    figures->setColumnStretch(1, 1);
    grid->addLayout(figures, 3, 0, 1, 2);
    grid->addWidget(goButton_, 3, 2, Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QWidget* Main::buildStatusPanel() {
    QGroupBox* box = frame("Frame3", "Status", nullptr);
    box->setFixedWidth(kPanelWidth);
    locationLabel_ = valueLabel("locationLabel", "Milky Way", box);
    locationSuppliesLabel_ = listLabel("locationSuppliesLabel", box);
    locationDemandsLabel_ = listLabel("locationDemandsLabel", box);
    cashLabel_ = valueLabel("cashLabel", "$5,000", box);
    debtLabel_ = valueLabel("debtLabel", "$0", box);
    earthTimeLabel_ = valueLabel("earthTimeLabel", "2300.00", box);
    fuelLabel_ = valueLabel("fuelLabel", "100 / 100", box);
    shieldsLabel_ = valueLabel("shieldsLabel", "100 / 100", box);
    commands_[static_cast<std::size_t>(Command::SdChart)].button =
        commandButton("sdChartButton", "S/D", box);

    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    addRows(grid, 0,
            {{"Location:", locationLabel_},
             {"Supplies:", locationSuppliesLabel_},
             {"Demands:", locationDemandsLabel_}},
            3);
    addRows(grid, 3, {{"Cash:", cashLabel_}, {"Earth Time:", earthTimeLabel_}});
    grid->addWidget(caption("Debt:", box), 3, 2);
    grid->addWidget(debtLabel_, 3, 3);
    auto* gauges = new QGridLayout;
    gauges->setHorizontalSpacing(12);
    addRows(
        gauges, 0,
        {{"Fuel (current/capacity):", fuelLabel_}, {"Shields (current/capacity):", shieldsLabel_}});
    gauges->setColumnStretch(1, 1);
    grid->addLayout(gauges, 5, 0, 1, 3);
    grid->addWidget(commands_[static_cast<std::size_t>(Command::SdChart)].button, 5, 3,
                    Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QWidget* Main::buildActionsPanel() {
    QGroupBox* box = frame("Frame4", "Actions", nullptr);
    box->setFixedWidth(kPanelWidth);
    const struct {
        Command command;
        const char* name;
        const char* caption;
    } buttons[] = {{Command::Trade, "tradeButton", "Trade"},
                   {Command::BlackMarket, "blackMarketButton", "Black Market"},
                   {Command::Bank, "bankButton", "Bank"},
                   {Command::BuyFuel, "buyFuelButton", "Buy Fuel"},
                   {Command::RepairShield, "repairShieldButton", "Repair Shield"},
                   {Command::BuyNewShip, "buyNewShipButton", "Buy New Ship"}};
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const auto& b : buttons) {
        QPushButton* button = commandButton(b.name, b.caption, box);
        commands_[static_cast<std::size_t>(b.command)].button = button;
        grid->addWidget(button, i / 3, i % 3);
        ++i;
    }
    return box;
}

void Main::buildMenus() {
    struct Entry {
        const char* name; // nullptr: a separator
        const char* caption;
        QKeySequence shortcut;
    };
    const auto fill = [this](const char* menuName, const char* caption,
                             std::initializer_list<Entry> entries) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromLatin1(menuName));
        for (const Entry& e : entries) {
            if (!e.name) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(e.caption));
            action->setObjectName(QString::fromLatin1(e.name));
            action->setShortcut(e.shortcut);
        }
    };
    const Entry separator{nullptr, nullptr, {}};
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    fill("fileMenu", "&File",
         {{"newGameMenu", "&New Game", ctrl(Qt::Key_N)},
          separator,
          {"saveGameMenu", "&Save Game", ctrl(Qt::Key_S)},
          {"openGameMenu", "&Open Game", ctrl(Qt::Key_O)},
          separator,
          {"highScoresMenu", "&High Scores", {}},
          separator,
          {"exitMenu", "&Exit", ctrl(Qt::Key_X)}});
    fill("gameMenu", "&Game",
         {{"goMenu", "&Go to selected destination", ctrl(Qt::Key_G)},
          separator,
          {"tradeMenu", "&Trade", ctrl(Qt::Key_T)},
          {"blackMarketMenu", "&Black Market", ctrl(Qt::Key_Z)},
          separator,
          {"bankMenu", "&Bank", ctrl(Qt::Key_B)},
          separator,
          {"repairShieldMenu", "Repair &Shield", ctrl(Qt::Key_R)},
          {"buyCargoModulesMenu", "Buy &Cargo Modules", ctrl(Qt::Key_C)},
          {"buyFuelMenu", "Buy &Fuel", ctrl(Qt::Key_F)},
          separator,
          {"buyNewShipMenu", "Buy New Shi&p", ctrl(Qt::Key_P)}});
    fill("dataBankMenu", "&Data Bank",
         {{"instructionsMenu", "&Instructions", {}},
          {"sdSearchMenu", "&Supply/Demand Search", QKeySequence(Qt::Key_F2)},
          {"normalGoodsPricesMenu", "&Normal Goods Prices", {}},
          separator,
          {"anoutMenu", "&About Zenthari Trader", {}}});
    fill("soundMenu", "&Sound", {{"soundOnMenu", "&On", {}}, {"soundOffMenu", "&Off", {}}});

    const auto action = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name));
    };
    connect(action("newGameMenu"), &QAction::triggered, this, &Main::startNewGame);
    connect(action("highScoresMenu"), &QAction::triggered, this, &Main::showHighScores);
    connect(action("exitMenu"), &QAction::triggered, this, &Main::close);
    goMenu_ = action("goMenu");
    connect(goMenu_, &QAction::triggered, this, &Main::goButton_Click);
    // The game has no cargo modules to sell.
    action("buyCargoModulesMenu")->setEnabled(false);

    // The check mark is the sound setting itself; On carries it at start.
    auto* sound = new QActionGroup(this);
    soundOnMenu_ = action("soundOnMenu");
    QAction* soundOffMenu = action("soundOffMenu");
    for (QAction* a : {soundOnMenu_, soundOffMenu}) {
        a->setCheckable(true);
        sound->addAction(a);
    }
    soundOnMenu_->setChecked(true);

    for (const CommandEntry& entry : kCommands)
        commands_[static_cast<std::size_t>(entry.command)].menu = action(entry.menu);
}

void Main::bindCommands() {
    const auto bind = [this](Command command, std::function<void()> run) {
        const CommandControls& controls = commands_[static_cast<std::size_t>(command)];
        if (controls.button) connect(controls.button, &QPushButton::clicked, this, run);
        connect(controls.menu, &QAction::triggered, this, run);
    };
    bind(Command::Trade, [this] { tradeButton_Click(); });
    bind(Command::BlackMarket, [this] { blackMarketButton_Click(); });
    bind(Command::Bank, [this] { bankButton_Click(); });
    bind(Command::BuyFuel, [this] { buyFuelButton_Click(); });
    bind(Command::RepairShield, [this] { repairShieldButton_Click(); });
    bind(Command::BuyNewShip, [this] { buyNewShipButton_Click(); });
    bind(Command::SdChart, [this] { sdChartButton_Click(); });
    bind(Command::SaveGame, [this] { saveGame(); });
    bind(Command::LoadGame, [this] { loadGame(); });
    bind(Command::Instructions, [this] { showInstructions(); });
    bind(Command::About, [this] { showAbout(); });
    bind(Command::NormalGoodsPrices, [this] { normalGoodsPrices(); });
    for (const CommandEntry& entry : kCommands)
        available_[static_cast<std::size_t>(entry.command)] = entry.ready;
}

void Main::setCommandAvailable(Command command, bool available) {
    available_[static_cast<std::size_t>(command)] = available;
    updateCommands();
}

void Main::updateCommands() {
    for (const CommandEntry& entry : kCommands) {
        const auto i = static_cast<std::size_t>(entry.command);
        const bool enabled = available_[i] && (!entry.needsGame || state_.inProgress());
        if (commands_[i].button) commands_[i].button->setEnabled(enabled);
        commands_[i].menu->setEnabled(enabled);
    }
}

void Main::setGoEnabled(bool enabled) {
    goButton_->setEnabled(enabled);
    goMenu_->setEnabled(enabled);
}

void Main::refreshStatus() {
    updateCommands();
    if (!state_.inProgress()) return;
    const int shown = flightDestination_ != 0 ? flightDestination_ : state_.currentGalaxy;
    const Galaxy& location = state_.galaxies[shown];
    locationLabel_->setText(text(location.name));
    locationSuppliesLabel_->setText(text(goodsListText(location.supplies, catalogue_)));
    locationDemandsLabel_->setText(text(goodsListText(location.demands, catalogue_)));
    cashLabel_->setText(text(formatMoney(state_.cash)));
    debtLabel_->setText(text(formatMoney(state_.debt)));
    const ShipSpec& ship = currentShip(state_, catalogue_);
    fuelLabel_->setText(text(gaugeText(state_.fuel, ship.fuelCapacity)));
    shieldsLabel_->setText(text(gaugeText(state_.shields, ship.shieldCapacity)));
    earthTimeLabel_->setText(text(state_.earthTime.text()));
}

void Main::showSelectionOf(int galaxy) {
    const Galaxy& g = state_.galaxies[galaxy];
    selectedLocationLabel_->setText(text(g.name));
    selectedSuppliesLabel_->setText(text(goodsListText(g.supplies, catalogue_)));
    selectedDemandsLabel_->setText(text(goodsListText(g.demands, catalogue_)));
}

void Main::clearRouteFigures() {
    fuelNeededLabel_->setText(QStringLiteral("0"));
    timeNeededLabel_->setText(QStringLiteral("0"));
    bridgeTollLabel_->setText(QStringLiteral("$0"));
    for (QLabel* figure : {fuelNeededLabel_, bridgeTollLabel_})
        setTextColour(figure, kYellow);
}

const QPixmap& Main::galaxyPicture(int galaxy) {
    QPixmap& picture = pictures_[static_cast<std::size_t>(galaxy - 1)];
    if (picture.isNull())
        picture =
            loadPicture(QDir(dataFolder_).filePath(QStringLiteral("Graphics/%1.jpg").arg(galaxy)));
    return picture;
}

void Main::rebuildMap() {
    for (int cell = 1; cell <= kCells; ++cell) {
        const auto i = static_cast<std::size_t>(cell - 1);
        const int g = state_.cellGalaxy[cell];
        if (g >= 1 && g <= kGalaxies) {
            mapImage_[i]->setPixmap(galaxyPicture(g));
            mapImage_[i]->show();
            mapImageLabel_[i]->setText(text(state_.galaxies[g].name));
            mapImageLabel_[i]->show();
        } else {
            mapImage_[i]->clear();
            mapImage_[i]->hide();
            mapImageLabel_[i]->clear();
            mapImageLabel_[i]->hide();
        }
    }
    showUsualOutlines();
}

void Main::showUsualOutlines() {
    for (Outline* box : mapOutline_)
        box->hide();
    if (!state_.inProgress()) return;
    Outline* here = mapOutline(state_.galaxies[state_.currentGalaxy].cell() - 1);
    here->setBorderColour(kRed);
    here->show();
    if (state_.selectedCell == kNoCell) return;
    Outline* picked = mapOutline(state_.selectedCell - 1);
    picked->setBorderColour(kWhite);
    picked->show();
}

StartNewGameForm& Main::startNewGameForm() {
    if (!startNewGameForm_) startNewGameForm_ = new StartNewGameForm(this);
    return *startNewGameForm_;
}

EndForm& Main::endForm() {
    if (!endForm_) endForm_ = new EndForm(decorations_, this);
    return *endForm_;
}

HighScoresForm& Main::highScoresForm() {
    if (!highScoresForm_) {
        highScoresForm_ = new HighScoresForm(this);
        highScoresForm_->showScores(highScores_);
    }
    return *highScoresForm_;
}

void Main::startNewGame() {
    flightDestination_ = 0;
    resetForNewGame(state_);
    refreshStatus();
    StartNewGameForm& form = startNewGameForm();
    form.exec(); // closing the window takes the option shown, like its button
    layOutNewGame(state_, catalogue_, rng_, form.gameLength());
    rebuildMap();
    showSelectionOf(state_.currentGalaxy);
    clearRouteFigures();
    setGoEnabled(false);
    refreshStatus();
}

void Main::mapImage_Click(int index) {
    // While a flight lands the map shows the ship at its destination already; nothing is
    // picked until it has arrived.
    if (flightDestination_ != 0) return;
    const int previous = state_.selectedCell;
    if (!selectDestination(state_, catalogue_, index + 1)) return;
    const auto i = static_cast<std::size_t>(index);
    const Galaxy& dest = state_.galaxies[galaxyInCell(state_, index + 1)];
    selectedLocationLabel_->setText(mapImageLabel_[i]->text());
    selectedSuppliesLabel_->setText(text(goodsListText(dest.supplies, catalogue_)));
    selectedDemandsLabel_->setText(text(goodsListText(dest.demands, catalogue_)));
    const int here = state_.galaxies[state_.currentGalaxy].cell();
    if (previous != kNoCell && previous != here)
        mapOutline_[static_cast<std::size_t>(previous - 1)]->hide();
    mapOutline_[i]->setBorderColour(kWhite);
    mapOutline_[i]->show();

    const Route& route = state_.route;
    fuelNeededLabel_->setText(QString::number(route.fuelNeeded));
    timeNeededLabel_->setText(text(route.timeNeeded.text()));
    bridgeTollLabel_->setText(QStringLiteral("$") + QString::number(route.toll));
    setTextColour(fuelNeededLabel_, hasFuelFor(state_, route) ? kYellow : kRed);
    setTextColour(bridgeTollLabel_, canPayToll(state_, route) ? kYellow : kRed);
    setGoEnabled(canDepart(state_));
}

void Main::routeRefresh() {
    mapImage_Click(state_.selectedCell - 1);
}

void Main::goButton_Click() {
    if (!goButton_->isEnabled()) return;
    FlightCalls calls(*this);
    fly(state_, catalogue_, rng_, calls);
    flightDestination_ = 0;
    setGoEnabled(canDepart(state_));
}

void Main::zoomTimer_Timer() {
    ++zoomTicks_;
    zoomGraphic_->setVisible(!zoomGraphic_->isVisible());
    if (zoomTicks_ > 3) {
        zoomTimer_->stop();
        zoomGraphic_->hide();
    }
}

void Main::endOfGame() {
    if (!HighScores::contains(state_.gameLength)) return;
    HighScoreList& list = highScores_[state_.gameLength];
    const std::int32_t worth = netWorth(state_);
    const std::optional<int> row = highScoreRow(list, worth);
    EndForm& form = endForm();
    form.showResult(worth, row.has_value());
    form.exec();
    if (row) {
        enterHighScore(list, *row, form.playerName().toStdString(), worth);
        const std::string& path = folders_.highScoresFile;
        const bool folderReady = makeFolder(std::filesystem::path(path).parent_path().string());
        if (!folderReady || !keepDamagedHighScoresOnce(path) || !writeHighScores(path, highScores_))
            showMessage(this, QStringLiteral("The high score list could not be saved to %1. The "
                                             "list saved before is kept.")
                                  .arg(QFile::decodeName(path.c_str())));
        if (highScoresForm_) highScoresForm_->showScores(highScores_);
    }
    if (form.choice() == EndForm::Choice::Exit) {
        close();
        return;
    }
    showHighScores();
    startNewGame();
}

void Main::showHighScores() {
    highScoresForm().exec();
}

void Main::playSound(const QString& fileName) {
    soundControl_->close();
    if (soundOnMenu_->isChecked()) soundControl_->play(fileName);
}

void Main::closeEvent(QCloseEvent* event) {
    for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (window->isWindow()) window->close();
    zoomTimer_->stop();
    soundControl_->close();
    event->accept();
}

// The events of a flight: each plays its sound and waits for the player's answer.
void Main::naturalHazardAlert() {
    eventWindow<NaturalHazardForm>(*this).alert();
}

void Main::spacePiratesAlert() {
    eventWindow<SpacePiratesForm>(*this).alert();
}

void Main::irsAlert() {
    eventWindow<IrsForm>(*this).alert();
}

// The commands of the windows still to come.
void Main::tradeButton_Click() {
    TradeForm::open(*this, MarketKind::tradingPost);
}

void Main::blackMarketButton_Click() {
    TradeForm::open(*this, MarketKind::blackMarket);
}

void Main::bankButton_Click() {
    BankForm::open(*this);
}

void Main::buyFuelButton_Click() {
    ShopForm::open(*this, kBuyFuelForm);
}

void Main::repairShieldButton_Click() {
    ShopForm::open(*this, kRepairShieldForm);
}

void Main::buyNewShipButton_Click() {
    BuyNewShipForm::open(*this);
}

void Main::sdChartButton_Click() {
    SdSearchForm::open(*this);
}

void Main::saveGame() {
    if (!state_.inProgress()) return;
    const QString file = chooseSavedGame(GameFileDialogKind::Save);
    if (file.isEmpty()) return;
    if (saveGameFile(state_, QFile::encodeName(file).toStdString())) return;
    beep();
    showMessage(this, QString::fromLatin1(kCannotWriteMessage));
}

bool Main::loadGame() {
    const QString file = chooseSavedGame(GameFileDialogKind::Open);
    if (file.isEmpty()) return false;
    // The file is read and checked whole before it replaces the game in play.
    if (!loadGameFile(state_, catalogue_, QFile::encodeName(file).toStdString()).loaded) {
        beep();
        showMessage(this, QString::fromLatin1(kDamagedFileMessage));
        return false;
    }
    flightDestination_ = 0;
    rebuildMap();
    for (QLabel* label : {selectedLocationLabel_, selectedSuppliesLabel_, selectedDemandsLabel_,
                          fuelNeededLabel_, timeNeededLabel_, bridgeTollLabel_})
        label->clear();
    for (QLabel* figure : {fuelNeededLabel_, bridgeTollLabel_})
        setTextColour(figure, kYellow);
    setGoEnabled(false);
    refreshStatus();
    return true;
}

QString Main::chooseSavedGame(GameFileDialogKind kind) {
    // The game's own saves folder is made when first needed; one the player chose is not.
    if (QFile::encodeName(savedGamesFolder_).toStdString() == folders_.savesFolder)
        makeFolder(folders_.savesFolder);
    const QString file = chooseGameFile(this, savedGamesFolder_, kind);
    if (const QFileInfo chosen(file); !file.isEmpty() && chosen.absoluteDir().exists())
        savedGamesFolder_ = chosen.absolutePath();
    return file;
}

StartupForm& Main::startupForm() {
    if (!startupForm_) {
        startupForm_ = new StartupForm(
            QDir(dataFolder_).filePath(QStringLiteral("Graphics/startup.jpg")), this);
        connect(startupForm_, &StartupForm::startNewGameChosen, this, [this] {
            startupForm_->hide();
            startNewGame();
        });
        connect(startupForm_, &StartupForm::loadSavedGameChosen, this, [this] {
            if (loadGame()) startupForm_->hide();
        });
        connect(startupForm_, &StartupForm::instructionsChosen, this, &Main::showInstructions);
    }
    return *startupForm_;
}

void Main::showStartupForm() {
    tellOfDamagedHighScores();
    startupForm().show();
}

// A damaged high score file: the player hears of it once, before the greeting, and the file
// is kept beside the list before the list first replaces it.
void Main::tellOfDamagedHighScores() {
    if (!highScoresDamaged_ || damageTold_) return;
    damageTold_ = true;
    const QString path =
        QDir::toNativeSeparators(QFile::decodeName(folders_.highScoresToRead().c_str()));
    showMessage(this, QStringLiteral("The high score file %1 is damaged. The scores that could be "
                                     "read are kept; the damaged file will be kept as %1%2 when "
                                     "the list is next saved.")
                          .arg(path, QLatin1String(kDamagedCopySuffix)));
}

bool Main::keepDamagedHighScoresOnce(const std::string& path) {
    if (!highScoresDamaged_) return true;
    if (!keepDamagedHighScores(path)) return false;
    highScoresDamaged_ = false;
    return true;
}

void Main::showInstructions() {
    if (!instructionsForm_) instructionsForm_ = new InstructionsForm(catalogue_, this);
    instructionsForm_->exec();
}

void Main::showAbout() {
    if (!aboutForm_)
        aboutForm_ =
            new AboutForm(QDir(dataFolder_).filePath(QStringLiteral("Graphics/about.jpg")), this);
    aboutForm_->exec();
}

void Main::normalGoodsPrices() {
    NormalGoodsPricesForm::open(*this);
}

} // namespace zt
