// The main window on a laptop at 150 %: a 1920 x 1080 screen, 1280 x 720 logical pixels.
#include "ui/support/ui_support.h"
#include "ui/support/virtual_screen.h"

#include <QScreen>

using namespace zt;
using namespace zt::test;

class MainWindowFitTest : public QObject {
    Q_OBJECT
  private slots:
    void fitsTheScreenWithNothingClipped();
};

void MainWindowFitTest::fitsTheScreenWithNothingClipped() {
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1280, 720));
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.5);
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    QApplication::processEvents();
    QVERIFY2(clippedOnScreen(&m).isEmpty(), qPrintable(clippedOnScreen(&m).join("; ")));
}

ZT_TEST_MAIN_ON_SCREEN(MainWindowFitTest, 1280, 720, 1.5)
#include "test_main_window_fit.moc"
