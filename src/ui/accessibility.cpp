#include "ui/accessibility.h"

#include "ui/ClickableLabel.h"
#include "ui/TradeList.h"
#include "ui/map_widgets.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTextDocument>

namespace zt {

namespace {

// A row of a trade list: read as its fields; pressing it opens the row's dialog.
class TradeRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    TradeRowAccessible(TradeList* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? list_->spokenRow(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = list_->visualItemRect(list_->item(row_));
        return r.translated(list_->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = s.selectable = true;
        if (!isValid()) return s;
        s.invisible = !list_->isVisible();
        s.selected = list_->item(row_)->isSelected();
        s.focused = list_->hasFocus() && list_->currentRow() == row_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override {
        return {QStringLiteral("Return")};
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || !isValid()) return;
        // From the event loop: the dialog is modal, and the bus call must be answered first.
        QMetaObject::invokeMethod(
            list_.data(), [list = list_, row = row_] { list->choose(row); }, Qt::QueuedConnection);
    }

  private:
    QPointer<TradeList> list_;
    const int row_;
};

// A trade list, named by its heading, whose children are its rows.
class TradeListAccessible : public QAccessibleWidget {
  public:
    explicit TradeListAccessible(TradeList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~TradeListAccessible() override {
        for (QAccessible::Id id : std::as_const(rows_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int row) const override {
        if (row < 0 || row >= list()->count()) return nullptr;
        if (!rows_.contains(row))
            rows_[row] =
                QAccessible::registerAccessibleInterface(new TradeRowAccessible(list(), row));
        return QAccessible::accessibleInterface(rows_[row]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        for (auto it = rows_.cbegin(); it != rows_.cend(); ++it)
            if (it.value() == id) return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const QListWidgetItem* item = list()->itemAt(at);
        return item ? child(list()->row(item)) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? list()->heading() : QAccessibleWidget::text(t);
    }

  private:
    TradeList* list() const { return static_cast<TradeList*>(widget()); }
    mutable QHash<int, QAccessible::Id> rows_;
};

// The caption label beside `value` (its buddy), if any.
QLabel* captionOf(const QLabel* value) {
    if (!value->parentWidget()) return nullptr;
    for (QLabel* l : value->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->buddy() == value) return l;
    return nullptr;
}

// Something a screen reader has no need of: a picture for the eye (`Image1`), or a caption it
// already reads with its value. Reported as not showing, which screen readers pass over.
bool isHidden(const QLabel* label) {
    return label->objectName().startsWith(QLatin1String("Image")) ||
           qobject_cast<const QLabel*>(label->buddy());
}

// Any label. A value is read after the caption beside it ("Cash: $5,000"); a click-to-fill
// figure is a button that can be pressed. Decided as the screen reader asks, because Qt may
// make the interface before the window has tied its captions.
class LabelAccessible : public QAccessibleWidget {
  public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (isHidden(label())) return QAccessible::Graphic;
        return fills() ? QAccessible::Button : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (isHidden(label())) s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !label()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        if (isHidden(label())) return {};
        QString shown = label()->text();
        if (label()->textFormat() != Qt::PlainText && Qt::mightBeRichText(shown)) {
            QTextDocument document;
            document.setHtml(shown);
            shown = document.toPlainText();
        }
        const QLabel* caption = captionOf(label());
        return caption ? caption->text() + QLatin1Char(' ') + shown : shown;
    }
    QStringList actionNames() const override {
        return fills() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (fills() && action == pressAction())
            emit static_cast<ClickableLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    // A figure that fills an amount box (the map's pictures take no focus and are not one).
    bool fills() const {
        return qobject_cast<ClickableLabel*>(widget()) && widget()->focusPolicy() != Qt::NoFocus;
    }
};

QAccessibleInterface* gameInterface(const QString& className, QObject* object) {
    if (QAccessibleInterface* map = mapAccessible(className, object)) return map;
    if (className == QLatin1String("zt::TradeList"))
        return new TradeListAccessible(static_cast<TradeList*>(object));
    if (className == QLatin1String("QLabel"))
        return new LabelAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&gameInterface);
        return true;
    }();
    (void)installed;
}

} // namespace zt
