#pragma once
// A window test on a screen of a chosen size: the offscreen platform reads its screens from a
// file given with the platform, and QT_SCALE_FACTOR scales every window as a desktop would.
#include <QApplication>
#include <QTest>

namespace zt::test {

// Gives the application about to be made one screen of `width` × `height` device pixels,
// seen by the windows as that size divided by `scale`. Call before the QApplication exists.
void withScreen(int width, int height, double scale);

} // namespace zt::test

// QTEST_MAIN for a test on such a screen.
#define ZT_TEST_MAIN_ON_SCREEN(TestObject, width, height, scale)                                   \
    int main(int argc, char** argv) {                                                              \
        zt::test::withScreen(width, height, scale);                                                \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
