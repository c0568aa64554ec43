#include "ui/spacePiratesForm.h"

#include "events/space_pirates.h"
#include "ui/look.h"

#include <QLabel>

namespace zt {

SpacePiratesForm::SpacePiratesForm(GameSession& session, QWidget* parent)
    : EventForm(session, parent, "spacePiratesForm", "Space Pirates", "pirates.jpg", true,
                "pirates.wav") {
    setTextColour(addText("Label1", QStringLiteral("Space Pirates off the port bow!!! What do "
                                                   "you wish to do?")),
                  kYellow);
    addOption("runOption", "Run (success rate depends on ship speed).");
    addOption("dumbCargoOption", "Dump Cargo (they get your cargo, but you keep your life).");
    addOption("callForHelpOption", "Call For Help (success rate varies, don't bother if your "
                                   "carrying black market goods).");
    addCommand("goButton", "GO");
}

EventOutcome SpacePiratesForm::decide(int choice) {
    return meetPirates(session_.state(), session_.catalogue(), static_cast<PiratesChoice>(choice),
                       session_.rng());
}

} // namespace zt
