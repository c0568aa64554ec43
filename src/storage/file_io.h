#pragma once
#include <optional>
#include <string>

namespace zt {

// Replaces the file at `path` with `content` so that it is never left half written: the
// content goes to a temporary file in the same folder, is flushed to disk, and then takes
// the target's place. On failure the old file is untouched, the temporary file removed,
// and false is returned.
bool writeFileAtomically(const std::string& path, const std::string& content);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

} // namespace zt
