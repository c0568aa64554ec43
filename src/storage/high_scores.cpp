#include "storage/high_scores.h"

#include "core/money.h"
#include "storage/encrypt.h"
#include "storage/file_io.h"
#include "storage/seq_file.h"

#include <charconv>

namespace zt {

namespace {

std::int64_t cargoValue(const CargoItem& item) {
    return static_cast<std::int64_t>(item.quantity) * item.pricePaid;
}

std::string scoreText(std::int32_t score) {
    return (score >= 0 ? " " : "") + std::to_string(score);
}

std::int32_t scoreFromText(std::string_view text) {
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::int32_t score = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), score);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw HighScoresFileError("a score is not a whole number");
    return score;
}

std::string decodedField(SeqReader& reader) {
    const int line = reader.lineNumber();
    const auto plain = Encrypt::decode(reader.text());
    if (!plain)
        throw HighScoresFileError("line " + std::to_string(line) + ": scrambled text damaged");
    return *plain;
}

// The file holds the long list first, as the lists are numbered.
template <class Visit> void forEachRow(Visit visit) {
    for (int list = 1; list <= kHighScoreLists; ++list)
        for (int row = 1; row <= kHighScoreRows; ++row)
            visit(list, row);
}

} // namespace

std::int32_t netWorth(const GameState& state) {
    std::int64_t worth = static_cast<std::int64_t>(state.cash) - state.debt;
    for (const CargoItem& item : state.cargo)
        worth += cargoValue(item);
    for (const CargoItem& item : state.blackCargo)
        worth += cargoValue(item);
    return heldMoney(worth);
}

std::optional<int> highScoreRow(const HighScoreList& list, std::int32_t netWorth) {
    for (int row = 1; row <= kHighScoreRows; ++row)
        if (netWorth > list.scores[row]) return row;
    return std::nullopt;
}

std::optional<FinalScore> finalScore(const HighScores& scores, const GameState& state) {
    if (!HighScores::contains(state.gameLength)) return std::nullopt;
    const std::int32_t worth = netWorth(state);
    return FinalScore{worth, highScoreRow(scores[state.gameLength], worth)};
}

void enterHighScore(HighScoreList& list, int row, const std::string& name, std::int32_t score) {
    for (int below = kHighScoreRows; below > row; --below) {
        list.names[below] = list.names[below - 1];
        list.scores[below] = list.scores[below - 1];
    }
    list.names[row] = name;
    list.scores[row] = score;
}

std::string highScoresFileContent(const HighScores& scores) {
    SeqWriter writer;
    forEachRow([&](int list, int row) {
        writer.text(Encrypt::encode(scores[list].names[row]))
            .text(Encrypt::encode(scoreText(scores[list].scores[row])))
            .endLine();
    });
    return writer.content();
}

HighScores parseHighScores(std::string_view content) {
    HighScores scores;
    try {
        SeqReader reader(content);
        forEachRow([&](int list, int row) {
            scores[list].names[row] = decodedField(reader);
            scores[list].scores[row] = scoreFromText(decodedField(reader));
            reader.endLine();
        });
        if (!reader.atEnd()) throw HighScoresFileError("more than nine lines");
    } catch (const SeqFileError& e) {
        throw HighScoresFileError(e.what());
    }
    return scores;
}

HighScores readHighScores(const std::string& path) {
    const auto content = readWholeFile(path);
    if (!content) return HighScores{};
    try {
        return parseHighScores(*content);
    } catch (const HighScoresFileError&) {
        return HighScores{};
    }
}

bool writeHighScores(const std::string& path, const HighScores& scores) {
    return writeFileAtomically(path, highScoresFileContent(scores));
}

} // namespace zt
