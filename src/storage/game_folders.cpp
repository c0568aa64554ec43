#include "storage/game_folders.h"

#include "core/catalogue.h"
#include "storage/high_scores.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#ifndef ZT_INSTALLED_DATA
#define ZT_INSTALLED_DATA "../share/zenthari-trader"
#endif

namespace zt {

const char* const kInstalledDataFromProgram = ZT_INSTALLED_DATA;

namespace fs = std::filesystem;

namespace {

std::string join(const std::string& folder, const char* name) {
    return (fs::path(folder) / name).string();
}

bool exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// Whether this player may keep the high score file in `folder`: the folder takes new files
// (the file is replaced through a new one beside it) and a file already there is writable.
bool playerMayWriteIn(const std::string& folder) {
    const std::string file = join(folder, kHighScoresFileName);
    return ::access(folder.c_str(), W_OK | X_OK) == 0 &&
           (!exists(file) || ::access(file.c_str(), W_OK) == 0);
}

// $XDG_DATA_HOME when it is set to an absolute path (a relative one is to be ignored),
// otherwise ~/.local/share.
std::string userDataFolder(const UserEnvironment& env) {
    if (fs::path(env.xdgDataHome).is_absolute()) return env.xdgDataHome;
    if (env.home.empty()) return {};
    return (fs::path(env.home) / ".local" / "share").string();
}

} // namespace

UserEnvironment UserEnvironment::ofThisProcess() {
    UserEnvironment env;
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) env.xdgDataHome = xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        env.home = home;
    else if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        env.home = entry->pw_dir;
    return env;
}

std::string GameFolders::highScoresToRead() const {
    return exists(highScoresFile) ? highScoresFile : shippedHighScores;
}

GameFolders GameFolders::besideProgram(const std::string& folder) {
    const std::string highScores = join(folder, kHighScoresFileName);
    return {false, folder, highScores, highScores, folder};
}

GameFolders decideGameFolders(const std::string& programFolder, const std::string& installedData,
                              const UserEnvironment& environment) {
    const std::string installedFolder =
        (fs::path(programFolder) / installedData).lexically_normal().string();
    const bool installed = !exists(join(programFolder, kStringsFileName)) &&
                           exists(join(installedFolder, kStringsFileName));
    GameFolders folders = GameFolders::besideProgram(installed ? installedFolder : programFolder);
    folders.installed = installed;
    if (!installed && playerMayWriteIn(programFolder)) return folders;

    // The player's files go to the user's data folder. With no home at all there is nowhere
    // to keep them: the paths stay empty and every write meets the game's message.
    folders.highScoresFile.clear();
    folders.savesFolder.clear();
    if (const std::string own = userDataFolder(environment); !own.empty()) {
        const fs::path mine = fs::path(own) / kGameFolderName;
        folders.highScoresFile = (mine / kHighScoresFileName).string();
        folders.savesFolder = (mine / "saves").string();
    }
    return folders;
}

bool makeFolder(const std::string& folder) {
    if (folder.empty()) return false;
    std::error_code error;
    fs::path made;
    for (const fs::path& part : fs::path(folder)) {
        made /= part;
        if (fs::is_directory(made, error)) continue;
        if (::mkdir(made.c_str(), 0700) != 0 && !fs::is_directory(made, error)) return false;
    }
    return fs::is_directory(folder, error);
}

} // namespace zt
