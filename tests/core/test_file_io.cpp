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

fs::perms permsOf(const std::string& path) {
    return fs::status(path).permissions();
}

TEST(AtomicWrite, WritesThroughLinksIntoTheTargetsFolder) {
    const test::TempDir dir;
    fs::create_directories(dir.path() / "saves");
    fs::create_directories(dir.path() / "links");
    const std::string target = dir / "saves/game.zht";
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    fs::create_symlink("../saves/game.zht", dir / "links/relative");
    fs::create_symlink("relative", dir / "links/chain");
    fs::create_symlink("../saves/new.zht", dir / "links/dangling");
    for (const auto& [link, file] : {std::pair<const char*, std::string>{"links/chain", target},
                                     {"links/dangling", dir / "saves/new.zht"}}) {
        ASSERT_TRUE(writeFileAtomically(dir / link, link)) << link;
        EXPECT_TRUE(fs::is_symlink(dir / link)) << link << " was replaced by a file";
        EXPECT_EQ(readWholeFile(file), link);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "saves"), {}), 2);
    fs::create_symlink("loop", dir / "links/loop");
    EXPECT_FALSE(writeFileAtomically(dir / "links/loop", "x"));
}

TEST(AtomicWrite, KeepsPermissionBitsAndRefusesWhatThePlayerMayNotReplace) {
    const test::TempDir dir;
    const std::string shared = dir / "shared.zht", locked = dir / "locked.zht";
    ASSERT_TRUE(writeFileAtomically(shared, "old"));
    ASSERT_TRUE(writeFileAtomically(locked, "old"));
    const fs::perms rwxr_x___ =
        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec;
    fs::permissions(shared, rwxr_x___);
    ASSERT_TRUE(writeFileAtomically(shared, "new"));
    EXPECT_EQ(permsOf(shared), rwxr_x___);

    // A folder anyone may write in, holding a file nobody may write: refused, not replaced.
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::others_read);
    EXPECT_EQ(test::asOrdinaryUser(
                  [&] { return writeFileAtomically(locked, "new") ? "written" : "refused"; }),
              "refused");
    EXPECT_EQ(readWholeFile(locked), "old");

    // Something that is not a plain file stays what it is.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0666), 0);
    EXPECT_FALSE(writeFileAtomically(dir / "pipe", "new"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    EXPECT_EQ(dir.entries(), 3);
}

TEST(AtomicWrite, FailuresKeepTheOldFileWhole) {
    const test::TempDir dir;
    const std::string path = dir / "game.zht";
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    EXPECT_FALSE(writeFileAtomically("/nonexistent-folder/game.zht", "x"));

    // A file size limit makes every write past 8 bytes fail, as a full disk does; with the
    // program's start-up the write fails instead of the signal killing the game.
    EXPECT_EQ(test::inChild([&] {
                  ignoreFileSizeLimitSignal();
                  const rlimit small{8, 8};
                  ::setrlimit(RLIMIT_FSIZE, &small);
                  return writeFileAtomically(path, "a much longer new content") ? "written"
                                                                                : "failed";
              }),
              "failed");

    // A read-only folder.
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EQ(test::asOrdinaryUser(
                  [&] { return writeFileAtomically(path, "new") ? "written" : "failed"; }),
              "failed");

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
