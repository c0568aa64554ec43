#include "ui/Main.h"

namespace zt {

Main::Main(const Catalogue& catalogue, RandomSource& rng, QWidget* parent)
    : QMainWindow(parent), catalogue_(catalogue), rng_(rng) {
    setObjectName("Main");
    setWindowTitle("Zenthari Trader");
    resize(1000, 720);
}

} // namespace zt
