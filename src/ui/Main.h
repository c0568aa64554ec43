#pragma once
#include "core/catalogue.h"
#include "core/game_state.h"
#include "core/random.h"

#include <QMainWindow>

namespace zt {

// The game's main window: the map, the route panel, the status panel and the menus.
class Main : public QMainWindow {
    Q_OBJECT
public:
    Main(const Catalogue& catalogue, RandomSource& rng, QWidget* parent = nullptr);

private:
    const Catalogue& catalogue_;
    RandomSource& rng_;
    GameState state_;
};

} // namespace zt
