#pragma once
// Small pieces the main window's panels (route, status, actions) are built from.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <initializer_list>
#include <utility>

class QGridLayout;

namespace zt {

// Gives a panel the width every panel of the main window has, from its font: 560 pixels at
// the usual 9-point desktop font, more at a larger one.
void setPanelWidth(QWidget* panel);

// The opening caption of a panel's value labels, also shown before the first game.
inline constexpr const char* kNothingYet = "nothing yet";

// A framed panel named `name` with its title, as wide as every panel.
QGroupBox* panelFrame(const char* name, const char* title, QWidget* parent);

// A yellow value label named `name` that starts with `caption`.
QLabel* panelValue(const char* name, const char* caption, QWidget* parent);

// A value label whose text may run over two lines (a galaxy's four goods).
QLabel* panelList(const char* name, QWidget* parent);

// Captions and their values, one row each from `row` on; the values span `span` columns.
// Each caption is its value's buddy, so a screen reader reads the value under it.
void addPanelRows(QGridLayout* grid, int row,
                  std::initializer_list<std::pair<const char*, QLabel*>> rows, int span = 1);

// A command button of the main window.
QPushButton* panelButton(const char* name, const char* caption, QWidget* parent);

} // namespace zt
