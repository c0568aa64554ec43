#pragma once
#include <QString>

class QWidget;

namespace zt {

// Shows `text` in a modal box titled "Zenthari Trader" with one OK button.
void showMessage(QWidget* parent, const QString& text);

// The bell that answers a refused amount or key.
void beep();

// Where messages and beeps go instead of the screen and the bell, so tests can see them.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void message(QWidget* parent, const QString& text) = 0;
    virtual void beep() = 0;
};

// Sends every message and beep to `sink` from now on; nullptr restores the box and the bell.
void setMessageSinkForTests(MessageSink* sink);

} // namespace zt
