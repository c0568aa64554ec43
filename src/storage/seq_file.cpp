#include "storage/seq_file.h"

#include <limits>

namespace zt {

void SeqWriter::separate() {
    if (lineStarted_) content_ += ',';
    lineStarted_ = true;
}

SeqWriter& SeqWriter::number(std::int64_t value) {
    separate();
    content_ += std::to_string(value);
    return *this;
}

SeqWriter& SeqWriter::text(std::string_view value) {
    if (value.find_first_of("\"\r\n") != std::string_view::npos)
        throw std::invalid_argument("a text holding a quote or a line break cannot be stored");
    separate();
    content_ += '"';
    content_ += value;
    content_ += '"';
    return *this;
}

SeqWriter& SeqWriter::endLine() {
    content_ += "\r\n";
    lineStarted_ = false;
    return *this;
}

SeqFileError::SeqFileError(int line, int value, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ", value " + std::to_string(value) +
                         ": " + what),
      line(line), value(value) {}

SeqReader::SeqReader(std::string_view content) {
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.push_back(line);
        pos = end + 1;
    }
}

void SeqReader::fail(const std::string& what) const {
    throw SeqFileError(line_ + 1, value_, what);
}

std::string_view SeqReader::nextField(bool quoted) {
    ++value_;
    if (line_ >= static_cast<int>(lines_.size())) fail("the file ends early");
    const std::string_view line = lines_[static_cast<std::size_t>(line_)];
    if (value_ > 1) {
        if (pos_ >= line.size() || line[pos_] != ',') fail("missing value");
        ++pos_;
    }
    while (pos_ < line.size() && line[pos_] == ' ')
        ++pos_;
    std::string_view field;
    if (quoted) {
        if (pos_ >= line.size() || line[pos_] != '"') fail("missing quoted text");
        const std::size_t close = line.find('"', pos_ + 1);
        if (close == std::string_view::npos) fail("unterminated text");
        field = line.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
    } else {
        std::size_t end = line.find(',', pos_);
        if (end == std::string_view::npos) end = line.size();
        field = line.substr(pos_, end - pos_);
        pos_ = end;
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        if (field.empty()) fail("missing value");
    }
    while (pos_ < line.size() && line[pos_] == ' ')
        ++pos_;
    return field;
}

std::int64_t SeqReader::wholeNumber(std::int64_t lo, std::int64_t hi, const char* width) {
    const std::string_view field = nextField(false);
    std::size_t i = 0;
    const bool negative = field[0] == '-';
    if (negative) ++i;
    if (i == field.size()) fail("not a number");
    std::int64_t v = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9') fail("not a number");
        v = v * 10 + (c - '0');
        if (v > hi + 1) fail(std::string("too large for ") + width);
    }
    if (negative) v = -v;
    if (v < lo || v > hi) fail(std::string("too large for ") + width);
    return v;
}

std::int16_t SeqReader::int16() {
    return static_cast<std::int16_t>(wholeNumber(std::numeric_limits<std::int16_t>::min(),
                                                 std::numeric_limits<std::int16_t>::max(),
                                                 "16 bits"));
}

std::int32_t SeqReader::int32() {
    return static_cast<std::int32_t>(wholeNumber(std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max(),
                                                 "32 bits"));
}

std::string SeqReader::text() {
    return std::string(nextField(true));
}

void SeqReader::endLine() {
    if (line_ >= static_cast<int>(lines_.size())) fail("the file ends early");
    if (pos_ != lines_[static_cast<std::size_t>(line_)].size()) {
        ++value_;
        fail("unexpected value");
    }
    ++line_;
    pos_ = 0;
    value_ = 0;
}

void SeqReader::skipLine() {
    if (line_ < static_cast<int>(lines_.size())) ++line_;
    pos_ = 0;
    value_ = 0;
}

bool SeqReader::atEnd() const {
    for (std::size_t i = static_cast<std::size_t>(line_); i < lines_.size(); ++i)
        if (!lines_[i].empty()) return false;
    return true;
}

} // namespace zt
