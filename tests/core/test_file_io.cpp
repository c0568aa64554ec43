#include "storage/file_io.h"
#include "support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zt {
namespace {

namespace fs = std::filesystem;

// A write the player may not make, or that the disk cannot hold, fails and keeps the old
// file whole with nothing beside it. The writes run as an ordinary user, for root may write
// anywhere.
TEST(AtomicWrite, AFailedWriteKeepsTheOldFileWhole) {
    const test::TempDir dir;
    const std::string path = dir / "game.zht";
    ASSERT_TRUE(writeFileAtomically(path, "old"));

    const auto write = [&path](bool fullDisk) {
        return test::asOrdinaryUser([&] {
            // A file size limit makes every write past 8 bytes fail, as a full disk does; with
            // the program's start-up the write fails instead of the signal killing the game.
            if (fullDisk) {
                ignoreFileSizeLimitSignal();
                const rlimit small{8, 8};
                ::setrlimit(RLIMIT_FSIZE, &small);
            }
            return writeFileAtomically(path, "a much longer content") ? "written" : "failed";
        });
    };
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::others_read;
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(path, fs::perms::all);
    EXPECT_EQ(write(true), "failed") << "a full disk";
    fs::permissions(path, readOnly);
    EXPECT_EQ(write(false), "failed") << "a locked file in a folder anyone may write";
    fs::permissions(path, fs::perms::all);
    fs::permissions(dir.path(), readOnly | fs::perms::owner_exec | fs::perms::others_exec);
    EXPECT_EQ(write(false), "failed") << "a read-only folder";
    EXPECT_EQ(readWholeFile(path), "old");
    EXPECT_EQ(dir.entries(), 1);
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
