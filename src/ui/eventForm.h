#pragma once
#include "events/event_outcome.h"
#include "ui/GameSession.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QRadioButton;
class QVBoxLayout;

namespace zt {

// What the three event windows share: a picture beside a column of texts, one group of
// option buttons (the first chosen at the first showing, the last choice kept afterwards)
// and one command that applies the choice through the event's rule. The window cannot be
// closed without an answer: the flight waits for one.
class EventForm : public QDialog {
    Q_OBJECT
  public:
    // Plays the event's sound and shows the window until its command has been given.
    void alert();

  protected:
    // `picture` is a file of the Graphics folder, shown on the left and, when `twoPictures`,
    // mirrored on the right; `sound` is a file of the Sounds folder.
    EventForm(GameSession& session, QWidget* parent, const char* objectName, const char* title,
              const char* picture, bool twoPictures, const char* sound);

    // Adds a text to the column, below what is there.
    QLabel* addText(const char* name, const QString& text);
    // Adds an option button to the group; the first one added starts chosen.
    QRadioButton* addOption(const char* name, const char* text);
    // Adds the command button that answers the event.
    void addCommand(const char* name, const char* text);

    // Called as the event is raised, before the sound and the window.
    virtual void prepare() {}
    // Applies the option chosen (its place in the group, from 0) through the event's rule.
    virtual EventOutcome decide(int choice) = 0;

    // Escape and the close box leave the window up: only the command answers it.
    void reject() override {}

    GameSession& session_;

  private:
    void command();

    QString sound_;
    QVBoxLayout* column_;
    QButtonGroup* options_;
};

// The event window of type Form of `owner`, created on first use and kept afterwards.
template <class Form> Form& eventWindow(GameSession& session, QWidget& owner) {
    auto* form = owner.findChild<Form*>(QString(), Qt::FindDirectChildrenOnly);
    return form ? *form : *new Form(session, &owner);
}

} // namespace zt
