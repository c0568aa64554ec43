#include "ui/NumberBox.h"
#include "ui/support/ui_support.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

using zt::NumberBox;

class TestNumberBox : public QObject {
    Q_OBJECT
    zt::test::MessageRecorder recorder;

  private slots:
    void init() { recorder.beeps = 0; }

    // Digits, the stop, space and the editing keys go in; every other key beeps and leaves
    // the text and the cursor (a held modifier beeps as a key of its own).
    void keysAreFiltered() {
        QGuiApplication::clipboard()->setText("999");
        NumberBox box; // reading the amount is the rules' business; this is what goes in
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
    }

    // Pasting, the context menu's Paste, dropping and composing all keep only the accepted
    // characters, beep once for the rest, and a text with nothing accepted replaces nothing.
    void everyOtherWayInIsFiltered() {
        NumberBox box;
        box.clear();
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QGuiApplication::clipboard()->setText("2a3-4.5\n");
        box.paste();
        QGuiApplication::clipboard()->setText("abc");
        box.selectAll();
        box.paste();
        QCOMPARE(box.text(), QString("234.5"));
        QCOMPARE(recorder.beeps, 2);

        box.clear();
        QGuiApplication::clipboard()->setText("x42y");
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    box.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&box, &menuEvent);
        QMenu* menu = box.findChild<QMenu*>();
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste"))) action->trigger();
        menu->close();
        QCOMPARE(box.text(), QString("42"));

        box.clear();
        QMimeData mime;
        mime.setText("m8n");
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &enter);
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &drop);
        QInputMethodEvent compose;
        compose.setCommitString("5e");
        QApplication::sendEvent(&box, &compose);
        QCOMPARE(box.text(), QString("85"));
        QCOMPARE(recorder.beeps, 5);
    }
};

QTEST_MAIN(TestNumberBox)
#include "test_NumberBox.moc"
