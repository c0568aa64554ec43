#include "ui/NumberBox.h"

#include "core/numbers.h"
#include "ui/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace zt {

namespace {

// The keys that edit the box; the keypad's decimal key is a full stop with the keypad flag.
bool editsTheBox(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return true;
    if (key == Qt::Key_Period) return !(event.modifiers() & Qt::KeypadModifier);
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left ||
           key == Qt::Key_Space;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The keys that belong to the dialog: focus moves, its default button, its rejection.
bool belongsToTheDialog(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || isEnter(key) || key == Qt::Key_Escape;
}

} // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit("0", parent) {}

std::optional<std::int64_t> NumberBox::amount() const {
    return readWholeAmount(text().toStdString());
}

void NumberBox::focusKeptText() {
    keepSelected_ = true;
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

bool NumberBox::acceptsCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
           c == QLatin1Char(' ');
}

QString NumberBox::filtered(const QString& text) {
    QString kept;
    for (QChar c : text)
        if (acceptsCharacter(c)) kept += c;
    if (kept.size() != text.size()) beep();
    return kept;
}

void NumberBox::insertFiltered(const QString& text) {
    const QString kept = filtered(text);
    if (!kept.isEmpty()) insert(kept);
}

void NumberBox::paste() {
    insertFiltered(QGuiApplication::clipboard()->text());
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (keepSelected_) selectAll();
}

void NumberBox::mousePressEvent(QMouseEvent* event) {
    keepSelected_ = false;
    QLineEdit::mousePressEvent(event);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    keepSelected_ = false;
    if (action_ && isEnter(event->key())) {
        // Taken here, so the dialog's default button is not pressed as well; a held key acts once.
        event->accept();
        if (!event->isAutoRepeat() && action_->isEnabled()) action_->click();
        return;
    }
    if (belongsToTheDialog(event->key()) || editsTheBox(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    beep();
    event->accept();
}

void NumberBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The standard menu names its paste entry with the line edit's own translated text.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (!action->text().startsWith(pasteText)) continue;
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this, &NumberBox::paste);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void NumberBox::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        insertFiltered(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberBox::dropEvent(QDropEvent* event) {
    const QString text = event->mimeData()->text();
    const QString kept = filtered(text);
    if (kept == text) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData mime;
    mime.setText(kept);
    QDropEvent narrowed(event->position(), event->possibleActions(), &mime, event->buttons(),
                        event->modifiers(), event->type());
    narrowed.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&narrowed);
    event->setDropAction(narrowed.dropAction());
    event->setAccepted(narrowed.isAccepted());
}

void NumberBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const QString kept = filtered(commit);
    if (kept == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent narrowed(event->preeditString(), event->attributes());
    narrowed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&narrowed);
}

} // namespace zt
