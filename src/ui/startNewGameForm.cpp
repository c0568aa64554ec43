#include "ui/startNewGameForm.h"

#include "core/new_game.h"
#include "ui/look.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zt {

namespace {
QRadioButton* option(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}
} // namespace

StartNewGameForm::StartNewGameForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("startNewGameForm"));
    setWindowTitle(QStringLiteral("New Game"));
    applySpaceLook(this);

    QLabel* heading = headingLabel("Label1", QStringLiteral("New Game"), 1.6, this);

    auto* frame = new QGroupBox(QStringLiteral("Set Game Length"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    shortOption_ = option("shortOption", "Short (ends year 2400)", frame);
    normalOption_ = option("normalOption", "Normal (ends year 2700)", frame);
    longOption_ = option("longOption", "Long (ends year 3500)", frame);
    shortOption_->setChecked(true);
    auto* options = new QVBoxLayout(frame);
    options->addWidget(shortOption_);
    options->addWidget(normalOption_);
    options->addWidget(longOption_);

    auto* begin = new QPushButton(QStringLiteral("Begin New Game"), this);
    begin->setObjectName(QStringLiteral("beginNewGameButton"));
    begin->setDefault(true);
    connect(begin, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(frame);
    layout->addWidget(begin);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int StartNewGameForm::gameLength() const {
    if (shortOption_->isChecked()) return kShortGame;
    if (normalOption_->isChecked()) return kNormalGame;
    return kLongGame;
}

} // namespace zt
