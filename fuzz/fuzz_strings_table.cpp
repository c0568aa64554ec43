// Any strings table the game accepts is one it can play: a new game of every length, the
// markets drawn to their edges, routes for every ship, the manual, and a saved game that
// loads again.
#include "core/instructions.h"
#include "core/new_game.h"
#include "fuzz_support.h"
#include "market/market.h"
#include "storage/saved_game.h"
#include "travel/route.h"

using namespace zt;

namespace {

// Draws at the edges of [0, 1) by turns with seeded ones, so that the dealing loops end and
// the highest prices and quantities are drawn.
class EdgeRandom final : public RandomSource {
  public:
    float next() override {
        const float edges[] = {0.0f, 0.99999994f, 0.5f};
        return turn_++ % 2 ? edges[(turn_ / 2) % 3]
                           : static_cast<float>(seeded_() >> 8) / 16777216.0f;
    }

  private:
    std::mt19937 seeded_{5};
    unsigned turn_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Catalogue catalogue;
    try {
        catalogue = catalogueFromTable(parseStringTable(fuzz::text(data, size), "strings.txt"),
                                       "strings.txt");
    } catch (const CatalogueError&) {
        return 0;
    }
    EdgeRandom draws;
    for (int length = 1; length <= 3; ++length) {
        GameState game;
        resetForNewGame(game);
        layOutNewGame(game, catalogue, draws, length);
        for (int refresh = 0; refresh < 3; ++refresh) {
            try {
                readSavedGame(savedGameText(game), catalogue);
            } catch (const DamagedSaveError& e) {
                fuzz::check(false, e.what());
            }
            refreshMarkets(game, catalogue, draws);
        }
        for (int ship = 1; ship <= kShipTypes; ++ship) {
            const Route route = routeBetween(game.galaxies[1], game.galaxies[2],
                                             catalogue.ships[ship].speedFactor());
            fuzz::check(route.fuelNeeded >= 0 && route.toll >= 0, "a route of negative cost");
        }
    }
    fuzz::check(instructionPages(catalogue).size() == 6, "the manual lost a page");
    return 0;
}
