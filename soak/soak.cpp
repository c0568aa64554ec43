// The soak: random play of the rules from a seed, every promise checked after every command.
//   zt_soak [--actions N] [--seed S] [--trace]
// A broken promise prints the seed, the command and the commands of that game so far, and
// the same arguments play the same game again.
#include "soak/random_play.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>

namespace {

constexpr std::size_t kLogKept = 2000; // commands shown after a failure
constexpr long kCoveringRun = 10000;   // commands that reach every kind of state

} // namespace

int main(int argc, char** argv) {
    long actions = 100000;
    auto seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count() % 1000000000);
    bool trace = false; // every command as it is played
    for (int i = 1; i < argc; ++i) {
        const bool valued = i + 1 < argc;
        if (valued && std::strcmp(argv[i], "--actions") == 0) {
            actions = std::atol(argv[++i]);
        } else if (valued && std::strcmp(argv[i], "--seed") == 0) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--trace") == 0) {
            trace = true;
        } else {
            std::fprintf(stderr, "usage: %s [--actions N] [--seed S] [--trace]\n", argv[0]);
            return 2;
        }
    }
    const zt::Catalogue catalogue = zt::loadCatalogue(std::string(ZT_DATA_DIR) + "/strings.txt");
    zt::play::SeededChooser chooser(seed);
    zt::ClockRandom draws(static_cast<std::uint32_t>(seed * 2654435761u + 1));
    zt::play::RandomPlayer player(catalogue, chooser, draws);
    std::printf("soak: %ld commands from seed %llu\n", actions,
                static_cast<unsigned long long>(seed));

    std::deque<std::string> log; // the commands of the game in play
    long game = 0, firstOfGame = 1;
    const auto start = std::chrono::steady_clock::now();
    long done = 0;
    try {
        log.push_back(player.startGame());
        game = player.gameNumber();
        for (done = 1; done <= actions; ++done) {
            std::string command = player.playOne();
            if (player.gameNumber() != game) { // the command ended with a new game
                log.clear();
                firstOfGame = done;
                game = player.gameNumber();
            }
            log.push_back(std::to_string(done) + ": " + command);
            if (trace) std::printf("%s\n", log.back().c_str());
            if (log.size() > kLogKept) log.pop_front();
        }
    } catch (const std::exception& e) {
        std::printf("soak: FAILED at command %ld of seed %llu: %s\n", done,
                    static_cast<unsigned long long>(seed), e.what());
        std::printf("the game began at command %ld; its last %zu commands:\n", firstOfGame,
                    log.size());
        for (const std::string& line : log)
            std::printf("  %s\n", line.c_str());
        std::printf("replay: zt_soak --seed %llu --actions %ld\n",
                    static_cast<unsigned long long>(seed), done);
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto& c = player.counts();
    std::printf("soak: %ld commands in %.1f s, every promise kept: %ld refused, %ld flights, %ld "
                "events, %ld ships lost, %ld moves to a ship too small for the cargo, %ld "
                "commands with an over-full hold (each saved and loaded), %ld games ended (%ld "
                "high scores), %ld saved and loaded\n",
                c.commands, seconds, c.refused, c.flights, c.events, c.shipsLost, c.overFullMoves,
                c.overFull, c.gamesEnded, c.highScores, c.reloads);
    // A long run that never reached these states proves nothing about them.
    if (actions >= kCoveringRun && (c.overFullMoves == 0 || c.events == 0 || c.reloads == 0)) {
        std::printf("soak: FAILED: %ld commands of seed %llu never reached an over-full hold, "
                    "an event or a reload\n",
                    actions, static_cast<unsigned long long>(seed));
        return 1;
    }
    return 0;
}
