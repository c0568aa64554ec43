#pragma once
#include "core/random.h"
#include "storage/game_folders.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QWidget;

namespace zt {

enum class GameFileDialogKind;
class AboutForm;
class EndForm;
class GameSession;
class HighScoresForm;
class InstructionsForm;
class MapView;
class RoutePanel;
class StartNewGameForm;
class StartupForm;
class StatusPanel;

// The game's main window: the map, the route panel, the status panel, the actions and the
// menus, wired to the game session. It opens every other window.
class Main : public QMainWindow {
    Q_OBJECT
  public:
    // Opens the window as the game starts: reads "Winners.txt" and the strings table from
    // where `folders` say (throws CatalogueError when the table cannot be used). Every draw of
    // the game comes from `rng`, which the caller has seeded.
    Main(const GameFolders& folders, RandomSource& rng, QWidget* parent = nullptr);
    ~Main() override;

    GameSession& session() { return *session_; }
    const GameSession& session() const { return *session_; }

    // Shows the greeting with its new game, saved game and instructions buttons beside the
    // main window, without waiting for it; the program does so once the window is up. A
    // damaged high score file is reported first, once.
    void showStartupForm();

    // File › New Game: asks the game length and starts a new game at once.
    void startNewGame();

  protected:
    // Closing the window closes every other window and the sound; the program then ends.
    void closeEvent(QCloseEvent* event) override;
    // The window opens at its usual size, or shrunk to fit a smaller screen.
    void showEvent(QShowEvent* event) override;

  private:
    // A command that needs a game in progress: its button (if any) and menu entry.
    struct GameCommand {
        QWidget* button;
        QAction* menu;
    };

    QWidget* buildActionsPanel();
    void buildMenus();
    void bindCommands();
    void updateCommands();
    void endOfGame();
    void tellOfDamagedHighScores();
    void showHighScores();
    void saveGame();
    // Loads a saved game; true when a game was loaded.
    bool loadGame();
    void showInstructions();
    void showAbout();
    // Asks for a saved game's file, starting where the last one was chosen in this run.
    QString chooseSavedGame(GameFileDialogKind kind);
    HighScoresForm& highScoresForm();
    StartupForm& startupForm();

    GameSession* session_;
    ClockRandom decorations_;  // draws of the end window's colour cycling
    QString savedGamesFolder_; // where the file dialog opens next
    MapView* map_ = nullptr;
    RoutePanel* route_ = nullptr;
    StatusPanel* status_ = nullptr;
    bool damageTold_ = false;
    bool sized_ = false; // the first showing has fitted the window to its screen
    std::vector<GameCommand> gameCommands_;

    StartNewGameForm* startNewGameForm_ = nullptr;
    EndForm* endForm_ = nullptr;
    HighScoresForm* highScoresForm_ = nullptr;
    StartupForm* startupForm_ = nullptr;
    InstructionsForm* instructionsForm_ = nullptr;
    AboutForm* aboutForm_ = nullptr;
};

} // namespace zt
