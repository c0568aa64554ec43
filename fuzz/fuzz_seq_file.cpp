// The sequential-file reader on any content, read in any order of values: it only ever
// fails with a SeqFileError that names the line it stopped on, reads nothing past the end,
// and every line it reads whole writes out again to a file that reads back as the same
// values. The input is the number of reads (one byte), the reads (one byte each) and then
// the content.
#include "fuzz_support.h"
#include "storage/seq_file.h"

#include <variant>
#include <vector>

using namespace zt;

namespace {

using Read = fuzz::SeqRead;

using Value = std::variant<std::int16_t, std::int32_t, std::string>;

Value readValue(SeqReader& reader, Read read) {
    switch (read) {
    case Read::int16:
        return reader.int16();
    case Read::int32:
        return reader.int32();
    default:
        return reader.text();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t reads = std::min<std::size_t>(size - 1, data[0]);
    const std::uint8_t* script = data + 1;
    SeqReader reader(fuzz::text(script + reads, size - 1 - reads));

    std::vector<std::vector<Value>> whole; // the lines read whole, values the writer can hold
    std::vector<Value> line;
    for (std::size_t i = 0; i < reads; ++i) {
        const auto read = static_cast<Read>(script[i] % static_cast<int>(Read::kinds));
        const int lineBefore = reader.lineNumber();
        try {
            if (read == Read::endLine) {
                reader.endLine();
                whole.push_back(line);
                line.clear();
            } else if (read == Read::skipLine) {
                reader.skipLine();
                line.clear();
            } else if (read == Read::atEnd) {
                if (!reader.atEnd()) continue;
                reader.text();
                fuzz::check(false, "a value read past the end of the file");
            } else {
                Value value = readValue(reader, read);
                if (const auto* text = std::get_if<std::string>(&value)) {
                    fuzz::check(text->find_first_of("\"\n") == std::string::npos,
                                "a text read holds a quote or a line end");
                    if (text->find('\r') != std::string::npos) continue; // not writable
                }
                line.push_back(std::move(value));
            }
        } catch (const SeqFileError& e) {
            fuzz::check(e.line == lineBefore && reader.lineNumber() == lineBefore && e.value >= 0,
                        "a read failed away from the line it stopped on");
            line.clear();
            reader.skipLine();
        }
    }

    SeqWriter writer;
    for (const auto& values : whole) {
        for (const Value& value : values)
            std::visit(
                [&writer](const auto& v) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                        writer.text(v);
                    else
                        writer.number(v);
                },
                value);
        writer.endLine();
    }
    SeqReader back(writer.content());
    try {
        for (const auto& values : whole) {
            for (const Value& value : values) {
                const Read read = std::holds_alternative<std::int16_t>(value)   ? Read::int16
                                  : std::holds_alternative<std::int32_t>(value) ? Read::int32
                                                                                : Read::text;
                fuzz::check(readValue(back, read) == value, "a value written read back as another");
            }
            back.endLine();
        }
    } catch (const SeqFileError& e) {
        fuzz::check(false, e.what());
    }
    fuzz::check(back.atEnd(), "a written file reads on past its lines");
    return 0;
}
