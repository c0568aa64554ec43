#include "ui/scrapForm.h"

#include "services/scrapping.h"
#include "ui/GameSession.h"
#include "ui/form_parts.h"
#include "ui/look.h"
#include "ui/messages.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zt {

ScrapForm::ScrapForm(GameSession& session, QWidget* parent) : QDialog(parent), session_(session) {
    setUpWindow(this, "scrapForm", "No Demand");
    QLabel* question = captionLabel(
        "Label1", "Sorry, there is no demand for that item here. What do you wish to do?", this);
    question->setWordWrap(true);
    question->setMinimumWidth(charsWide(question, 46));
    scrapOption_ = optionButton("scrapOption", "Scrap cargo item (receive $2 per unit).", this);
    QRadioButton* neverMind = optionButton("neverMindOption", "Never mind", this);
    neverMind->setChecked(true);
    QPushButton* go = actionButton("continueButton", "Continue", this);
    go->setDefault(true);
    connect(go, &QPushButton::clicked, this, &ScrapForm::continueButton_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(scrapOption_);
    layout->addWidget(neverMind);
    layout->addWidget(go, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool ScrapForm::offer(int good) {
    good_ = good;
    scrapped_ = false;
    exec();
    return scrapped_;
}

void ScrapForm::continueButton_Click() {
    if (scrapOption_->isChecked()) {
        scrapped_ = scrapCargo(session_.state(), good_).done();
        if (!scrapped_) beep();
    }
    accept();
}

} // namespace zt
