#pragma once
// A test program on a screen of a chosen size and scale.
#include <QApplication>
#include <QSize>
#include <QTest>

namespace zt::test {

// Makes the offscreen platform show one screen whose area is `logical` pixels at the scale
// factor `scale` (1280 x 720 at 1.5 is a 1920 x 1080 screen). To be called before the
// QApplication is made, as ZT_TEST_MAIN_ON_SCREEN does.
void useVirtualScreen(QSize logical, double scale);

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
