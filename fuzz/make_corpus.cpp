// Writes the seed corpora of the fuzz targets with the game's own writers, from fixed seeds,
// so that the same build writes the same files:
//   make_fuzz_corpus DIR   (DIR/<target>/ replaced for each target)
#include "core/money.h"
#include "core/new_game.h"
#include "core/numbers.h"
#include "fuzz_support.h"
#include "storage/encrypt.h"
#include "storage/saved_game.h"
#include "storage/seq_file.h"
#include "travel/route.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace zt;

namespace {

class Corpus {
  public:
    explicit Corpus(fs::path root) : root_(std::move(root)) {}

    void add(const std::string& target, const std::string& name, std::string_view content) {
        if (started_.insert(target).second) {
            fs::remove_all(root_ / target);
            fs::create_directories(root_ / target);
        }
        std::ofstream(root_ / target / name, std::ios::binary)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
    }

  private:
    fs::path root_;
    std::set<std::string> started_;
};

// A sequential file and the reads that take it back, as fuzz_seq_file reads its input.
class SeqInput {
  public:
    template <class Number> SeqInput& number(Number value) {
        out_.number(value);
        return read(sizeof(Number) == 2 ? fuzz::SeqRead::int16 : fuzz::SeqRead::int32);
    }
    SeqInput& text(std::string_view value) {
        out_.text(value);
        return read(fuzz::SeqRead::text);
    }
    SeqInput& endLine() {
        out_.endLine();
        return read(fuzz::SeqRead::endLine);
    }
    std::string input() const {
        const std::string reads = reads_ + static_cast<char>(fuzz::SeqRead::atEnd);
        return static_cast<char>(reads.size()) + reads + out_.content();
    }

  private:
    SeqInput& read(fuzz::SeqRead what) {
        reads_ += static_cast<char>(what);
        return *this;
    }
    SeqWriter out_;
    std::string reads_;
};

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts)
        out += (out.empty() ? "" : std::string(1, '\0')) + t;
    return out;
}

std::string bytes(std::uint32_t seed, std::size_t count) {
    std::mt19937 engine(seed);
    std::string out;
    while (out.size() < count)
        out += static_cast<char>(engine() & 0xFF);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " DIR\n";
        return 2;
    }
    Corpus corpus(argv[1]);
    const Catalogue& catalogue = fuzz::shippedCatalogue();

    // A new game, a game some way into play with cargo aboard, and one further on in a ship
    // too small for its cargo (the hold over-full).
    GameState fresh;
    resetForNewGame(fresh);
    ClockRandom draws(3);
    layOutNewGame(fresh, catalogue, draws, 2);
    play::SeededChooser chooser(2);
    play::RandomPlayer player(catalogue, chooser, draws);
    player.startGame();
    const auto playUntil = [&player](auto reached) {
        for (int command = 0; command < 200000; ++command) {
            player.playOne();
            if (reached(player.state())) return player.state();
        }
        std::cerr << "the play never reached the state sought\n";
        std::exit(1);
    };
    const GameState played = playUntil([&player](const GameState& s) {
        return player.counts().commands >= 1500 && s.cargoInHold > 0;
    });
    const GameState overFull = playUntil([&catalogue](const GameState& s) {
        return s.cargoInHold > currentShip(s, catalogue).cargoCapacity;
    });
    const std::pair<const char*, const GameState*> games[] = {
        {"new-game", &fresh}, {"played", &played}, {"over-full", &overFull}};
    for (std::uint32_t seed = 1; const auto& [name, game] : games) {
        const std::string saved = savedGameText(*game);
        corpus.add("fuzz_saved_game", std::string(name) + ".zht", saved);
        corpus.add("fuzz_played_game", name, saved + '\0' + bytes(seed++, 600));
    }

    HighScores none, some;
    enterHighScore(some[1], 1, "Trader", 25000000);
    enterHighScore(some[1], 2, "O'Neil \"Ace\"", 5000);
    enterHighScore(some[2], 1, "Zo\xc3\xab \xe6\x98\x9f", -200000);
    enterHighScore(some[3], 1, "", kMoneyMax);
    corpus.add("fuzz_high_scores", "empty.txt", highScoresFileContent(none));
    corpus.add("fuzz_high_scores", "some.txt", highScoresFileContent(some));

    corpus.add("fuzz_encrypt", "name", "Trader");
    corpus.add("fuzz_encrypt", "name-scrambled", Encrypt::encode("Trader"));
    corpus.add("fuzz_encrypt", "score-scrambled", Encrypt::encode(" 5000"));

    std::ostringstream table;
    table << std::ifstream(std::string(ZT_DATA_DIR) + "/strings.txt").rdbuf();
    corpus.add("fuzz_strings_table", "strings.txt", table.str());

    SeqInput state, scores;
    state.number(played.currentGalaxy).number(played.cash).number(played.debt).endLine();
    state.number(played.cargo[1].pricePaid).number(played.cargo[1].quantity).endLine();
    state.text(played.galaxies[1].name).endLine().number(played.endYear).endLine();
    state.text(played.earthTime.text()).endLine();
    for (const HighScoreList& list : some)
        for (int row = 1; row <= kHighScoreRows; ++row)
            scores.text(Encrypt::encode(list.names[row]))
                .text(Encrypt::encode(std::to_string(list.scores[row])))
                .endLine();
    corpus.add("fuzz_seq_file", "saved-game-lines", state.input());
    corpus.add("fuzz_seq_file", "high-scores", scores.input());

    // Amounts as the windows show them and as a player types them.
    const std::vector<std::string> amounts = {formatMoney(played.cash),
                                              formatMoney(-200000),
                                              std::to_string(kMoneyMax),
                                              "2.5",
                                              "7.000",
                                              " 1 5 apples",
                                              ".5",
                                              "99999999999999999999999"};
    for (std::size_t i = 0; i < amounts.size(); ++i)
        corpus.add("fuzz_numbers", "amount-" + std::to_string(i + 1), amounts[i]);

    // The times of the flights from the start for the slowest and the fastest ship, and a
    // played game's time followed by a prison term.
    for (int ship : {1, kShipTypes}) {
        std::vector<std::string> steps = {fresh.earthTime.text()};
        for (int g = 1; g <= kGalaxies; ++g)
            steps.push_back(routeBetween(fresh.galaxies[kStartGalaxy], fresh.galaxies[g],
                                         catalogue.ships[ship].speedFactor())
                                .timeNeeded.text());
        corpus.add("fuzz_earth_time", "flights-ship-" + std::to_string(ship), joined(steps));
    }
    corpus.add("fuzz_earth_time", "prison", joined({played.earthTime.text(), "20"}));
    return 0;
}
