#include "storage/encrypt.h"
#include "storage/file_io.h"
#include "storage/high_scores.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
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
    std::size_t lines = 0;
    for (std::size_t at = 0, end; (end = content.find("\r\n", at)) != std::string::npos;
         at = end + 2, ++lines) {
        const std::string line = content.substr(at, end - at);
        EXPECT_TRUE(line.front() == '"' && line.back() == '"' &&
                    line.find("\",\"") != std::string::npos && line.find('\n') == std::string::npos)
            << line;
    }
    EXPECT_EQ(lines, 9u);
    EXPECT_EQ(parseHighScores(content), scores);
    // The score field holds the number with a leading blank, or "-".
    const std::string first = content.substr(content.find("\",\"") + 3);
    EXPECT_EQ(Encrypt::decode(first.substr(0, first.find('"'))), " 2147483647");
}

TEST(HighScoresFile, DamagedOrMissingFilesGiveEmptyLists) {
    const std::string good = highScoresFileContent(sampleScores());
    const auto row = [](const char* score) {
        return "\"" + Encrypt::encode("A") + "\",\"" + Encrypt::encode(score) + "\"\r\n";
    };
    const std::string damaged[] = {"",
                                   good.substr(0, good.size() / 2),
                                   good + good,
                                   "\"A\",\"B\"\r\n",
                                   row(" 12x") + good,
                                   row(" 2147483648") + good,
                                   "junk"};
    for (const std::string& content : damaged)
        EXPECT_THROW(parseHighScores(content), HighScoresFileError) << content.substr(0, 40);

    const test::TempDir dir;
    const std::string path = dir / kHighScoresFileName;
    EXPECT_EQ(readHighScores(path), HighScores{});
    ASSERT_TRUE(writeFileAtomically(path, good.substr(0, 30)));
    EXPECT_EQ(readHighScores(path), HighScores{});
    ASSERT_TRUE(writeHighScores(path, sampleScores()));
    EXPECT_EQ(readHighScores(path), sampleScores());
}

TEST(HighScoresFile, ShippedListHasNineNamedRowsBestFirst) {
    const auto content = readWholeFile(std::string(ZT_DATA_DIR) + "/" + kHighScoresFileName);
    ASSERT_TRUE(content.has_value());
    for (const HighScoreList& l : parseHighScores(*content))
        for (int r = 1; r <= kHighScoreRows; ++r) {
            EXPECT_FALSE(l.names[r].empty());
            EXPECT_GT(l.scores[r], r < kHighScoreRows ? l.scores[r + 1] : 0);
        }
}

} // namespace
} // namespace zt
