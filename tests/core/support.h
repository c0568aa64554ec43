#pragma once
// Shared by the rule tests: the shipped catalogue, scripted draws, and ready-made players.
#include "core/catalogue.h"
#include "core/new_game.h"
#include "market/market.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace zt::test {

inline const Catalogue& shippedCatalogue() {
    static const Catalogue catalogue = loadCatalogue(std::string(ZT_DATA_DIR) + "/strings.txt");
    return catalogue;
}

// A ScriptedRandom that checks, when it goes out of scope, that every draw was used.
struct Draws : ScriptedRandom {
    using ScriptedRandom::ScriptedRandom;
    ~Draws() override { EXPECT_EQ(remaining(), 0u) << "draws left over"; }
};

// A player at the start galaxy with the given money flying ship `ship` with the given fuel
// and shields.
inline GameState flying(std::int32_t cash, std::int32_t debt, std::int16_t ship = 1,
                        std::int16_t fuel = 0, std::int16_t shields = 0) {
    GameState state;
    state.currentGalaxy = kStartGalaxy;
    state.cash = cash;
    state.debt = debt;
    state.shipType = ship;
    state.fuel = fuel;
    state.shields = shields;
    return state;
}

// A started short game with dealt markets: galaxy 3 (the start) on cell 8 and galaxies 5, 6
// and 7 on cells 9, 21 and 42 (1, √5 and √41 squares away); the others from cell 22 on, so
// cells 1 to 7 are empty.
inline GameState startedGame() {
    GameState s;
    ClockRandom rng(11);
    resetForNewGame(s);
    layOutNewGame(s, shippedCatalogue(), rng, kShortGame);
    s.cellGalaxy.fill(0);
    int next = 22;
    for (int g = 1; g <= kGalaxies; ++g) {
        const int at = g == 3 ? 8 : g == 5 ? 9 : g == 6 ? 21 : g == 7 ? 42 : next++;
        s.galaxies[g].column = static_cast<std::int16_t>(cellColumn(at));
        s.galaxies[g].row = static_cast<std::int16_t>(cellRow(at));
        s.cellGalaxy[at] = static_cast<std::int16_t>(g);
    }
    return s;
}

// The lines of a file whose lines end with CR LF, and the file made of such lines.
inline std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0, end; pos < text.size(); pos = end + 2) {
        end = text.find("\r\n", pos);
        lines.push_back(text.substr(pos, end - pos));
    }
    return lines;
}
inline std::string crlfJoined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A fresh folder for one test, removed with everything in it (read-only or not) afterwards.
class TempDir {
  public:
    TempDir()
        : path_(std::filesystem::temp_directory_path() /
                ("zt-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(path_);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }
    std::ptrdiff_t entries() const {
        return std::distance(std::filesystem::directory_iterator(path_), {});
    }

  private:
    std::filesystem::path path_;
};

// Runs `work` in a child process as an ordinary user and returns what it answered. Root may
// write anywhere, so a child of root first becomes nobody; CI runs as root.
inline std::string asOrdinaryUser(const std::function<std::string()>& work) {
    int ends[2];
    if (::pipe(ends) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        const std::string answer = work();
        ::_exit(::write(ends[1], answer.data(), answer.size()) == ssize_t(answer.size()) ? 0 : 3);
    }
    ::close(ends[1]);
    std::string answer;
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(ends[0]);
    int status = 0;
    EXPECT_TRUE(child > 0 && ::waitpid(child, &status, 0) == child && status == 0) << status;
    return answer;
}

} // namespace zt::test
