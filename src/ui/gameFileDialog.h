#pragma once
#include <QString>

#include <functional>

class QWidget;

namespace zt {

// Whether the player picks a file to save the game into or one to load.
enum class GameFileDialogKind { Save, Open };

// Asks the player for a saved game's file in the file dialog `Dialog`: filter "Zenthari
// Trader Files (*.zht)", starting in `folder`. Saving replaces a file without asking; a name
// typed without an extension gets ".zht", so the open dialog's filter shows the file. Returns
// the name chosen, or an empty text when cancelled.
QString chooseGameFile(QWidget* parent, const QString& folder, GameFileDialogKind kind);

// Answers every later choice with `chooser` instead of the dialog (given the kind and the
// starting folder); an empty function brings the dialog back.
using GameFileChooser = std::function<QString(GameFileDialogKind kind, const QString& folder)>;
void setGameFileChooserForTests(GameFileChooser chooser);

} // namespace zt
