#include "storage/file_io.h"
#include "support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zt {
namespace {

namespace fs = std::filesystem;

TEST(AtomicWrite, WritesThroughLinksAndKeepsThePermissionBits) {
    const test::TempDir dir;
    fs::create_directories(dir.path() / "saves");
    fs::create_directories(dir.path() / "links");
    const std::string target = dir / "saves/game.zht";
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    const fs::perms rwxr_x___ =
        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec;
    fs::permissions(target, rwxr_x___);
    fs::create_symlink("../saves/game.zht", dir / "links/relative");
    fs::create_symlink("relative", dir / "links/chain");
    fs::create_symlink("../saves/new.zht", dir / "links/dangling");
    for (const auto& [link, file] : {std::pair<const char*, std::string>{"links/chain", target},
                                     {"links/dangling", dir / "saves/new.zht"}}) {
        ASSERT_TRUE(writeFileAtomically(dir / link, link)) << link;
        EXPECT_TRUE(fs::is_symlink(dir / link)) << link << " was replaced by a file";
        EXPECT_EQ(readWholeFile(file), link);
    }
    EXPECT_EQ(fs::status(target).permissions(), rwxr_x___);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "saves"), {}), 2);
}

// Each write the player may not make, or that the disk cannot hold, fails and keeps the old
// file whole, leaving nothing beside it. The writes run as an ordinary user, for root may
// write anywhere.
TEST(AtomicWrite, AFailedWriteKeepsTheOldFileWhole) {
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::others_read;
    const fs::perms all = fs::perms::all;
    const struct {
        const char* what;
        std::function<std::string(const test::TempDir&)> setUp; // the path then written
        bool fullDisk = false;
    } cases[] = {
        {"a folder that does not exist", [](auto& d) { return d / "none/game.zht"; }},
        {"a locked file in a folder anyone may write",
         [&](auto& d) {
             fs::permissions(d.path(), all);
             fs::permissions(d / "game.zht", readOnly);
             return d / "game.zht";
         }},
        {"a read-only folder",
         [&](auto& d) {
             fs::permissions(d.path(), readOnly | fs::perms::owner_exec | fs::perms::others_exec);
             return d / "game.zht";
         }},
        {"a pipe",
         [](auto& d) {
             ::mkfifo((d / "pipe").c_str(), 0666);
             return d / "pipe";
         }},
        {"a link that loops",
         [](auto& d) {
             fs::create_symlink("loop", d / "loop");
             return d / "loop";
         }},
        {"a full disk",
         [&](auto& d) {
             fs::permissions(d.path(), all);
             fs::permissions(d / "game.zht", all);
             return d / "game.zht";
         },
         true},
    };
    for (const auto& c : cases) {
        const test::TempDir dir;
        ASSERT_TRUE(writeFileAtomically(dir / "game.zht", "old"));
        const std::string path = c.setUp(dir);
        const auto entries = dir.entries();
        EXPECT_EQ(test::asOrdinaryUser([&] {
                      // A file size limit makes every write past 8 bytes fail, as a full disk
                      // does; with the program's start-up the write fails instead of the
                      // signal killing the game.
                      if (c.fullDisk) {
                          ignoreFileSizeLimitSignal();
                          const rlimit small{8, 8};
                          ::setrlimit(RLIMIT_FSIZE, &small);
                      }
                      return writeFileAtomically(path, "a much longer content") ? "written"
                                                                                : "failed";
                  }),
                  "failed")
            << c.what;
        EXPECT_EQ(readWholeFile(dir / "game.zht"), "old") << c.what;
        EXPECT_EQ(dir.entries(), entries) << c.what;
        EXPECT_FALSE(fs::is_regular_file(dir / "pipe")) << c.what;
    }
}

TEST(AtomicWrite, AKilledSaveLeavesTheEarlierFileWholeAndTheNextSaveClearsUp) {
    const test::TempDir dir;
    const std::string path = dir / "game.zht";
    const std::string earlier(40000, 'e'), shorter(30000, 's'), longer(60000, 'l');
    ASSERT_TRUE(writeFileAtomically(path, earlier));
    // Files that only look like leftovers: a living writer's, another file's, a stranger.
    for (const char* name :
         {".game.zht.tmp-1-abcdef", ".other.zht.tmp-999999999-abcdef", ".game.zht.tmp-x-abcdef"})
        ASSERT_TRUE(writeFileAtomically(dir / name, "keep"));

    std::mt19937 seeded(7);
    std::uniform_int_distribution<int> microseconds(0, 2000);
    for (int kill = 0; kill < 500; ++kill) {
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            ::alarm(10);
            for (bool flip = false;; flip = !flip)
                writeFileAtomically(path, flip ? shorter : longer);
        }
        ::usleep(static_cast<useconds_t>(microseconds(seeded)));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        const auto content = readWholeFile(path);
        ASSERT_TRUE(content == earlier || content == shorter || content == longer)
            << "a torn file after kill " << kill << ": " << (content ? content->size() : 0)
            << " bytes";
    }
    ASSERT_TRUE(writeFileAtomically(path, earlier));
    EXPECT_EQ(dir.entries(), 4) << "temporary files were left behind";
}

} // namespace
} // namespace zt
