#include "storage/encrypt.h"
#include "storage/file_io.h"
#include "storage/high_scores.h"
#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace zt {
namespace {

// Where a list goes, a new score's row and the file's round trip are proved by the high
// score fuzz target; these tests hold the exact figures and the file's own form.

TEST(FinalScore, CountsCargoAtThePricePaidInTheListOfTheGamesLength) {
    GameState s = test::flying(5000, 12000);
    s.cargo[3] = {10, 150};
    s.blackCargo[6] = {2, 40};
    EXPECT_EQ(netWorth(s), -7000 + 1500 + 80);

    HighScores scores;
    scores[1].scores.fill(1000), scores[3].scores.fill(20);
    s = test::flying(25, 0);
    s.gameLength = 3;
    EXPECT_EQ(finalScore(scores, s)->row, 1);
    s.gameLength = 1;
    EXPECT_EQ(finalScore(scores, s)->row, std::nullopt);
}

// Lists with a name holding a quote and a comma, and the scores at the 32-bit limits.
HighScores sampleScores() {
    HighScores s;
    s[1].names[2] = "O\"Brien, Jr.";
    s[1].scores[1] = 2147483647, s[1].scores[2] = 5, s[3].scores[3] = -2147483647 - 1;
    return s;
}

TEST(HighScoresFile, IsNineLinesOfTwoScrambledQuotedFields) {
    const std::string content = highScoresFileContent(sampleScores());
    const std::vector<std::string> lines = test::crlfLines(content);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(test::crlfJoined(lines), content);
    EXPECT_EQ(lines[0], "\"\",\"" + Encrypt::encode(" 2147483647") + "\"");
    EXPECT_EQ(lines[1],
              "\"" + Encrypt::encode("O\"Brien, Jr.") + "\",\"" + Encrypt::encode(" 5") + "\"");
    EXPECT_EQ(lines[8], "\"\",\"" + Encrypt::encode("-2147483648") + "\"");
}

TEST(HighScoresFile, AMissingFileIsEmptyAndADamagedOneIsKeptBesideTheListThatReplacesIt) {
    const test::TempDir dir;
    const std::string path = dir / kHighScoresFileName;
    const std::string copy = path + ".damaged";
    const auto readsNothing = [&path](bool damaged) {
        const HighScoresRead read = readHighScores(path);
        return read.damaged == damaged && read.scores == HighScores{};
    };
    EXPECT_TRUE(readsNothing(false)) << "a missing file";

    ASSERT_TRUE(writeFileAtomically(path, "the damaged list"));
    ASSERT_TRUE(writeFileAtomically(copy, "a list damaged earlier"));
    EXPECT_TRUE(keepDamagedHighScores(path));
    ASSERT_TRUE(writeHighScores(path, sampleScores()));
    EXPECT_EQ(readWholeFile(copy), "the damaged list");
    EXPECT_EQ(readHighScores(path).scores, sampleScores());
    // A file of a few MiB is refused without being read: even its whole rows are not kept.
    std::filesystem::resize_file(path, 3 * 1024 * 1024);
    EXPECT_TRUE(readsNothing(true)) << "a huge file";
}

} // namespace
} // namespace zt
