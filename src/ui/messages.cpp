#include "ui/messages.h"

#include "ui/look.h"

#include <QApplication>
#include <QMessageBox>

namespace zt {

namespace {
MessageSink* sink = nullptr;
} // namespace

void showMessage(QWidget* parent, const QString& text) {
    if (sink) {
        sink->message(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zenthari Trader"), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("messageBox"));
    applySpaceLook(&box);
    box.exec();
}

void beep() {
    if (sink) {
        sink->beep();
        return;
    }
    QApplication::beep();
}

void setMessageSinkForTests(MessageSink* newSink) {
    sink = newSink;
}

} // namespace zt
