#pragma once
#include "ui/eventForm.h"

namespace zt {

// A natural hazard across the ship's course: go around it and lose years, or go through it
// and lose shields, perhaps the ship.
class NaturalHazardForm : public EventForm {
    Q_OBJECT
  public:
    NaturalHazardForm(GameSession& session, QWidget* parent);

  protected:
    // Draws the hazard met and names it in the prompt.
    void prepare() override;
    EventOutcome decide(int choice) override;

  private:
    QLabel* hazardLabel_;
};

} // namespace zt
