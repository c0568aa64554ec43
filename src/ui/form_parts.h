#pragma once
// Small pieces the windows of the shops, the bank, the markets and the guides are built from.
#include "core/game_state.h"
#include "market/trading.h"

#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string>

class QGridLayout;
class QPushButton;
class QRadioButton;

namespace zt {

class ClickableLabel;
class NumberBox;
class TradeList;

// A text of the rules as the windows show it.
inline QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

// Money as the service windows show it: "$" and the amount grouped in threes.
QString moneyText(std::int64_t amount);

// A whole number as the service windows show levels and capacities: grouped in threes.
QString groupedText(std::int64_t number);

// A fixed text of a window, named `name` (nullptr: no name of its own).
QLabel* captionLabel(const char* name, const char* text, QWidget* parent);

// Names a value label and draws it yellow on black, wide enough for any sum of money.
void styleValueLabel(QLabel* label, const char* name);

// A new value label named `name`; Label may be a ClickableLabel.
template <class Label = QLabel> Label* valueLabel(const char* name, QWidget* parent) {
    auto* label = new Label(parent);
    styleValueLabel(label, name);
    return label;
}

// A figure named `name` that a click, or Enter or Space once Tab has reached it, puts into an
// amount box (a maximum, the bank's debt and max loan). A mouse click gives it no focus, so a
// mouse player sees it as before.
ClickableLabel* fillFigure(const char* name, QWidget* parent);

// A button named `name` that is never the dialog's default: Return presses it from its own
// amount box (NumberBox::setAction), so one press makes one deal; Space presses it as well.
QPushButton* actionButton(const char* name, const char* text, QWidget* parent);

// An amount box named `name` whose accessible name says what it takes ("Amount to buy").
NumberBox* amountBox(const char* name, const char* spokenName, QWidget* parent);

// Tab goes through `widgets` in this order.
void tabChain(std::initializer_list<QWidget*> widgets);

// The "&Done" button that hides its window.
QPushButton* doneButton(QDialog* window);

// One row of a form: a caption and its value, from `row` on, in columns 0 and 1. The caption
// is the value's buddy, so a screen reader reads the value under it.
struct FormRow {
    const char* captionName;
    const char* caption;
    QWidget* value;
};
void addFormRows(QGridLayout* grid, int row, std::initializer_list<FormRow> rows);

// Prepares a command window: its objectName, caption and the dark space look.
void setUpWindow(QDialog* window, const char* name, const char* caption);

// An option button with its objectName and caption.
QRadioButton* optionButton(const char* name, const char* caption, QWidget* parent);

// The decorative picture `Image1` of a window, from the Graphics folder beside the program.
QLabel* decorativePicture(const QString& dataFolder, const char* fileName, QWidget* parent);

// The fixed-pitch font of the trading lists, so that their padded columns line up.
QFont listFont();

// A trading list in the fixed-pitch font, wide enough for a whole row, showing `rows` rows
// of the `mostRows` it may hold.
TradeList* tradeList(const char* name, int rows, int mostRows, QWidget* parent);

// The title of a market's windows: the galaxy's name and " Trading Post" or " Black Market".
QString marketTitle(const GameState& state, MarketKind kind);

// The window named `name` among the direct children of `owner`, made on first use over
// `session` and only shown and hidden afterwards, so its boxes keep what the player typed.
template <class Form, class Session, class... Args>
Form& windowOnce(Session& session, QWidget& owner, const char* name, const Args&... args) {
    auto* form = owner.findChild<Form*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!form) form = new Form(session, &owner, args...);
    return *form;
}

} // namespace zt
