#include "ui/form_parts.h"

#include "ui/look.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace zt {

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* valueLabel(const char* name, QWidget* parent) {
    QLabel* label = namedLabel(name, QString(), parent);
    setTextColour(label, kYellow);
    return label;
}

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QRadioButton* namedOption(const char* name, const QString& caption, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

QLabel* decorativePicture(const QString& programFolder, const char* fileName, QWidget* parent) {
    QLabel* picture = namedLabel("Image1", QString(), parent);
    picture->setPixmap(
        QPixmap(QDir(programFolder).filePath(QStringLiteral("Graphics/") + fileName)));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QFont listFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Nimbus Mono PS"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}

QListWidget* tradeList(const char* name, int rows, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(listFont());
    const QFontMetrics metrics(list->font());
    const int row = kNameColumn + kPriceColumn + kQuantityColumn;
    list->setMinimumWidth(metrics.horizontalAdvance(QString(row, QLatin1Char('0'))) + 28);
    list->setMinimumHeight(metrics.lineSpacing() * rows + 12);
    return list;
}

QString marketTitle(const GameState& state, MarketKind kind) {
    const QString suffix = kind == MarketKind::tradingPost ? QStringLiteral(" Trading Post")
                                                           : QStringLiteral(" Black Market");
    return qText(state.galaxies[state.currentGalaxy].name) + suffix;
}

} // namespace zt
