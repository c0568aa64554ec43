#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "market/search.h"
#include "storage/game_folders.h"
#include "storage/high_scores.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

namespace zt {

class SoundPlayer;

// One game in play: the state, the catalogue, the random source, the high score lists and
// the folders the game's files live in. Windows read the state, run the rules through the
// commands below and redraw from the signals, which come in the order the player sees
// things happen.
class GameSession : public QObject {
    Q_OBJECT
  public:
    // Reads "Winners.txt" and the strings table from where `folders` say (throws
    // CatalogueError when the table cannot be used). Every draw of the game comes from
    // `rng`, which the caller has seeded.
    GameSession(const GameFolders& folders, RandomSource& rng, QObject* parent);

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    const Catalogue& catalogue() const { return catalogue_; }
    RandomSource& rng() { return rng_; }
    const GameFolders& folders() const { return folders_; }
    // The folder of the strings table, Graphics/ and Sounds/.
    QString dataFolder() const { return dataFolder_; }
    const HighScores& highScores() const { return highScores_; }
    // The high score file read at start-up was damaged and has not been kept beside the list
    // yet.
    bool highScoresDamaged() const { return highScoresDamaged_; }

    // The galaxy the status display and the map show as where the ship is: the destination
    // while a flight lands there, otherwise the current galaxy.
    int shownGalaxy() const;
    // While a flight lands nothing can be picked on the map.
    bool landing() const { return flightDestination_ != 0; }

    // The first half of a new game: the state goes back to its opening values while the
    // game length is asked.
    void resetForNewGame();
    // The second half: the galaxies are laid out and dealt for a game of `gameLength`.
    void startGame(int gameLength);
    // Map cell `cell` (1..42) picked as the destination; nothing happens while a flight
    // lands or when the cell is not one that can be picked.
    void pickDestination(int cell);
    // A rule changed the player's cash, cargo, fuel, shields or ship: the status follows,
    // and so do the route figures of the destination picked.
    void holdingsChanged();
    // An event's rule changed the state during a flight: the status follows.
    void eventDecided();
    // One press of GO.
    void fly();
    // A saved game replaces the one in play; false (nothing changed) when the file cannot
    // be used.
    bool loadGame(const std::string& path);
    bool saveGame(const std::string& path) const;

    // The search's galaxies drawn on the map, and the usual boxes back afterwards.
    void showSearch(const GoodSearch& found);
    void endSearch();

    // The game's end: the net worth and the high score row earned; nothing when the game
    // has no list of its length.
    std::optional<FinalScore> finalScore() const;
    // Enters the player's name at the row earned and writes the lists; false when the file
    // could not be written (the lists in play still hold the new row).
    bool enterFinalScore(const FinalScore& score, const std::string& name);

    // The sound setting of the Sound menu, and the wave player every sound goes through.
    void setSoundOn(bool on) { soundOn_ = on; }
    // Plays a wave file of the Sounds folder if the sound is on; a sound still playing
    // stops first in every case.
    void playSound(const QString& fileName);
    void stopSound();

  signals:
    // Location, supplies, demands, cash, debt, fuel, shields, Earth time, and whether a
    // game is in progress.
    void statusChanged();
    // The galaxies moved on the map (a new or a loaded game): the map is redrawn.
    void layoutChanged();
    // A new game was laid out: the current galaxy is the selection.
    void gameStarted();
    // A saved game replaced the one in play: nothing is selected.
    void gameLoaded();
    // A destination was picked (or its route figures worked out again); `previousCell` had
    // the selection before.
    void destinationPicked(int previousCell);
    // The flight's steps, in its order.
    void mapFlashStarted();
    void trendsShifted();
    void departed(int from, int to);
    void arrived(int to);
    void naturalHazardMet();
    void spacePiratesMet();
    void irsMet();
    void flightOver();
    // GO was pressed after the end year.
    void gameOver();
    // The search's galaxies, and its end.
    void searchShown(const GoodSearch& found);
    void searchEnded();
    // The high score lists changed.
    void highScoresChanged();

  private:
    class Flight;

    // A damaged high score file is kept beside the list before the list first replaces it.
    bool keepDamagedHighScoresOnce(const std::string& path);

    GameFolders folders_;
    QString dataFolder_;
    RandomSource& rng_;
    Catalogue catalogue_;
    GameState state_;
    HighScores highScores_;
    bool highScoresDamaged_ = false; // until the damaged file is kept beside the list
    int flightDestination_ = 0;      // the galaxy shown as the location while a flight lands
    bool soundOn_ = true;
    SoundPlayer* sound_;
};

} // namespace zt
