#include "storage/small_file.h"

#include <filesystem>
#include <fstream>

namespace zt {

SmallFile readSmallFile(const std::string& path, std::uintmax_t limit) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return {SmallFile::Status::missing, {}};
    if (error || status.type() != fs::file_type::regular) return {SmallFile::Status::notAFile, {}};
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) return {SmallFile::Status::unreadable, {}};
    if (size > limit) return {SmallFile::Status::tooLarge, {}};

    std::ifstream file(path, std::ios::binary);
    if (!file) return {SmallFile::Status::unreadable, {}};
    // No more than the size found is read, should the file grow meanwhile.
    std::string content(static_cast<std::size_t>(size), '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (file.bad()) return {SmallFile::Status::unreadable, {}};
    content.resize(static_cast<std::size_t>(file.gcount()));
    return {SmallFile::Status::read, std::move(content)};
}

} // namespace zt
