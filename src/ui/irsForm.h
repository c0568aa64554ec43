#pragma once
#include "ui/eventForm.h"

namespace zt {

// The IRS inspection of a ship carrying black-market goods: dump the cargo, run, plead
// guilty or hire an attorney.
class IrsForm : public EventForm {
    Q_OBJECT
  public:
    IrsForm(GameSession& session, QWidget* parent);

  protected:
    EventOutcome decide(int choice) override;
};

} // namespace zt
