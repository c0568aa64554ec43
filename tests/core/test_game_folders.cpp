#include "storage/game_folders.h"
#include "support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zt {
namespace {

namespace fs = std::filesystem;

// The decision as one line, with the test's folder written "~" and the game's folder "zt".
std::string described(const GameFolders& f, const std::string& top) {
    std::string line = std::string(f.installed ? "installed " : "beside ") + f.dataFolder + " " +
                       f.highScoresFile + " " + f.highScoresToRead() + " " + f.savesFolder;
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{top, "~"}, {"/zenthari-trader", "/zt"}})
        for (std::size_t at; (at = line.find(from)) != std::string::npos;)
            line.replace(at, from.size(), to);
    return line + "\n";
}

TEST(GameFolders, ThePlayersFilesStayBesideTheProgramOnlyWhileTheGameMayWriteThere) {
    const test::TempDir dir;
    const fs::path& d = dir.path();
    for (const char* copy : {"beside", "locked"}) {
        fs::create_directories(d / copy);
        std::ofstream(d / copy / "strings.txt") << "x";
        std::ofstream(d / copy / "Winners.txt") << "x";
    }
    fs::create_directories(d / "xdg/zenthari-trader");
    std::ofstream(d / "xdg/zenthari-trader/Winners.txt") << "the player's own";
    // A folder the game may not write in holds a list anyone may write: the game still needs
    // the folder, for the list is written beside it and moved into place.
    for (const char* open : {"beside", "beside/Winners.txt", "locked/Winners.txt"})
        fs::permissions(d / open, fs::perms::all);
    fs::permissions(d / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::others_read | fs::perms::others_exec);

    const std::string D = d.string(), home = D + "/home";
    // The program's folder, the player's HOME and XDG_DATA_HOME, and the decision: installed
    // or not, the data, the high scores written and read, and the saves.
    const std::tuple<const char*, UserEnvironment, const char*> rows[] = {
        {"/beside",
         {home, D + "/xdg"},
         "beside ~/beside ~/beside/Winners.txt ~/beside/Winners.txt ~/beside"},
        {"/locked",
         {home, D + "/xdg"},
         "beside ~/locked ~/xdg/zt/Winners.txt ~/xdg/zt/Winners.txt ~/xdg/zt/saves"},
    };
    // Whether the game may write somewhere is the player's right, not root's.
    std::string expected;
    for (const auto& [program, env, decision] : rows)
        expected += decision + std::string("\n");
    EXPECT_EQ(test::asOrdinaryUser([&] {
                  std::string lines;
                  for (const auto& [program, env, decision] : rows)
                      lines += described(
                          decideGameFolders(D + program, "../share/zenthari-trader", env), D);
                  return lines;
              }),
              expected);
}

} // namespace
} // namespace zt
