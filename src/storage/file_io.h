#pragma once
#include <optional>
#include <string>

namespace zt {

// Replaces the file at `path` with `content` so that it is never left half written: the
// content goes to a temporary file in the target's folder, is flushed to disk, takes the
// target's place, and the folder is flushed too. A symbolic link is written through: its
// target is replaced and the link stays. A file that is there already keeps its permission
// bits; one the player may not write, or that is not a plain file, is refused. Temporary
// files that a killed earlier write of the same target left behind are removed. On failure
// the old file is untouched, the temporary file removed, and false is returned.
bool writeFileAtomically(const std::string& path, const std::string& content);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Lets a write that passes the file size limit fail like a full disk instead of killing the
// program (and the game in play) with SIGXFSZ. The program calls it once at start-up.
void ignoreFileSizeLimitSignal();

} // namespace zt
