#pragma once
#include <QPixmap>
#include <QString>

namespace zt {

// The game's pictures and sounds are read from its folder when a window first needs them. A
// file that is missing or cannot be read leaves the game playable without it, and is named
// once on standard error, so that a player or a packager can see what is missing.

// The picture at `path`, or an empty picture when it cannot be read.
QPixmap loadPicture(const QString& path);

// Names `path` on standard error as missing, the first time only.
void reportMissingFile(const QString& path);

} // namespace zt
