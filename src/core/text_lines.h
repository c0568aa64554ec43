#pragma once
#include <string_view>
#include <vector>

namespace zt {

// The lines of a text file's content, each without its LF or CR LF ending. A last line
// without an ending counts; nothing follows a final line ending.
inline std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

} // namespace zt
