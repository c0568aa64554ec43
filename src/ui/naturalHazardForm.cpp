#include "ui/naturalHazardForm.h"

#include "events/natural_hazard.h"
#include "ui/look.h"

#include <QLabel>

namespace zt {

NaturalHazardForm::NaturalHazardForm(GameSession& session, QWidget* parent)
    : EventForm(session, parent, "naturalHazardForm", "Natural Hazard", "hazard.jpg", false,
                "natural.wav") {
    QLabel* alertLabel = addText("Label1", QStringLiteral("ALERT"));
    QFont big = scaledFont(alertLabel->font(), 2.2);
    big.setBold(true);
    alertLabel->setFont(big);
    alertLabel->setAlignment(Qt::AlignCenter);
    setTextColour(alertLabel, kRed);
    hazardLabel_ = addText("hazardLabel", QString());
    setTextColour(hazardLabel_, kYellow);
    addOption("goAroundOption", "Go around (always safe but costs time).");
    addOption("ProceedeOption",
              "Proceede on course (faster but can lead to shield damadge or destruction).");
    addCommand("goButton", "GO!");
}

void NaturalHazardForm::prepare() {
    const HazardAlert hazard = drawHazard(session_.catalogue(), session_.rng());
    hazardLabel_->setText(QString::fromStdString(hazard.prompt));
}

EventOutcome NaturalHazardForm::decide(int choice) {
    return passHazard(session_.state(), static_cast<HazardChoice>(choice), session_.rng());
}

} // namespace zt
