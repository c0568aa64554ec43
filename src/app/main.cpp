// Zenthari Trader: seed the game's random source from the clock and open the main window,
// which finds its files beside the program.
#include "ui/Main.h"
#include "core/catalogue.h"
#include "core/random.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zt::ClockRandom rng;

    std::unique_ptr<zt::Main> window;
    try {
        window = std::make_unique<zt::Main>(QCoreApplication::applicationDirPath(), rng);
    } catch (const zt::CatalogueError& e) {
        std::fprintf(stderr, "Zenthari Trader cannot start: %s\n", e.what());
        QMessageBox::critical(
            nullptr, "Zenthari Trader",
            QString("The game cannot start:\n%1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    window->show();
    window->showStartupForm();
    return app.exec();
}
