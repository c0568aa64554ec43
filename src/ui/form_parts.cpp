#include "ui/form_parts.h"

#include "core/numbers.h"
#include "ui/ClickableLabel.h"
#include "ui/NumberBox.h"
#include "ui/TradeList.h"
#include "ui/look.h"
#include "ui/media_files.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <cstring>

namespace zt {

QString moneyText(std::int64_t amount) {
    return qtext(formatMoney(amount));
}

QString groupedText(std::int64_t number) {
    return qtext(addCommas(std::to_string(number)));
}

QLabel* captionLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    if (name) label->setObjectName(QString::fromLatin1(name));
    return label;
}

void styleValueLabel(QLabel* label, const char* name) {
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("$00,000,000")));
    setTextColour(label, kYellow);
}

QPushButton* actionButton(const char* name, const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

ClickableLabel* fillFigure(const char* name, QWidget* parent) {
    auto* figure = valueLabel<ClickableLabel>(name, parent);
    figure->setFocusPolicy(Qt::TabFocus);
    return figure;
}

NumberBox* amountBox(const char* name, const char* spokenName, QWidget* parent) {
    auto* box = new NumberBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromUtf8(spokenName));
    return box;
}

void tabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* before = nullptr;
    for (QWidget* w : widgets) {
        if (before) QWidget::setTabOrder(before, w);
        before = w;
    }
}

QPushButton* doneButton(QDialog* window) {
    QPushButton* button = actionButton("doneButton", "&Done", window);
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::accept);
    return button;
}

void addFormRows(QGridLayout* grid, int row, std::initializer_list<FormRow> rows) {
    for (const FormRow& r : rows) {
        QLabel* caption = captionLabel(r.captionName, r.caption, r.value->parentWidget());
        caption->setBuddy(r.value);
        grid->addWidget(caption, row, 0);
        grid->addWidget(r.value, row++, 1);
    }
}

void setUpWindow(QDialog* window, const char* name, const char* caption) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QString::fromUtf8(caption));
    applySpaceLook(window);
}

QRadioButton* optionButton(const char* name, const char* caption, QWidget* parent) {
    auto* option = new QRadioButton(QString::fromUtf8(caption), parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

QLabel* decorativePicture(const QString& dataFolder, const char* fileName, QWidget* parent) {
    QLabel* picture = captionLabel("Image1", "", parent);
    picture->setPixmap(
        loadPicture(QDir(dataFolder).filePath(QStringLiteral("Graphics/") + fileName)));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QFont listFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

TradeList* tradeList(const char* name, int rows, int mostRows, QWidget* parent) {
    auto* list = new TradeList(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(listFont());
    // The last column holds at most a heading's worth of digits; the rest of its padding
    // needs no room. A list that can hold more rows than it shows needs its scroll bar.
    const int row = kNameColumn + kPriceColumn + int(std::strlen("Quantity:"));
    const QFontMetrics metrics(list->font());
    const QStyle* style = list->style();
    const int frame = 2 * list->frameWidth();
    const int textMargins =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int scrollBar =
        mostRows > rows ? style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) : 0;
    list->setMinimumWidth(metrics.horizontalAdvance(QString(row, QLatin1Char('0'))) + frame +
                          textMargins + scrollBar);
    list->setMinimumHeight((metrics.height() + 2) * rows + frame);
    // Only the padding after the last column can be out of sight: no scroll bar, no "…".
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    return list;
}

QString marketTitle(const GameState& state, MarketKind kind) {
    const QString suffix = kind == MarketKind::tradingPost ? QStringLiteral(" Trading Post")
                                                           : QStringLiteral(" Black Market");
    return qtext(state.galaxies[state.currentGalaxy].name) + suffix;
}

} // namespace zt
