#include "ui/irsForm.h"

#include "events/irs_inspection.h"
#include "ui/look.h"

#include <QLabel>

namespace zt {

IrsForm::IrsForm(GameSession& session, QWidget* parent)
    : EventForm(session, parent, "irsForm", "IRS Inspection", "irs.jpg", true, "irs.wav") {
    setTextColour(addText("Label1", QStringLiteral("You have been found to be in posetion of "
                                                   "illegal goods for which taxes have not been "
                                                   "paid. What do you wish to do?")),
                  kYellow);
    addOption("dumpCargoOption", "Dump cargo (no evidence, no crime).");
    addOption("runOption", "RUN!  (costs nothing if successful, but very bad if you're caught).");
    addOption("pleadGuiltyOption", "Plead guilty (usually results in lighter penalties).");
    addOption("hireAttourneyOption", "Hire an attorney (costs 20% of your cash or $5,000 "
                                     "whichever is greater, success rate varies).");
    addCommand("passJudgementButton", "Pass Judgement");
}

EventOutcome IrsForm::decide(int choice) {
    return faceIrs(session_.state(), session_.catalogue(), static_cast<IrsChoice>(choice),
                   session_.rng());
}

} // namespace zt
