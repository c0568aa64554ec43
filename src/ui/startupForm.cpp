#include "ui/startupForm.h"

#include "ui/look.h"
#include "ui/media_files.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zt {

StartupForm::StartupForm(const QString& picture, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("startupForm"));
    setWindowTitle(QStringLiteral("Zenthari Trader"));
    applySpaceLook(this);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(headingLabel("Label1", QStringLiteral("Zenthari Trader"), 2.2, this));
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(loadPicture(picture));
    image->setAlignment(Qt::AlignCenter);
    layout->addWidget(image);

    const struct {
        const char* name;
        const char* caption;
        void (StartupForm::*chosen)();
    } buttons[] = {{"startNewGameButton", "Start New Game", &StartupForm::startNewGameChosen},
                   {"loadSavedGameButton", "Load Saved Game", &StartupForm::loadSavedGameChosen},
                   {"instructionsButton", "** Instructions **", &StartupForm::instructionsChosen}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setMinimumHeight(linesHigh(button, 2));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.chosen);
        layout->addWidget(button);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zt
