#include "ui/Main.h"

#include "storage/high_scores.h"
#include "storage/saved_game.h"
#include "ui/GameSession.h"
#include "ui/MapView.h"
#include "ui/RoutePanel.h"
#include "ui/StatusPanel.h"
#include "ui/aboutForm.h"
#include "ui/accessibility.h"
#include "ui/bankForm.h"
#include "ui/buyNewShipForm.h"
#include "ui/endForm.h"
#include "ui/gameFileDialog.h"
#include "ui/highScoresForm.h"
#include "ui/instructionsForm.h"
#include "ui/irsForm.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "ui/naturalHazardForm.h"
#include "ui/normalGoodsPricesForm.h"
#include "ui/panel_parts.h"
#include "ui/sdSearchForm.h"
#include "ui/shopForm.h"
#include "ui/spacePiratesForm.h"
#include "ui/startNewGameForm.h"
#include "ui/startupForm.h"
#include "ui/tradeForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include <functional>

namespace zt {

namespace {

const char* const kTrendsShift = "CONSUMER TRENDS SHIFT!! ALL GALAXIES SUPPLIES/DEMANDS CHANGE!";

} // namespace

Main::Main(const GameFolders& folders, RandomSource& rng, QWidget* parent)
    : QMainWindow(parent), session_(new GameSession(folders, rng, this)),
      savedGamesFolder_(QFile::decodeName(folders.savesFolder.c_str())) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Zenthari Trader"));
    applySpaceLook(this);
    installAccessibleInterfaces();
    buildMenus();

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(8, 4, 8, 8);
    columns->setSpacing(10);
    map_ = new MapView(*session_, central);
    columns->addWidget(map_, 1); // the map takes what the window gains
    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    route_ = new RoutePanel(*session_, findChild<QAction*>(QStringLiteral("goMenu")), central);
    status_ = new StatusPanel(*session_, central);
    side->addWidget(route_);
    side->addWidget(status_);
    side->addWidget(buildActionsPanel());
    side->addStretch();
    columns->addLayout(side);
    setCentralWidget(central);

    bindCommands();
    updateCommands();

    GameSession& s = *session_;
    connect(&s, &GameSession::statusChanged, this, &Main::updateCommands);
    connect(&s, &GameSession::trendsShifted, this,
            [this] { showMessage(this, QString::fromLatin1(kTrendsShift)); });
    connect(&s, &GameSession::naturalHazardMet, this,
            [this] { eventWindow<NaturalHazardForm>(*session_, *this).alert(); });
    connect(&s, &GameSession::spacePiratesMet, this,
            [this] { eventWindow<SpacePiratesForm>(*session_, *this).alert(); });
    connect(&s, &GameSession::irsMet, this,
            [this] { eventWindow<IrsForm>(*session_, *this).alert(); });
    connect(&s, &GameSession::gameOver, this, &Main::endOfGame);
}

Main::~Main() = default;

QWidget* Main::buildActionsPanel() {
    QGroupBox* box = panelFrame("Frame4", "Actions", nullptr);
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"tradeButton", "Trade"},
                   {"blackMarketButton", "Black Market"},
                   {"bankButton", "Bank"},
                   {"buyFuelButton", "Buy Fuel"},
                   {"repairShieldButton", "Repair Shield"},
                   {"buyNewShipButton", "Buy New Ship"}};
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const auto& b : buttons) {
        grid->addWidget(panelButton(b.name, b.caption, box), i / 3, i % 3);
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
    // The game has no cargo modules to sell.
    findChild<QAction*>(QStringLiteral("buyCargoModulesMenu"))->setEnabled(false);
}

void Main::bindCommands() {
    const auto action = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name));
    };
    const auto bind = [this, action](const char* button, const char* menu, bool needsGame,
                                     std::function<void()> run) {
        auto* b = button ? findChild<QPushButton*>(QString::fromLatin1(button)) : nullptr;
        QAction* m = action(menu);
        if (b) connect(b, &QPushButton::clicked, this, run);
        connect(m, &QAction::triggered, this, run);
        if (needsGame) gameCommands_.push_back({b, m});
    };
    GameSession& s = *session_;
    bind("tradeButton", "tradeMenu", true,
         [this, &s] { TradeForm::open(s, *this, MarketKind::tradingPost); });
    bind("blackMarketButton", "blackMarketMenu", true,
         [this, &s] { TradeForm::open(s, *this, MarketKind::blackMarket); });
    bind("bankButton", "bankMenu", true, [this, &s] { BankForm::open(s, *this); });
    bind("buyFuelButton", "buyFuelMenu", true,
         [this, &s] { ShopForm::open(s, *this, kBuyFuelForm); });
    bind("repairShieldButton", "repairShieldMenu", true,
         [this, &s] { ShopForm::open(s, *this, kRepairShieldForm); });
    bind("buyNewShipButton", "buyNewShipMenu", true,
         [this, &s] { BuyNewShipForm::open(s, *this); });
    bind("sdChartButton", "sdSearchMenu", true, [this, &s] { SdSearchForm::open(s, *this); });
    bind(nullptr, "saveGameMenu", true, [this] { saveGame(); });
    bind(nullptr, "openGameMenu", false, [this] { loadGame(); });
    bind(nullptr, "instructionsMenu", false, [this] { showInstructions(); });
    bind(nullptr, "anoutMenu", false, [this] { showAbout(); });
    bind(nullptr, "normalGoodsPricesMenu", false,
         [this, &s] { NormalGoodsPricesForm::open(s, *this); });
    connect(action("newGameMenu"), &QAction::triggered, this, &Main::startNewGame);
    connect(action("highScoresMenu"), &QAction::triggered, this, &Main::showHighScores);
    connect(action("exitMenu"), &QAction::triggered, this, &Main::close);

    // Two checkable entries, one checked: the check mark shows which setting is on.
    QAction* on = action("soundOnMenu");
    QAction* off = action("soundOffMenu");
    for (QAction* a : {on, off})
        a->setCheckable(true);
    on->setChecked(true);
    const auto choose = [this, on, off](bool soundOn) {
        on->setChecked(soundOn);
        off->setChecked(!soundOn);
        session_->setSoundOn(soundOn);
    };
    connect(on, &QAction::triggered, this, [choose] { choose(true); });
    connect(off, &QAction::triggered, this, [choose] { choose(false); });
}

void Main::updateCommands() {
    const bool inProgress = session_->state().inProgress();
    for (const GameCommand& command : gameCommands_) {
        if (command.button) command.button->setEnabled(inProgress);
        command.menu->setEnabled(inProgress);
    }
}

void Main::startNewGame() {
    session_->resetForNewGame();
    if (!startNewGameForm_) startNewGameForm_ = new StartNewGameForm(this);
    startNewGameForm_->exec(); // closing the window takes the option shown, like its button
    session_->startGame(startNewGameForm_->gameLength());
}

void Main::endOfGame() {
    if (!endForm_) endForm_ = new EndForm(*session_, decorations_, this);
    const std::optional<EndForm::Choice> choice = endForm_->finishGame();
    if (!choice) return;
    if (*choice == EndForm::Choice::Exit) {
        close();
        return;
    }
    showHighScores();
    startNewGame();
}

HighScoresForm& Main::highScoresForm() {
    if (!highScoresForm_) {
        highScoresForm_ = new HighScoresForm(this);
        highScoresForm_->showScores(session_->highScores());
        connect(session_, &GameSession::highScoresChanged, highScoresForm_,
                [this] { highScoresForm_->showScores(session_->highScores()); });
    }
    return *highScoresForm_;
}

void Main::showHighScores() {
    highScoresForm().exec();
}

void Main::closeEvent(QCloseEvent* event) {
    // Windows that refuse Escape and the close box are hidden all the same.
    for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (window->isWindow()) {
            window->close();
            window->hide();
        }
    map_->stopFlash();
    session_->stopSound();
    event->accept();
}

void Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (sized_) return;
    sized_ = true;
    const QRect room = screen()->availableGeometry();
    // The frame is known once the window manager has framed the window; until then room is
    // kept for a desktop's usual title bar.
    constexpr int kUsualTitleBar = 32;
    QSize frame = frameGeometry().size() - size();
    if (frame.height() < kUsualTitleBar) frame.rheight() += kUsualTitleBar;
    resize(sizeHint().boundedTo(room.size() - frame).expandedTo(minimumSizeHint()));
    if (!room.contains(frameGeometry())) move(room.topLeft());
}

void Main::saveGame() {
    if (!session_->state().inProgress()) return;
    const QString file = chooseSavedGame(GameFileDialogKind::Save);
    if (file.isEmpty()) return;
    if (session_->saveGame(QFile::encodeName(file).toStdString())) return;
    beep();
    showMessage(this, QString::fromLatin1(kCannotWriteMessage));
}

bool Main::loadGame() {
    const QString file = chooseSavedGame(GameFileDialogKind::Open);
    if (file.isEmpty()) return false;
    if (!session_->loadGame(QFile::encodeName(file).toStdString())) {
        beep();
        showMessage(this, QString::fromLatin1(kDamagedFileMessage));
        return false;
    }
    return true;
}

QString Main::chooseSavedGame(GameFileDialogKind kind) {
    // The game's own saves folder is made when first needed; one the player chose is not.
    const std::string& ownFolder = session_->folders().savesFolder;
    if (QFile::encodeName(savedGamesFolder_).toStdString() == ownFolder) makeFolder(ownFolder);
    const QString file = chooseGameFile(this, savedGamesFolder_, kind);
    if (const QFileInfo chosen(file); !file.isEmpty() && chosen.absoluteDir().exists())
        savedGamesFolder_ = chosen.absolutePath();
    return file;
}

StartupForm& Main::startupForm() {
    if (!startupForm_) {
        startupForm_ = new StartupForm(
            QDir(session_->dataFolder()).filePath(QStringLiteral("Graphics/startup.jpg")), this);
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
    if (!session_->highScoresDamaged() || damageTold_) return;
    damageTold_ = true;
    const QString path =
        QDir::toNativeSeparators(QFile::decodeName(session_->folders().highScoresToRead().c_str()));
    showMessage(this, QStringLiteral("The high score file %1 is damaged. The scores that could be "
                                     "read are kept; the damaged file will be kept as %1%2 when "
                                     "the list is next saved.")
                          .arg(path, QLatin1String(kDamagedCopySuffix)));
}

void Main::showInstructions() {
    if (!instructionsForm_) instructionsForm_ = new InstructionsForm(session_->catalogue(), this);
    instructionsForm_->exec();
}

void Main::showAbout() {
    if (!aboutForm_)
        aboutForm_ = new AboutForm(
            QDir(session_->dataFolder()).filePath(QStringLiteral("Graphics/about.jpg")), this);
    aboutForm_->exec();
}

} // namespace zt
