#include "ui/NumberBox.h"
#include "ui/support/ui_support.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using zt::NumberBox;

class TestNumberBox : public QObject {
    Q_OBJECT
    zt::test::MessageRecorder recorder;

  private slots:
    void init() { recorder.beeps = 0; }

    void startsAtZeroAndReadsWholeAmounts() {
        NumberBox box;
        QCOMPARE(box.text(), QString("0"));
        const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
            {"12", 12}, {"2.5", std::nullopt}, {"-5", 0}, // a negative maximum clicked in
        };
        for (const auto& [text, amount] : cases) {
            box.setText(text);
            QCOMPARE(box.text(), QString(text)); // setText is not filtered
            QCOMPARE(box.amount(), amount);
        }
        QCOMPARE(recorder.beeps, 0);
    }

    void refusedKeysBeepAndLeaveTheText_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("beeped"); // a held modifier beeps as a key of its own
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 1;
        QTest::newRow("minus") << int(Qt::Key_Minus) << int(Qt::NoModifier) << 1;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 1;
        QTest::newRow("right arrow") << int(Qt::Key_Right) << int(Qt::NoModifier) << 1;
        QTest::newRow("home") << int(Qt::Key_Home) << int(Qt::NoModifier) << 1;
        QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::NoModifier) << 1;
        QTest::newRow("keypad decimal") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << 1;
        QTest::newRow("comma") << int(Qt::Key_Comma) << int(Qt::NoModifier) << 1;
        QTest::newRow("shifted digit") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 2;
        QTest::newRow("paste shortcut") << int(Qt::Key_V) << int(Qt::ControlModifier) << 2;
        QTest::newRow("select all") << int(Qt::Key_A) << int(Qt::ControlModifier) << 2;
    }
    void refusedKeysBeepAndLeaveTheText() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, beeped);
        QGuiApplication::clipboard()->setText("999");
        NumberBox box;
        box.setText("12");
        box.setCursorPosition(1);
        QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box.text(), QString("12"));
        QCOMPARE(box.cursorPosition(), 1);
        QCOMPARE(recorder.beeps, beeped);
    }

    void acceptedKeysEditTheText() {
        NumberBox box;
        box.clear();
        QTest::keyClicks(&box, "12.5 ");
        QCOMPARE(box.text(), QString("12.5 "));
        QTest::keyClick(&box, Qt::Key_7, Qt::KeypadModifier);
        QCOMPARE(box.text(), QString("12.5 7"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.text(), QString("12. "));
        QCOMPARE(recorder.beeps, 0);
        QTest::keyClicks(&box, "4x-");
        QCOMPARE(box.text(), QString("12.4 "));
        QCOMPARE(recorder.beeps, 2);
    }

    void dialogKeysKeepTheirMeaning() {
        QDialog dialog;
        auto* first = new NumberBox(&dialog);
        auto* second = new NumberBox(&dialog);
        auto* ok = new QPushButton("OK", &dialog);
        ok->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(ok);
        int pressed = 0;
        QObject::connect(ok, &QPushButton::clicked, [&] { ++pressed; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(second, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), first);
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(pressed, 1);
        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(first->text(), QString("0"));
        QCOMPARE(recorder.beeps, 0);
    }

    void pastingKeepsOnlyTheAcceptedCharacters() {
        NumberBox box;
        box.setText("1");
        box.setCursorPosition(1);
        QGuiApplication::clipboard()->setText("2a3-4.5\n");
        box.paste();
        QCOMPARE(box.text(), QString("1234.5"));
        QCOMPARE(recorder.beeps, 1);
        QGuiApplication::clipboard()->setText("67");
        box.paste();
        QCOMPARE(box.text(), QString("1234.567"));
        QCOMPARE(recorder.beeps, 1);
        QGuiApplication::clipboard()->setText("abc");
        box.selectAll();
        box.paste(); // nothing accepted: nothing replaced
        QCOMPARE(box.text(), QString("1234.567"));
        QCOMPARE(recorder.beeps, 2);
    }

    void theContextMenuPastesThroughTheFilter() {
        NumberBox box;
        box.clear();
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QGuiApplication::clipboard()->setText("x42y");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                box.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&box, &event);
        QMenu* menu = box.findChild<QMenu*>();
        QVERIFY(menu);
        QAction* paste = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        QCOMPARE(box.text(), QString("42"));
        QCOMPARE(recorder.beeps, 1);
    }

    void droppedAndComposedTextIsFiltered() {
        NumberBox box;
        box.clear();
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QMimeData mime;
        mime.setText("m8n");
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &enter);
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &drop);
        QCOMPARE(box.text(), QString("8"));
        QCOMPARE(recorder.beeps, 1);

        QInputMethodEvent compose;
        compose.setCommitString("5e");
        QApplication::sendEvent(&box, &compose);
        QCOMPARE(box.text(), QString("85"));
        QCOMPARE(recorder.beeps, 2);
    }
};

QTEST_MAIN(TestNumberBox)
#include "test_NumberBox.moc"
