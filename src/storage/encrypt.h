#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zt {

// The scrambler of the high score file, so the list is not edited by hand in passing. Any
// text (any bytes) encodes to capital letters only, so the result never holds a double
// quote, a comma, CR or LF and always fits a quoted field; decode is the exact inverse.
namespace Encrypt {

std::string encode(std::string_view plain);

// The original text, or nothing when `scrambled` is not the output of encode.
std::optional<std::string> decode(std::string_view scrambled);

} // namespace Encrypt
} // namespace zt
