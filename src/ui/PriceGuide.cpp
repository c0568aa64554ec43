#include "ui/PriceGuide.h"

#include "ui/form_parts.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zt {

PriceGuide::PriceGuide(const Texts& texts, std::span<const Item> items, int columns,
                       const QString& dataFolder, QWidget* parent)
    : QDialog(parent) {
    setUpWindow(this, texts.objectName, texts.windowCaption);

    QLabel* heading = headingLabel("Label1", QStringLiteral("Zenthari Traders Guide"), 1.6, this);
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(18);
    const int perColumn = static_cast<int>(items.size()) / columns;
    QFont bold = font();
    bold.setBold(true);
    for (int c = 0; c < columns; ++c) {
        const char* const headings[] = {"Item:", "Normal Price Range"};
        for (int h = 0; h < 2; ++h) {
            QLabel* title = captionLabel(nullptr, headings[h], this);
            title->setFont(bold);
            table->addWidget(title, 0, 2 * c + h);
        }
        for (int r = 0; r < perColumn; ++r) {
            const Item& item = items[static_cast<std::size_t>(c * perColumn + r)];
            QLabel* name = captionLabel(nullptr, item.name, this);
            table->addWidget(name, r + 1, 2 * c);
            QLabel* range = captionLabel(nullptr, item.range, this);
            name->setBuddy(range); // read as "Caffeine $10,000 - 100,000"
            setTextColour(range, kYellow);
            table->addWidget(range, r + 1, 2 * c + 1);
        }
    }
    QPushButton* close = actionButton(texts.buttonName, texts.buttonCaption, this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* body = new QHBoxLayout;
    body->addWidget(decorativePicture(dataFolder, texts.picture, this), 0, Qt::AlignTop);
    body->addLayout(table);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body);
    layout->addWidget(close, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zt
