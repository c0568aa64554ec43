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

HighScoreList list(std::int32_t a, std::int32_t b, std::int32_t c) {
    HighScoreList l;
    l.names[1] = "A", l.names[2] = "B", l.names[3] = "C";
    l.scores[1] = a, l.scores[2] = b, l.scores[3] = c;
    return l;
}

TEST(NetWorth, CountsCargoAtThePricePaidAndHoldsTo32Bits) {
    GameState s = test::flying(5000, 12000);
    s.cargo[3] = {10, 150};
    s.blackCargo[6] = {2, 40};
    EXPECT_EQ(netWorth(s), -7000 + 1500 + 80);

    s = test::flying(2147483647, 0);
    s.cargo[1] = {10000, 220001};
    EXPECT_EQ(netWorth(s), 2147483647);
    EXPECT_EQ(netWorth(test::flying(-2147483647 - 1, 2147483647)), -2147483647 - 1);
}

TEST(HighScoreRow, FindsTheFirstRowBeatenAndATieBeatsNothing) {
    const HighScoreList l = list(300, 200, 100);
    EXPECT_EQ(highScoreRow(l, 301), 1);
    EXPECT_EQ(highScoreRow(l, 300), 2);
    EXPECT_EQ(highScoreRow(l, 100), std::nullopt);
    EXPECT_EQ(highScoreRow(list(0, -10, -20), -5), 2);
    EXPECT_EQ(highScoreRow(HighScoreList{}, 0), std::nullopt);
    EXPECT_EQ(highScoreRow(HighScoreList{}, 1), 1);
}

TEST(FinalScore, UsesTheListOfTheGamesLengthAndNoneForAnUnknownLength) {
    HighScores scores;
    scores[1] = list(900, 800, 700);
    scores[3] = list(30, 20, 10);
    GameState s = test::flying(25, 0);
    s.gameLength = 3;
    const std::optional<FinalScore> result = finalScore(scores, s);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->netWorth, 25);
    EXPECT_EQ(result->row, 2);
    s.gameLength = 1;
    EXPECT_EQ(finalScore(scores, s)->row, std::nullopt);
    s.gameLength = 0;
    EXPECT_FALSE(finalScore(scores, s));
}

TEST(HighScoreRow, EnteringMovesTheRowsBelowDownAndDropsTheLast) {
    const std::vector<std::vector<std::string>> names = {
        {"New", "A", "B"}, {"A", "New", "B"}, {"A", "B", "New"}};
    for (int row = 1; row <= 3; ++row) {
        HighScoreList l = list(300, 200, 100);
        enterHighScore(l, row, "New", 999);
        EXPECT_EQ(std::vector<std::string>(l.names.begin(), l.names.end()), names[row - 1]);
        EXPECT_EQ(l.scores[row], 999);
        EXPECT_EQ(l.scores[3], row == 3 ? 999 : 200);
    }
}

std::vector<std::string> awkwardNames() {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    return {"",         "O\"Brien, Jr.", "\"\"", "two\r\nlines", "Zo\xc3\xab \xe6\x98\x9f",
            "ZENTHARI", everyByte};
}

TEST(Encrypt, AnyTextSurvivesAndTheResultFitsAQuotedField) {
    for (const std::string& name : awkwardNames()) {
        const std::string scrambled = Encrypt::encode(name);
        EXPECT_EQ(scrambled.find_first_of("\",\r\n"), std::string::npos) << scrambled;
        EXPECT_EQ(Encrypt::decode(scrambled), name);
        if (name.size() > 2) {
            EXPECT_EQ(scrambled.find(name), std::string::npos) << "not scrambled";
        }
    }
    EXPECT_NE(Encrypt::encode("AA").substr(0, 2), Encrypt::encode("AA").substr(2, 2));
    for (const char* damaged : {"Z", "ZEx", "ze", "12"})
        EXPECT_EQ(Encrypt::decode(damaged), std::nullopt) << damaged;
}

HighScores sampleScores() {
    HighScores s;
    const std::vector<std::string> names = awkwardNames();
    std::int32_t score = 2147483647;
    std::size_t i = 0;
    for (HighScoreList& l : s)
        for (int r = 1; r <= kHighScoreRows; ++r, ++i) {
            l.names[r] = names[i % names.size()];
            l.scores[r] = score;
            score = score == 2147483647 ? 0 : score - 50000;
        }
    s[3].scores[3] = -2147483647 - 1;
    return s;
}

TEST(HighScoresFile, RoundTripsNineLinesOfTwoQuotedFields) {
    const HighScores scores = sampleScores();
    const std::string content = highScoresFileContent(scores);
    const std::vector<std::string> lines = test::crlfLines(content);
    EXPECT_EQ(lines.size(), 9u);
    EXPECT_EQ(test::crlfJoined(lines), content);
    for (const std::string& line : lines)
        EXPECT_TRUE(line.front() == '"' && line.back() == '"' &&
                    line.find("\",\"") != std::string::npos && line.find('\n') == std::string::npos)
            << line;
    EXPECT_EQ(parseHighScores(content).scores, scores);
    // The score field holds the number with a leading blank, or "-".
    const std::string first = content.substr(content.find("\",\"") + 3);
    EXPECT_EQ(Encrypt::decode(first.substr(0, first.find('"'))), " 2147483647");
}

TEST(HighScoresFile, ADamagedFileKeepsTheRowsThatReadWhole) {
    const HighScores scores = sampleScores();
    const std::vector<std::string> good = test::crlfLines(highScoresFileContent(scores));
    // The file's lines with line `n` (1..9) replaced by `text`; rows after it stay in place.
    const auto with = [&good](std::size_t n, const std::string& text) {
        std::vector<std::string> lines = good;
        if (n > 0) lines[n - 1] = text;
        return test::crlfJoined(lines);
    };
    const auto row = [](const char* name, const char* score) {
        return "\"" + Encrypt::encode(name) + "\",\"" + Encrypt::encode(score) + "\"";
    };
    const std::string allNine = with(0, "");
    const std::tuple<const char*, std::string, std::vector<int>> cases[] = {
        {"nothing at all", "", {}},
        {"cut short in row 5", allNine.substr(0, allNine.find(good[4]) + 9), {1, 2, 3, 4}},
        {"a name scrambled wrong",
         with(2, "\"ZEx\",\"" + Encrypt::encode(" 5") + "\""),
         {1, 3, 4, 5, 6, 7, 8, 9}},
        {"a score with letters", with(7, row("A", " 12x")), {1, 2, 3, 4, 5, 6, 8, 9}},
        {"a score beyond 32 bits", with(3, row("A", " 2147483648")), {1, 2, 4, 5, 6, 7, 8, 9}},
        {"a score missing", with(9, "\"" + Encrypt::encode("A") + "\""), {1, 2, 3, 4, 5, 6, 7, 8}},
        {"a tenth row", allNine + good[0] + "\r\n", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"junk", "junk", {}},
    };
    for (const auto& [what, content, kept] : cases) {
        const HighScoresRead read = parseHighScores(content);
        EXPECT_TRUE(read.damaged) << what;
        HighScores expected;
        for (int n : kept) {
            const int list = (n - 1) / 3 + 1, r = (n - 1) % 3 + 1;
            expected[list].names[r] = scores[list].names[r];
            expected[list].scores[r] = scores[list].scores[r];
        }
        EXPECT_EQ(read.scores, expected) << what;
    }
    EXPECT_FALSE(parseHighScores(allNine).damaged);
}

TEST(HighScoresFile, AMissingFileIsEmptyAndAnUnreadableOneDamaged) {
    const test::TempDir dir;
    const std::string path = dir / kHighScoresFileName;
    const auto expectRead = [&path](bool damaged, const HighScores& scores, const char* what) {
        const HighScoresRead read = readHighScores(path);
        EXPECT_EQ(read.damaged, damaged) << what;
        EXPECT_EQ(read.scores, scores) << what;
    };
    expectRead(false, HighScores{}, "missing");
    std::filesystem::create_directory(path);
    expectRead(true, HighScores{}, "a folder");
    std::filesystem::remove(path);

    // Nine of the longest names the end window takes still read back.
    HighScores longest = sampleScores();
    std::string star;
    for (int i = 0; i < 32767; ++i)
        star += "\xe6\x98\x9f";
    for (HighScoreList& l : longest)
        l.names.fill(star);
    ASSERT_TRUE(writeHighScores(path, longest));
    expectRead(false, longest, "the longest names");
    // A file of a few MiB is refused without being read: even its whole rows are not kept.
    std::filesystem::resize_file(path, 3 * 1024 * 1024);
    expectRead(true, HighScores{}, "too large");
}

TEST(HighScoresFile, ADamagedFileIsKeptBesideTheListItsRewriteReplaces) {
    const test::TempDir dir;
    const std::string path = dir / kHighScoresFileName;
    const std::string copy = path + ".damaged";
    EXPECT_TRUE(keepDamagedHighScores(path)) << "nothing to keep";
    EXPECT_EQ(dir.entries(), 0);

    ASSERT_TRUE(writeFileAtomically(path, "the damaged list"));
    ASSERT_TRUE(writeFileAtomically(copy, "a list damaged earlier"));
    EXPECT_TRUE(keepDamagedHighScores(path));
    ASSERT_TRUE(writeHighScores(path, sampleScores()));
    EXPECT_EQ(readWholeFile(copy), "the damaged list");
    EXPECT_EQ(readHighScores(path).scores, sampleScores());
}

TEST(HighScoresFile, ShippedListHasNineNamedRowsBestFirst) {
    const auto content = readWholeFile(std::string(ZT_DATA_DIR) + "/" + kHighScoresFileName);
    ASSERT_TRUE(content.has_value());
    const HighScoresRead read = parseHighScores(*content);
    EXPECT_FALSE(read.damaged);
    for (const HighScoreList& l : read.scores)
        for (int r = 1; r <= kHighScoreRows; ++r) {
            EXPECT_FALSE(l.names[r].empty());
            EXPECT_GT(l.scores[r], r < kHighScoreRows ? l.scores[r + 1] : 0);
        }
}

} // namespace
} // namespace zt
