#pragma once
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>

class QLabel;
class QWidget;

namespace zt {

// The colours of the game's texts and frames.
inline const QColor kYellow{255, 255, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kWhite{255, 255, 255};

// How far apart two colours are for the eye: the ratio of their relative luminances, each plus
// 0.05, from 1 (the same) to 21 (black and white). Text wants 4.5 against its ground, the
// edges of controls 3.
double contrastRatio(const QColor& a, const QColor& b);

// The colours of the dark space look: black grounds, light captions, dark buttons with light
// edges, a blue selection and focus ring.
QPalette spacePalette();

// The colour the edges of controls (buttons, boxes, option buttons, lists) are drawn in.
QColor edgeColour();

// The dark space look of every window. The first call also gives the whole program that look
// (menus, message boxes, file dialogs), with a style that draws the edges and the focus ring
// in colours that stand out on black.
void applySpaceLook(QWidget* window);

// `font` made `scale` times as large, whether the desktop gives its size in points or pixels.
QFont scaledFont(QFont font, double scale);

// The width of `characters` average characters, and the height of `lines` lines, of the font
// of `widget`: room that grows with the desktop's font.
int charsWide(const QWidget* widget, int characters);
int linesHigh(const QWidget* widget, double lines);

// A bold yellow title `scale` times the usual size, centred.
QLabel* headingLabel(const char* objectName, const QString& text, double scale, QWidget* parent);

// Sets the colour a label's text is drawn in.
void setTextColour(QLabel* label, const QColor& colour);

// The colour a label's text is drawn in.
QColor textColour(const QLabel* label);

// The game's own icon, which every window wears, drawn for each of these sizes.
inline constexpr int kWindowIconSizes[] = {16, 32, 48, 64};
QIcon gameIcon();

} // namespace zt
