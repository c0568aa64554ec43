// Zenthari Trader: answer --help and --version, decide where the game's files live, seed
// the game's random source from the clock and open the main window.
#include "ui/Main.h"
#include "app/command_line.h"
#include "core/catalogue.h"
#include "core/random.h"
#include "storage/file_io.h"
#include "storage/game_folders.h"
#include "ui/look.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    // Answered before Qt starts, so they need no display.
    const zt::CommandLine line = zt::readCommandLine(argc, argv);
    switch (line.action) {
    case zt::CommandLine::Action::Help:
        std::fputs(zt::usageText().c_str(), stdout);
        return 0;
    case zt::CommandLine::Action::Version:
        std::fputs(zt::versionText().c_str(), stdout);
        return 0;
    case zt::CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n%s", line.complaint.c_str(), zt::usageText().c_str());
        return 2;
    case zt::CommandLine::Action::Play:
        break;
    }

    zt::ignoreFileSizeLimitSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zenthari-trader"));
    QApplication::setApplicationVersion(QStringLiteral(ZT_VERSION));
    // Docks, window lists and the sound mixer find the game's name and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZT_APP_ID));
    QApplication::setWindowIcon(zt::gameIcon());

    const zt::GameFolders folders = zt::decideGameFolders(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
        zt::kInstalledDataFromProgram, zt::UserEnvironment::ofThisProcess());
    zt::ClockRandom rng;
    std::unique_ptr<zt::Main> window;
    try {
        window = std::make_unique<zt::Main>(folders, rng);
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
