#pragma once
#include <cstdint>
#include <string>

namespace zt {

// What reading one of the game's small files (a saved game, the high score file) found.
struct SmallFile {
    enum class Status { read, missing, notAFile, tooLarge, unreadable };
    Status status = Status::missing;
    std::string content; // the whole file when read
};

// Reads the file at `path` whole when it is a regular file of at most `limit` bytes. A
// folder, a device or a pipe is not opened, and a larger file is not read at all, so a
// hostile file costs neither time nor memory.
SmallFile readSmallFile(const std::string& path, std::uintmax_t limit);

} // namespace zt
