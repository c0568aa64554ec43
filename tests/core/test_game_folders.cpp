#include "storage/game_folders.h"
#include "support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zt {
namespace {

namespace fs = std::filesystem;

void makeFile(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x\n";
}

std::string described(const GameFolders& f) {
    std::ostringstream out;
    out << (f.installed ? "installed" : "beside") << " data=" << f.dataFolder
        << " scores=" << f.highScoresFile << " read=" << f.highScoresToRead()
        << " saves=" << f.savesFolder << "\n";
    return out.str();
}

TEST(GameFolders, ThePlayersFilesStayBesideTheProgramOnlyWhileItsFolderIsWritable) {
    const test::TempDir dir;
    const fs::path& d = dir.path();
    const auto all = fs::perms::all, readOnly = fs::perms::owner_read | fs::perms::owner_exec |
                                                fs::perms::others_read | fs::perms::others_exec;
    for (const char* copy : {"beside", "locked", "lockedFile", "prefix/share/zenthari-trader"}) {
        makeFile(d / copy / "strings.txt");
        makeFile(d / copy / "Winners.txt");
    }
    fs::create_directories(d / "prefix/games");
    fs::create_directories(d / "neither");
    makeFile(d / "xdg/zenthari-trader/Winners.txt"); // the player's own, already there
    for (const char* open : {"beside", "lockedFile", "neither"})
        fs::permissions(d / open, all);
    fs::permissions(d / "beside/Winners.txt", fs::perms::owner_read | fs::perms::owner_write |
                                                  fs::perms::others_read | fs::perms::others_write);
    fs::permissions(d / "locked", readOnly);
    fs::permissions(d / "lockedFile/Winners.txt", fs::perms::owner_read | fs::perms::others_read);

    const std::string D = d.string(), home = D + "/home", mine = home + "/.local/share";
    const std::string installedData = "../share/zenthari-trader";
    struct Row {
        const char* name;
        std::string program;
        UserEnvironment env;
        std::string expected;
    };
    const Row rows[] = {
        {"beside, writable",
         D + "/beside",
         {home, D + "/xdg"},
         "beside data=" + D + "/beside scores=" + D + "/beside/Winners.txt read=" + D +
             "/beside/Winners.txt saves=" + D + "/beside\n"},
        {"beside, read-only folder, the player's file there",
         D + "/locked",
         {home, D + "/xdg"},
         "beside data=" + D + "/locked scores=" + D + "/xdg/zenthari-trader/Winners.txt read=" + D +
             "/xdg/zenthari-trader/Winners.txt saves=" + D + "/xdg/zenthari-trader/saves\n"},
        {"beside, read-only high score file, XDG_DATA_HOME unset",
         D + "/lockedFile",
         {home, ""},
         "beside data=" + D + "/lockedFile scores=" + mine + "/zenthari-trader/Winners.txt read=" +
             D + "/lockedFile/Winners.txt saves=" + mine + "/zenthari-trader/saves\n"},
        {"installed",
         D + "/prefix/games",
         {home, D + "/new"},
         "installed data=" + D + "/prefix/share/zenthari-trader scores=" + D +
             "/new/zenthari-trader/Winners.txt read=" + D +
             "/prefix/share/zenthari-trader/Winners.txt saves=" + D +
             "/new/zenthari-trader/saves\n"},
        {"installed, relative XDG_DATA_HOME",
         D + "/prefix/games",
         {home, "xdg"},
         "installed data=" + D + "/prefix/share/zenthari-trader scores=" + mine +
             "/zenthari-trader/Winners.txt read=" + D +
             "/prefix/share/zenthari-trader/Winners.txt saves=" + mine +
             "/zenthari-trader/saves\n"},
        {"installed, no home at all",
         D + "/prefix/games",
         {"", ""},
         "installed data=" + D + "/prefix/share/zenthari-trader scores= read=" + D +
             "/prefix/share/zenthari-trader/Winners.txt saves=\n"},
        {"no strings table anywhere",
         D + "/neither",
         {home, ""},
         "beside data=" + D + "/neither scores=" + D + "/neither/Winners.txt read=" + D +
             "/neither/Winners.txt saves=" + D + "/neither\n"},
    };
    const std::string decided = test::asOrdinaryUser([&] {
        std::string all;
        for (const Row& row : rows)
            all += described(decideGameFolders(row.program, installedData, row.env));
        return all;
    });
    std::istringstream lines(decided);
    for (const Row& row : rows) {
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line + "\n", row.expected) << row.name;
    }
}

} // namespace
} // namespace zt
