#include "storage/file_io.h"
#include "storage/seq_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zt {
namespace {

TEST(SeqFile, WritesTheGamesConventionAndReadsItBack) {
    SeqWriter w;
    w.number(3).number(5000).number(0).number(-100).endLine();
    w.text("2300.00").endLine();
    w.text("Chu'a").number(7).endLine();
    EXPECT_EQ(w.content(), "3,5000,0,-100\r\n\"2300.00\"\r\n\"Chu'a\",7\r\n");

    SeqReader r(w.content());
    EXPECT_EQ(r.int16(), 3);
    EXPECT_EQ(r.int32(), 5000);
    EXPECT_EQ(r.int32(), 0);
    EXPECT_EQ(r.int16(), -100);
    r.endLine();
    EXPECT_EQ(r.text(), "2300.00");
    r.endLine();
    EXPECT_EQ(r.text(), "Chu'a");
    EXPECT_EQ(r.int16(), 7);
    r.endLine();
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqFile, RefusesTextsThatWouldBreakTheFile) {
    SeqWriter w;
    EXPECT_THROW(w.text("21\" LCD"), std::invalid_argument);
    EXPECT_THROW(w.text("two\r\nlines"), std::invalid_argument);
}

TEST(SeqFile, ReportsWhereAndWhyAFileIsDamaged) {
    struct Case {
        const char* content;
        const char* message;
    };
    const Case cases[] = {
        {"1,2\r\n", "line 1, value 3: missing value"},
        {"1,x,3\r\n", "line 1, value 2: not a number"},
        {"1,2,40000\r\n", "line 1, value 3: too large for 16 bits"},
        {"1,2,-40000\r\n", "line 1, value 3: too large for 16 bits"},
        {"1,,3\r\n", "line 1, value 2: missing value"},
        {"", "line 1, value 1: the file ends early"},
        {"1,2,3,4\r\n", "line 1, value 4: unexpected value"},
        {"1,2,3.5\r\n", "line 1, value 3: not a number"},
        {"1,2,-\r\n", "line 1, value 3: not a number"},
    };
    for (const Case& c : cases) {
        SeqReader r(c.content);
        try {
            r.int16();
            r.int32();
            r.int16();
            r.endLine();
            ADD_FAILURE() << "accepted: " << c.content;
        } catch (const SeqFileError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    SeqReader wide("2147483647,-2147483648,2147483648\n");
    EXPECT_EQ(wide.int32(), 2147483647);
    EXPECT_EQ(wide.int32(), -2147483647 - 1);
    EXPECT_THROW(wide.int32(), SeqFileError);
    SeqReader unquoted("abc\r\n\"open\r\n");
    EXPECT_THROW(unquoted.text(), SeqFileError);
}

class AtomicWrite : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("zt-seq-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
};

TEST_F(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporaryFiles) {
    const std::string path = (dir_ / "game.zht").string();
    ASSERT_TRUE(writeFileAtomically(path, "first\r\n"));
    ASSERT_TRUE(writeFileAtomically(path, "second\r\n"));
    EXPECT_EQ(readWholeFile(path), "second\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
    EXPECT_EQ(readWholeFile((dir_ / "missing").string()), std::nullopt);
}

TEST_F(AtomicWrite, FailureInAReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = (dir_ / "Winners.txt").string();
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_exec);
    EXPECT_FALSE(writeFileAtomically(path, "new"));
    EXPECT_EQ(readWholeFile(path), "old");
}

TEST_F(AtomicWrite, FailureOnAFullDiskKeepsTheOldFile) {
    const std::string path = (dir_ / "game.zht").string();
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    // A file size limit makes every write past 8 bytes fail, as a full disk does.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = writeFileAtomically(path, "a much longer new content");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_EQ(readWholeFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
    EXPECT_FALSE(writeFileAtomically("/nonexistent-folder/game.zht", "x"));
}

} // namespace
} // namespace zt
