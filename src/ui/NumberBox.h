#pragma once
// The one amount box of the game: every box where the player types a quantity or a sum of
// money (the trading dialogs' `Number`, the bank's amounts, the fuel and shield shops) is a
// NumberBox.
//
// Use:
//   auto* box = new NumberBox(dialog);      // initial text "0"
//   box->setObjectName("Number");
//   std::optional<std::int64_t> n = box->amount();
//   if (!n) { beep(); return; }             // a fraction such as "2.5": refused, no change
//   ... hand *n to the rule, beep when the rule refuses it ...
//
// Every refusal beeps through beep() of ui/messages.h, where tests can count the beeps.
//
// Typing: only the digits (main keys and keypad), the full stop, Backspace, Delete, Left
// arrow and Space are taken. Every other key press (Shift, Right arrow, minus, the keypad's
// decimal key, letters, shortcuts such as Ctrl+V) beeps and leaves the text as it was. Tab and
// Shift+Tab still move the focus and Escape still closes the dialog. Return and Enter press the
// box's own button (Buy, Sell, Borrow, Repay) once per press, and never the dialog's default
// button as well; a box without a button leaves them to the dialog.
//
// Pasting (context menu, middle button) and dropping: only the accepted characters go in; a
// text holding anything else beeps once and the rest of it is inserted.
//
// setText() is not filtered: a window may put any text there (such as a negative maximum).
#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

#include <cstdint>
#include <optional>

namespace zt {

class NumberBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberBox(QWidget* parent = nullptr);

    // The whole amount typed, by the reading rule (its leading number; 0 for an empty text
    // or one that starts with something else), or nothing when it has a fractional part.
    std::optional<std::int64_t> amount() const;

    // The button that Return and Enter press while the box has the focus.
    void setAction(QAbstractButton* button) { action_ = button; }

    // Takes the focus with the whole kept text selected, so typing replaces it; the text is
    // selected again whenever the box regains the focus before the player types or clicks.
    // (A window being shown may take the focus away and give it back.)
    void focusKeptText();

    // A character that typing, pasting or dropping lets into the box.
    static bool acceptsCharacter(QChar c);

  public slots:
    // Pastes the clipboard's accepted characters at the cursor (beeps if it held others).
    void paste();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The accepted characters of `text`; beeps when some were left out.
    static QString filtered(const QString& text);
    void insertFiltered(const QString& text);

    QPointer<QAbstractButton> action_;
    bool keepSelected_ = false;
};

} // namespace zt
