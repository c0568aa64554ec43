#include "storage/high_scores.h"

#include "core/money.h"
#include "storage/encrypt.h"
#include "storage/file_io.h"
#include "storage/seq_file.h"
#include "storage/small_file.h"

#include <charconv>
#include <filesystem>

namespace zt {

namespace {

std::int64_t cargoValue(const CargoItem& item) {
    return static_cast<std::int64_t>(item.quantity) * item.pricePaid;
}

std::string scoreText(std::int32_t score) {
    return (score >= 0 ? " " : "") + std::to_string(score);
}

std::optional<std::int32_t> scoreFromText(std::string_view text) {
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::int32_t score = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), score);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return score;
}

// One row of the file, or nothing when any part of it is damaged; the reader moves to the
// next line either way.
std::optional<std::pair<std::string, std::int32_t>> readRow(SeqReader& reader) {
    try {
        const auto name = Encrypt::decode(reader.text());
        const auto scoreText = Encrypt::decode(reader.text());
        reader.endLine();
        const auto score = scoreText ? scoreFromText(*scoreText) : std::nullopt;
        if (name && score) return std::pair(*name, *score);
    } catch (const SeqFileError&) {
        reader.skipLine();
    }
    return std::nullopt;
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

HighScoresRead parseHighScores(std::string_view content) {
    HighScoresRead read;
    SeqReader reader(content);
    forEachRow([&](int list, int row) {
        if (const auto whole = readRow(reader)) {
            read.scores[list].names[row] = whole->first;
            read.scores[list].scores[row] = whole->second;
        } else {
            read.damaged = true;
        }
    });
    if (!reader.atEnd()) read.damaged = true;
    return read;
}

HighScoresRead readHighScores(const std::string& path) {
    SmallFile file = readSmallFile(path, kLargestHighScoresFile);
    if (file.status == SmallFile::Status::missing) return {};
    if (file.status != SmallFile::Status::read) return {HighScores{}, true};
    return parseHighScores(file.content);
}

bool keepDamagedHighScores(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::exists(path, error) && !error) return true;
    const std::string copy = path + kDamagedCopySuffix;
    fs::remove(copy, error);
    // A second name for the same file costs nothing, however large it is; where the folder
    // has no such names, a copy.
    fs::create_hard_link(path, copy, error);
    if (error) fs::copy_file(path, copy, fs::copy_options::overwrite_existing, error);
    return !error;
}

bool writeHighScores(const std::string& path, const HighScores& scores) {
    return writeFileAtomically(path, highScoresFileContent(scores));
}

} // namespace zt
