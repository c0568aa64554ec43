#pragma once
#include "ui/eventForm.h"

namespace zt {

// Space pirates after the cargo: run, dump the cargo, or call the police.
class SpacePiratesForm : public EventForm {
    Q_OBJECT
  public:
    SpacePiratesForm(GameSession& session, QWidget* parent);

  protected:
    EventOutcome decide(int choice) override;
};

} // namespace zt
