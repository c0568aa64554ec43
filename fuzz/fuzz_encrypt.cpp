// The scrambler: any text encodes to capital letters that decode back to it, and whatever
// decodes encodes back to the same letters.
#include "fuzz_support.h"
#include "storage/encrypt.h"

using namespace zt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text(data, size);
    const std::string scrambled = Encrypt::encode(text);
    fuzz::check(scrambled.size() == 2 * text.size(), "a scrambled text of the wrong length");
    for (char c : scrambled)
        fuzz::check(c >= 'A' && c <= 'Z', "a scrambled text holds more than capitals");
    fuzz::check(Encrypt::decode(scrambled) == text, "decode is not the inverse of encode");
    if (const auto plain = Encrypt::decode(text))
        fuzz::check(Encrypt::encode(*plain) == text, "encode is not the inverse of decode");
    return 0;
}
