// A saved game that reads, then played: every command with the amounts a player might type,
// flights with every answer to every event, ends of game and new games, each promise of the
// rules checked after every command. The input is the saved game, a NUL, then the choices
// and the draws.
#include "fuzz_support.h"
#include "storage/saved_game.h"

#include <algorithm>

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* end = data + size;
    const std::uint8_t* nul = std::find(data, end, 0);
    GameState game;
    try {
        game = readSavedGame(fuzz::text(data, static_cast<std::size_t>(nul - data)),
                             fuzz::shippedCatalogue());
    } catch (const DamagedSaveError&) {
        return 0;
    }
    FuzzedDataProvider input(nul == end ? end : nul + 1,
                             static_cast<std::size_t>(end - std::min(end, nul + 1)));
    fuzz::InputChooser chooser(input);
    fuzz::InputRandom draws(input);
    play::RandomPlayer player(fuzz::shippedCatalogue(), chooser, draws);
    player.startFrom(game);
    try {
        for (int command = 0; command < 400 && input.remaining_bytes() > 0; ++command)
            player.playOne();
    } catch (const play::Broken& e) {
        fuzz::check(false, e.what());
    }
    return 0;
}
