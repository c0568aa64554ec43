#include "ui/aboutForm.h"

#include "ui/look.h"
#include "ui/media_files.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace zt {

AboutForm::AboutForm(const QString& picture, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutForm"));
    setWindowTitle(QStringLiteral("About Zenthari Trader"));
    applySpaceLook(this);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(loadPicture(picture));
    auto* credits = new QLabel(QStringLiteral("Version 1.0\n\n"
                                              "A game of trade among the sixteen galaxies\n"
                                              "of the Zenthari universe.\n\n"
                                              "Made by the Zenthari Trader team.\n"
                                              "Pictures and sounds drawn by the game's own tools."),
                               this);
    credits->setObjectName(QStringLiteral("creditsLabel"));
    credits->setTextFormat(Qt::PlainText);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("doneButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(18);
    grid->addWidget(headingLabel("Label1", QStringLiteral("Zenthari Trader"), 2.0, this), 0, 0, 1,
                    2);
    grid->addWidget(image, 1, 0);
    grid->addWidget(credits, 1, 1);
    grid->addWidget(ok, 2, 0, 1, 2, Qt::AlignCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zt
