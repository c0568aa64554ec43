// Any high score file reads into lists (its whole rows kept), a net worth takes the row it
// beats, and the lists rewrite to a file that reads back whole as the same lists.
#include "fuzz_support.h"
#include "storage/high_scores.h"

#include <functional>

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = fuzz::text(data, size);
    HighScores scores = parseHighScores(content).scores;

    const auto worth = static_cast<std::int32_t>(std::hash<std::string_view>{}(content));
    for (HighScoreList& list : scores) {
        const HighScoreList before = list;
        const std::optional<int> row = highScoreRow(list, worth);
        for (int r = 1; r <= kHighScoreRows; ++r)
            fuzz::check(row && r >= *row ? worth > before.scores[*row] || r > *row
                                         : worth <= before.scores[r],
                        "a net worth took the wrong row");
        if (!row) continue;
        enterHighScore(list, *row, std::string(content.substr(0, 40)), worth);
        fuzz::check(list.scores[*row] == worth, "the new score is not in its row");
        for (int r = *row + 1; r <= kHighScoreRows; ++r)
            fuzz::check(list.scores[r] == before.scores[r - 1], "the rows below did not move down");
    }

    const std::string rewritten = highScoresFileContent(scores);
    const HighScoresRead back = parseHighScores(rewritten);
    fuzz::check(!back.damaged, "a rewritten list reads as damaged");
    fuzz::check(back.scores == scores, "a rewritten list reads back as other lists");
    return 0;
}
