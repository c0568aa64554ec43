#include "storage/encrypt.h"
#include "storage/file_io.h"
#include "storage/high_scores.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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
    GameState s;
    s.cash = 5000;
    s.debt = 12000;
    EXPECT_EQ(netWorth(s), -7000);
    s.cargo[3] = {10, 150};
    s.blackCargo[6] = {2, 40};
    EXPECT_EQ(netWorth(s), -7000 + 1500 + 80);

    s.cash = 2147483647;
    s.debt = 0;
    s.cargo[1] = {10000, 220001};
    EXPECT_EQ(netWorth(s), 2147483647);
    s.cash = -2147483647 - 1;
    s.cargo[1] = {};
    s.debt = 2147483647;
    EXPECT_EQ(netWorth(s), -2147483647 - 1);
}

TEST(HighScoreRow, FindsTheFirstRowBeatenAndATieBeatsNothing) {
    const HighScoreList l = list(300, 200, 100);
    const struct {
        std::int32_t worth;
        std::optional<int> row;
    } cases[] = {{301, 1},          {300, 2}, {201, 2}, {200, 3}, {101, 3}, {100, std::nullopt},
                 {-5, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(highScoreRow(l, c.worth), c.row) << c.worth;
    EXPECT_EQ(highScoreRow(list(0, -10, -20), -5), 2);
    EXPECT_EQ(highScoreRow(HighScoreList{}, 0), std::nullopt);
    EXPECT_EQ(highScoreRow(HighScoreList{}, 1), 1);
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
    return {"",         "Ann",          "O\"Brien, Jr.",           "\"\"",
            ",,,",      "two\r\nlines", "Zo\xc3\xab \xe6\x98\x9f", "   ",
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
    int i = 0;
    for (int l = 1; l <= kHighScoreLists; ++l)
        for (int r = 1; r <= kHighScoreRows; ++r) {
            s[l].names[r] = names[static_cast<std::size_t>(i++) % names.size()];
            s[l].scores[r] = score;
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
         at = end + 2) {
        const std::string line = content.substr(at, end - at);
        EXPECT_TRUE(line.front() == '"' && line.back() == '"' &&
                    line.find("\",\"") != std::string::npos && line.find('\n') == std::string::npos)
            << line;
        ++lines;
    }
    EXPECT_EQ(lines, 9u);
    EXPECT_EQ(parseHighScores(content), scores);
    // The score field holds the number with a leading blank, or "-".
    const std::string first = content.substr(content.find("\",\"") + 3);
    EXPECT_EQ(Encrypt::decode(first.substr(0, first.find('"'))), " 2147483647");
}

TEST(HighScoresFile, DamagedOrMissingFilesGiveEmptyLists) {
    const std::string good = highScoresFileContent(sampleScores());
    const std::string noScore =
        "\"" + Encrypt::encode("A") + "\",\"" + Encrypt::encode(" 12x") + "\"\r\n";
    const std::string tooBig =
        "\"" + Encrypt::encode("A") + "\",\"" + Encrypt::encode(" 2147483648") + "\"\r\n";
    const std::vector<std::string> damaged = {"",
                                              good.substr(0, good.size() / 2),
                                              good + good,
                                              "\"A\",\"B\"\r\n",
                                              noScore + good,
                                              tooBig + good,
                                              "junk"};
    for (const std::string& content : damaged)
        EXPECT_THROW(parseHighScores(content), HighScoresFileError) << content.substr(0, 40);

    const auto dir = std::filesystem::temp_directory_path() / "zt_high_scores_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / kHighScoresFileName).string();
    std::filesystem::remove(path);
    EXPECT_EQ(readHighScores(path), HighScores{});
    ASSERT_TRUE(writeFileAtomically(path, good.substr(0, 30)));
    EXPECT_EQ(readHighScores(path), HighScores{});
    ASSERT_TRUE(writeHighScores(path, sampleScores()));
    EXPECT_EQ(readHighScores(path), sampleScores());
    std::filesystem::remove_all(dir);
}

// The list shipped with the game: nine modest rows. ZT_WRITE_DEFAULT_WINNERS=1 writes it.
TEST(HighScoresFile, ShippedListReadsBackItsNineRows) {
    HighScores defaults;
    const char* names[3][3] = {{"Admiral Okonkwo", "Captain Reyes", "Pilot Hale"},
                               {"Commander Ilsa", "Navigator Tam", "Trader Bex"},
                               {"Ensign Marlow", "Cadet Yuki", "Deckhand Pim"}};
    const std::int32_t worth[3][3] = {
        {250000, 100000, 50000}, {150000, 60000, 25000}, {60000, 25000, 10000}};
    for (int l = 1; l <= 3; ++l)
        for (int r = 1; r <= 3; ++r) {
            defaults[l].names[r] = names[l - 1][r - 1];
            defaults[l].scores[r] = worth[l - 1][r - 1];
        }
    const std::string path = std::string(ZT_DATA_DIR) + "/" + kHighScoresFileName;
    if (const char* write = std::getenv("ZT_WRITE_DEFAULT_WINNERS");
        write && std::string(write) == "1") {
        ASSERT_TRUE(writeHighScores(path, defaults));
    }
    const auto content = readWholeFile(path);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(parseHighScores(*content), defaults);
}

} // namespace
} // namespace zt
