#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// The game's sequential text files (saved games, high scores): one record a line, values
// separated by commas, whole numbers in plain digits, texts in double quotes without
// escaping, lines ended by CR LF.

// Builds the content of such a file line by line.
class SeqWriter {
  public:
    SeqWriter& number(std::int64_t value);
    // Throws std::invalid_argument for a text that cannot be stored (a double quote, CR or
    // LF would break the file).
    SeqWriter& text(std::string_view value);
    // Ends the current line with CR LF.
    SeqWriter& endLine();

    const std::string& content() const { return content_; }

  private:
    void separate();
    std::string content_;
    bool lineStarted_ = false;
};

// Where and why a file cannot be read: "line 12, value 2: not a number".
struct SeqFileError : std::runtime_error {
    SeqFileError(int line, int value, const std::string& what);
    int line;
    int value;
};

// Reads the values of such a file back in order. Each read takes the next value of the
// current line; endLine() checks that nothing is left on it and moves on. Lines may end
// with CR LF or LF alone.
class SeqReader {
  public:
    explicit SeqReader(std::string_view content);

    std::int16_t int16();
    std::int32_t int32();
    std::string text();
    void endLine();
    // Leaves whatever is left of the current line unread and moves to the next one.
    void skipLine();
    // True once every line has been read (trailing empty lines aside).
    bool atEnd() const;
    int lineNumber() const { return line_ + 1; }

  private:
    std::int64_t wholeNumber(std::int64_t lo, std::int64_t hi, const char* width);
    std::string_view nextField(bool quoted);
    [[noreturn]] void fail(const std::string& what) const;

    std::vector<std::string_view> lines_;
    int line_ = 0; // 0-based index into lines_
    std::size_t pos_ = 0;
    int value_ = 0; // values read from the current line
};

} // namespace zt
