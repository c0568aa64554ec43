#include "ui/panel_parts.h"

#include "ui/form_parts.h"
#include "ui/look.h"

#include <QGridLayout>

namespace zt {

void setPanelWidth(QWidget* panel) {
    panel->setFixedWidth(charsWide(panel, 93) + 2);
}

QGroupBox* panelFrame(const char* name, const char* title, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    setPanelWidth(box);
    return box;
}

QLabel* panelValue(const char* name, const char* caption, QWidget* parent) {
    QLabel* label = captionLabel(name, caption, parent);
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, kYellow);
    return label;
}

QLabel* panelList(const char* name, QWidget* parent) {
    QLabel* label = panelValue(name, kNothingYet, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());
    return label;
}

void addPanelRows(QGridLayout* grid, int row,
                  std::initializer_list<std::pair<const char*, QLabel*>> rows, int span) {
    for (const auto& [text, value] : rows) {
        QLabel* caption = captionLabel(nullptr, text, value->parentWidget());
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->setBuddy(value);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row++, 1, 1, span);
    }
}

QPushButton* panelButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(linesHigh(button, 2.15));
    return button;
}

} // namespace zt
