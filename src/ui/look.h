#pragma once
#include <QColor>
#include <QIcon>
#include <QString>

class QLabel;
class QWidget;

namespace zt {

// The colours of the game's texts and frames.
inline const QColor kYellow{255, 255, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kWhite{255, 255, 255};

// The dark space look of every window: black backgrounds, light captions, dark buttons.
void applySpaceLook(QWidget* window);

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
