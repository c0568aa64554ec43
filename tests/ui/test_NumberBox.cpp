#include "ui/NumberBox.h"
#include "ui/support/ui_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using zt::NumberBox;

class TestNumberBox : public QObject {
    Q_OBJECT
  private slots:
    void onlyDigitsTheStopAndSpaceGoIn();
};

// Digits, the stop, space and the editing keys go in; every other key beeps and leaves the
// text and the cursor (a held modifier beeps as a key of its own). A paste keeps only the
// accepted characters and beeps once for the rest.
void TestNumberBox::onlyDigitsTheStopAndSpaceGoIn() {
    zt::test::MessageRecorder recorder;
    QGuiApplication::clipboard()->setText("999");
    NumberBox box;
    box.clear();
    QTest::keyClicks(&box, "12.5 ");
    QTest::keyClick(&box, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.text(), QString("12.5"));
    QCOMPARE(recorder.beeps, 0);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> refused[] = {
        {Qt::Key_A, Qt::NoModifier},          {Qt::Key_Minus, Qt::NoModifier},
        {Qt::Key_Minus, Qt::KeypadModifier},  {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Period, Qt::KeypadModifier}, {Qt::Key_V, Qt::ControlModifier}};
    box.setCursorPosition(1);
    for (const auto& [key, modifiers] : refused)
        QTest::keyClick(&box, key, modifiers);
    QCOMPARE(box.text(), QString("12.5"));
    QCOMPARE(box.cursorPosition(), 1);
    QCOMPARE(recorder.beeps, 7);
    QGuiApplication::clipboard()->setText("2a3-4.5\n");
    box.selectAll();
    box.paste();
    QGuiApplication::clipboard()->setText("abc"); // nothing accepted: nothing replaced
    box.selectAll();
    box.paste();
    QCOMPARE(box.text(), QString("234.5"));
    QCOMPARE(recorder.beeps, 9);
}

QTEST_MAIN(TestNumberBox)
#include "test_NumberBox.moc"
