#pragma once
#include <string>

namespace zt {

// The game's own folder inside a data folder: <prefix>/share/zenthari-trader for what is
// installed, $XDG_DATA_HOME/zenthari-trader for the player's files.
inline constexpr const char* kGameFolderName = "zenthari-trader";

// Where an installed program finds its data, relative to its own folder (for the usual
// layout, from <prefix>/bin or <prefix>/games to <prefix>/share/zenthari-trader).
extern const char* const kInstalledDataFromProgram;

// What the folder decision reads from the environment: the player's home and
// $XDG_DATA_HOME, each empty when unset.
struct UserEnvironment {
    std::string home;
    std::string xdgDataHome;

    // This process's environment; a missing HOME is taken from the password database.
    static UserEnvironment ofThisProcess();
};

// Where the game's files live, decided once at start-up and passed down to the windows.
struct GameFolders {
    // False beside the program (the build tree, an unpacked copy), true when installed.
    bool installed = false;
    // The strings table, Graphics/, Sounds/: read only.
    std::string dataFolder;
    // The high score file the game writes.
    std::string highScoresFile;
    // The high score file that came with the game, read until the player's own exists.
    std::string shippedHighScores;
    // Where the save and open dialogs start the first time in a run.
    std::string savesFolder;

    // The high score file to read at start-up: the player's own once it exists.
    std::string highScoresToRead() const;

    // Everything beside the program in `folder`, the high scores and saved games included.
    static GameFolders besideProgram(const std::string& folder);
};

// Decides where the files of the program in `programFolder` live. Beside the program when
// its strings table is there; installed when it is at `installedData` (relative to the
// program's folder) instead. The player's files stay beside the program only while the game
// may write there; otherwise they go to $XDG_DATA_HOME/zenthari-trader (by default
// ~/.local/share/zenthari-trader), saved games in its saves/ folder.
GameFolders decideGameFolders(const std::string& programFolder, const std::string& installedData,
                              const UserEnvironment& environment);

// Creates `folder` and the missing folders above it, private to the player; true when it is
// a folder afterwards.
bool makeFolder(const std::string& folder);

} // namespace zt
