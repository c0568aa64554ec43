#include "ui/eventForm.h"

#include "ui/form_parts.h"
#include "ui/look.h"
#include "ui/media_files.h"
#include "ui/messages.h"

#include <QButtonGroup>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTransform>

namespace zt {

namespace {

QLabel* pictureLabel(const char* name, const QPixmap& picture, QWidget* parent) {
    QLabel* label = captionLabel(name, "", parent);
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

EventForm::EventForm(GameSession& session, QWidget* parent, const char* objectName,
                     const char* title, const char* picture, bool twoPictures, const char* sound)
    : QDialog(parent), session_(session), sound_(QString::fromLatin1(sound)),
      options_(new QButtonGroup(this)) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromUtf8(title));
    applySpaceLook(this);

    const QPixmap image =
        loadPicture(QDir(session.dataFolder())
                        .filePath(QStringLiteral("Graphics/") + QString::fromLatin1(picture)));
    auto* row = new QHBoxLayout(this);
    row->setSpacing(16);
    row->addWidget(pictureLabel("Image1", image, this));
    column_ = new QVBoxLayout;
    column_->setSpacing(10);
    row->addLayout(column_, 1);
    if (twoPictures)
        row->addWidget(pictureLabel("Image2", image.transformed(QTransform().scale(-1, 1)), this));
    row->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* EventForm::addText(const char* name, const QString& text) {
    QLabel* label = captionLabel(name, "", this);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setMinimumWidth(charsWide(label, 60));
    column_->addWidget(label);
    return label;
}

QRadioButton* EventForm::addOption(const char* name, const char* text) {
    QRadioButton* option = optionButton(name, text, this);
    option->setChecked(options_->buttons().isEmpty());
    options_->addButton(option, static_cast<int>(options_->buttons().size()));
    column_->addWidget(option);
    return option;
}

void EventForm::addCommand(const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefault(true);
    button->setMinimumSize(charsWide(button, 20), linesHigh(button, 2));
    connect(button, &QPushButton::clicked, this, &EventForm::command);
    column_->addSpacing(6);
    column_->addWidget(button, 0, Qt::AlignCenter);
}

void EventForm::alert() {
    prepare();
    session_.playSound(sound_);
    exec();
}

void EventForm::command() {
    const EventOutcome outcome = decide(options_->checkedId());
    session_.eventDecided(); // the status first, then the messages
    for (const std::string& message : outcome.messages)
        showMessage(this, QString::fromStdString(message));
    accept();
}

} // namespace zt
