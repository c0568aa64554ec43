// Zenthari Trader: load the game world from beside the program and open the main window.
#include "core/catalogue.h"
#include "core/random.h"
#include "ui/Main.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zt::ClockRandom rng;

    const QString table = QDir(QCoreApplication::applicationDirPath()).filePath(zt::kStringsFileName);
    zt::Catalogue catalogue;
    try {
        catalogue = zt::loadCatalogue(table.toStdString());
    } catch (const zt::CatalogueError& e) {
        std::fprintf(stderr, "Zenthari Trader cannot start: %s\n", e.what());
        QMessageBox::critical(nullptr, "Zenthari Trader",
                              QString("The game cannot start:\n%1").arg(QString::fromUtf8(e.what())));
        return 1;
    }

    zt::Main window(catalogue, rng);
    window.show();
    return app.exec();
}
