#include "ui/form_parts.h"

#include "core/numbers.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QPushButton>

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

QPushButton* doneButton(QDialog* window) {
    QPushButton* button = actionButton("doneButton", "&Done", window);
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::accept);
    return button;
}

void addFormRows(QGridLayout* grid, int row, std::initializer_list<FormRow> rows) {
    for (const FormRow& r : rows) {
        grid->addWidget(captionLabel(r.captionName, r.caption, r.value->parentWidget()), row, 0);
        grid->addWidget(r.value, row++, 1);
    }
}

void setUpWindow(QDialog* window, const char* name, const char* caption) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QString::fromUtf8(caption));
    applySpaceLook(window);
}

} // namespace zt
