#pragma once
// A test program on a screen of a chosen size and scale, and what does not fit on it.
#include <QApplication>
#include <QSize>
#include <QStringList>
#include <QTest>

class QWidget;

namespace zt::test {

// Makes the offscreen platform show one screen whose area is `logical` pixels at the scale
// factor `scale` (1280 x 720 at 1.5 is a 1920 x 1080 screen). To be called before the
// QApplication is made, as ZT_TEST_MAIN_ON_SCREEN does.
void useVirtualScreen(QSize logical, double scale);

// What `window` does not show whole: the window itself when its frame leaves the screen's
// available area, and every visible label whose text needs more room than it has.
QStringList clippedOnScreen(QWidget* window);

} // namespace zt::test

// QTEST_MAIN for a test class run on a virtual screen (see useVirtualScreen).
#define ZT_TEST_MAIN_ON_SCREEN(TestClass, width, height, scale)                                    \
    int main(int argc, char** argv) {                                                              \
        zt::test::useVirtualScreen(QSize(width, height), scale);                                   \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
