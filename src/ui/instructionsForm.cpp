#include "ui/instructionsForm.h"

#include "core/instructions.h"
#include "ui/look.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zt {

InstructionsForm::InstructionsForm(const Catalogue& catalogue, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("instructionsForm"));
    setWindowTitle(QStringLiteral("Instructions"));
    applySpaceLook(this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("instructionsTabs"));
    tabs_->setAccessibleName(QStringLiteral("Instructions"));
    for (const InstructionPage& page : instructionPages(catalogue)) {
        auto* text = new QPlainTextEdit(QString::fromStdString(page.text), tabs_);
        text->setObjectName(QString::fromStdString(page.textBoxName));
        text->setReadOnly(true);
        text->setAccessibleName(QString::fromStdString(page.tab));
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        tabs_->addTab(text, QString::fromStdString(page.tab));
    }

    auto* done = new QPushButton(QStringLiteral("&Done"), this);
    done->setObjectName(QStringLiteral("doneButton"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(done, 0, Qt::AlignRight);
    resize(charsWide(this, 100), linesHigh(this, 32));
}

} // namespace zt
