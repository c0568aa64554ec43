// A saved game that reads is a game the rules can play, and it saves to a text that reads
// back as the same game and saves to the same bytes again.
#include "fuzz_support.h"
#include "storage/saved_game.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameState game;
    try {
        game = readSavedGame(fuzz::text(data, size), fuzz::shippedCatalogue());
    } catch (const DamagedSaveError&) {
        return 0;
    }
    const auto broken = play::brokenInvariant(game, fuzz::shippedCatalogue());
    fuzz::check(!broken, broken ? broken->c_str() : "");
    const std::string saved = savedGameText(game);
    const GameState again = readSavedGame(saved, fuzz::shippedCatalogue());
    fuzz::check(again == game, "a saved game read back as another game");
    fuzz::check(savedGameText(again) == saved, "save, read, save gave other bytes");
    return 0;
}
