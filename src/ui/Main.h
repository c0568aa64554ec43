#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "storage/game_folders.h"
#include "storage/high_scores.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class QAction;
class QLabel;
class QPushButton;
class QTimer;

namespace zt {

enum class GameFileDialogKind;
class AboutForm;
class EndForm;
class HighScoresForm;
class InstructionsForm;
class MapPicture;
class Outline;
class SoundPlayer;
class StartNewGameForm;
class StartupForm;

// The game's main window: the map, the route panel, the status panel and the menus. It
// owns the game state and opens every other window; those windows change the state through
// the rules and then ask this window to redraw (refreshStatus, routeRefresh).
class Main : public QMainWindow {
    Q_OBJECT
  public:
    // The commands whose windows other parts of the game provide. Each is bound to its
    // button and menu entry and stays disabled until its window is marked ready.
    enum class Command {
        Trade,
        BlackMarket,
        Bank,
        BuyFuel,
        RepairShield,
        BuyNewShip,
        SdChart,
        SaveGame,
        LoadGame,
        Instructions,
        About,
        NormalGoodsPrices,
    };
    static constexpr int kCommandCount = static_cast<int>(Command::NormalGoodsPrices) + 1;

    // Opens the window as the game starts: reads "Winners.txt" and the strings table from
    // where `folders` say (throws CatalogueError when the table cannot be used). Every draw of
    // the game comes from `rng`, which the caller has seeded.
    Main(const GameFolders& folders, RandomSource& rng, QWidget* parent = nullptr);
    ~Main() override;

    GameState& state() { return state_; }
    const Catalogue& catalogue() const { return catalogue_; }
    RandomSource& rng() { return rng_; }
    // The folder of the strings table, Graphics/ and Sounds/.
    QString dataFolder() const { return dataFolder_; }
    const HighScores& highScores() const { return highScores_; }

    // Rewrites every status label from the state: location with its supplies and demands,
    // cash, debt, fuel, shields and Earth time; and enables the commands that need a game.
    // Before the first game the opening captions stay.
    void refreshStatus();

    // Works the route panel out again for the destination picked (after a change of cash,
    // fuel or ship); does nothing while no destination is picked.
    void routeRefresh();

    // Redraws the map from the state: pictures and names from cellGalaxy, then the usual
    // boxes (red on the current galaxy, white on a picked destination).
    void rebuildMap();

    // Plays a wave file of the Sounds folder if the sound is on; a sound still playing
    // stops first in every case.
    void playSound(const QString& fileName);

    // The box around map cell index + 1 (0..41), for windows that mark galaxies on the map.
    Outline* mapOutline(int index) const { return mapOutline_[static_cast<std::size_t>(index)]; }

    // The map's usual boxes: red around the current galaxy, white around the destination
    // picked, every other one hidden.
    void showUsualOutlines();

    // Shows the greeting with its new game, saved game and instructions buttons beside the
    // main window, without waiting for it; the program does so once the window is up. A
    // damaged high score file is reported first, once.
    void showStartupForm();

    // Turns GO and its menu entry on or off together.
    void setGoEnabled(bool enabled);

    // Marks a command's window as ready (or not); commands that need a game still wait
    // for one.
    void setCommandAvailable(Command command, bool available);

    // The events that may meet a flight, called by it in this order after the ship has
    // arrived on the status display; each returns when its event is over.
    void naturalHazardAlert();
    void spacePiratesAlert();
    void irsAlert();

  public slots:
    // File › New Game: asks the game length and starts a new game at once.
    void startNewGame();
    // A click on map cell Index + 1; −2 (no destination) does nothing.
    void mapImage_Click(int index);
    // GO: one flight to the destination picked.
    void goButton_Click();
    // One tick of the red flash around the map.
    void zoomTimer_Timer();
    // File › High Scores.
    void showHighScores();

    // The commands whose windows come later, each bound to its button and menu entry and
    // empty until then.
    void tradeButton_Click();
    void blackMarketButton_Click();
    void bankButton_Click();
    void buyFuelButton_Click();
    void repairShieldButton_Click();
    void buyNewShipButton_Click();
    void sdChartButton_Click();
    void saveGame();
    // Loads a saved game; true when a game was loaded.
    bool loadGame();
    void showInstructions();
    void showAbout();
    void normalGoodsPrices();

  protected:
    // Closing the window closes every other window and the sound; the program then ends.
    void closeEvent(QCloseEvent* event) override;

  private:
    class FlightCalls;
    struct CommandControls {
        QPushButton* button = nullptr;
        QAction* menu = nullptr;
    };

    void buildMap(QWidget* parent);
    QWidget* buildRoutePanel();
    QWidget* buildStatusPanel();
    QWidget* buildActionsPanel();
    void buildMenus();
    void bindCommands();
    void updateCommands();
    void showSelectionOf(int galaxy);
    void clearRouteFigures();
    void endOfGame();
    const QPixmap& galaxyPicture(int galaxy);
    void tellOfDamagedHighScores();
    bool keepDamagedHighScoresOnce(const std::string& path);
    StartNewGameForm& startNewGameForm();
    EndForm& endForm();
    HighScoresForm& highScoresForm();
    StartupForm& startupForm();

    // Asks for a saved game's file, starting where the last one was chosen in this run.
    QString chooseSavedGame(GameFileDialogKind kind);

    GameFolders folders_;
    QString dataFolder_;
    QString savedGamesFolder_; // where the file dialog opens next
    RandomSource& rng_;
    ClockRandom decorations_; // draws of the end window's colour cycling
    Catalogue catalogue_;
    GameState state_;
    HighScores highScores_;
    bool highScoresDamaged_ = false; // until the damaged file is kept beside the list
    bool damageTold_ = false;
    int flightDestination_ = 0; // the galaxy shown as the location while a flight lands
    int zoomTicks_ = 0;

    std::array<MapPicture*, kCells> mapImage_{};
    std::array<QLabel*, kCells> mapImageLabel_{};
    std::array<Outline*, kCells> mapOutline_{};
    std::array<QPixmap, kGalaxies> pictures_;
    Outline* zoomGraphic_ = nullptr;
    QTimer* zoomTimer_ = nullptr;

    QLabel* selectedLocationLabel_ = nullptr;
    QLabel* selectedSuppliesLabel_ = nullptr;
    QLabel* selectedDemandsLabel_ = nullptr;
    QLabel* fuelNeededLabel_ = nullptr;
    QLabel* timeNeededLabel_ = nullptr;
    QLabel* bridgeTollLabel_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QAction* goMenu_ = nullptr;

    QLabel* locationLabel_ = nullptr;
    QLabel* locationSuppliesLabel_ = nullptr;
    QLabel* locationDemandsLabel_ = nullptr;
    QLabel* cashLabel_ = nullptr;
    QLabel* debtLabel_ = nullptr;
    QLabel* earthTimeLabel_ = nullptr;
    QLabel* fuelLabel_ = nullptr;
    QLabel* shieldsLabel_ = nullptr;

    QAction* soundOnMenu_ = nullptr;
    SoundPlayer* soundControl_ = nullptr;

    std::array<CommandControls, kCommandCount> commands_{};
    std::array<bool, kCommandCount> available_{};

    StartNewGameForm* startNewGameForm_ = nullptr;
    EndForm* endForm_ = nullptr;
    HighScoresForm* highScoresForm_ = nullptr;
    StartupForm* startupForm_ = nullptr;
    InstructionsForm* instructionsForm_ = nullptr;
    AboutForm* aboutForm_ = nullptr;
};

} // namespace zt
