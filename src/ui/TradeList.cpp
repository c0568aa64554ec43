#include "ui/TradeList.h"

#include <QKeyEvent>

namespace zt {

namespace {

QString withoutColons(QString caption) {
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

TradeList::TradeList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this, &TradeList::rowChosen);
}

void TradeList::setColumns(const QStringList& captions) {
    columns_ = captions;
    setAccessibleName(heading());
}

QString TradeList::heading() const {
    return columns_.isEmpty() ? QString() : withoutColons(columns_.front());
}

QString TradeList::spokenRow(int row) const {
    const QListWidgetItem* it = item(row);
    if (!it) return {};
    // A row is a name (which may hold blanks) followed by two figures, each padded with blanks.
    QStringList words = it->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList fields;
    for (int i = 0; i < 2 && words.size() > 1; ++i)
        fields.prepend(words.takeLast());
    fields.prepend(words.join(QLatin1Char(' ')));
    QStringList spoken{fields.front()};
    for (int i = 1; i < fields.size(); ++i)
        spoken << withoutColons(columns_.value(i)).toLower() + QLatin1Char(' ') + fields[i];
    return spoken.join(QStringLiteral(", "));
}

void TradeList::choose(int row) {
    if (QListWidgetItem* it = item(row)) emit rowChosen(it);
}

void TradeList::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QListWidget::keyPressEvent(event);
        return;
    }
    event->accept(); // the row's dialog, not the window's default button
    if (!event->isAutoRepeat() && currentItem()) choose(currentRow());
}

} // namespace zt
