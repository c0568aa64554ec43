#pragma once
// Small pieces the trading, guide and search windows are built from.
#include "core/game_state.h"
#include "market/trading.h"

#include <QFont>
#include <QString>

#include <string_view>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zt {

// A text of the game's state or catalogue as Qt shows it.
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label with its objectName and text.
QLabel* namedLabel(const char* name, const QString& text, QWidget* parent);

// A label that shows a value: yellow on black.
QLabel* valueLabel(const char* name, QWidget* parent);

// A push button with its objectName and caption.
QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent);

// An option button with its objectName and caption.
QRadioButton* namedOption(const char* name, const QString& caption, QWidget* parent);

// The decorative picture `Image1` of a window, from the Graphics folder beside the program.
QLabel* decorativePicture(const QString& programFolder, const char* fileName, QWidget* parent);

// The fixed-pitch font of the trading lists, so that their padded columns line up.
QFont listFont();

// A trading list in the fixed-pitch font, wide enough for a whole row.
QListWidget* tradeList(const char* name, int rows, QWidget* parent);

// The title of a market's windows: the galaxy's name and " Trading Post" or " Black Market".
QString marketTitle(const GameState& state, MarketKind kind);

} // namespace zt
