#include "storage/seq_file.h"
#include "support.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(SeqFile, WritesTheGamesConventionAndRefusesTextItCannotHold) {
    SeqWriter w;
    w.number(3).number(-100).endLine();
    w.text("Chu'a").number(5000).endLine();
    EXPECT_EQ(w.content(), "3,-100\r\n\"Chu'a\",5000\r\n");
    EXPECT_THROW(w.text("21\" LCD"), std::invalid_argument);
    EXPECT_THROW(w.text("two\r\nlines"), std::invalid_argument);

    // That what is written reads back is proved by the sequential file fuzz target.
}

TEST(SeqFile, ReportsWhereAndWhyAFileIsDamaged) {
    const std::pair<const char*, const char*> cases[] = {
        {"1,2,-40000\r\n", "line 1, value 3: too large for 16 bits"},
        {"1,,3\r\n", "line 1, value 2: missing value"},
        {"1,2,3,4\r\n", "line 1, value 4: unexpected value"},
        {"1,2,3.5\r\n", "line 1, value 3: not a number"},
        {"1,2,-\r\n", "line 1, value 3: not a number"},
    };
    for (const auto& [content, message] : cases) {
        SeqReader r(content);
        try {
            r.int16();
            r.int32();
            r.int16();
            r.endLine();
            ADD_FAILURE() << "accepted: " << content;
        } catch (const SeqFileError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
    SeqReader wide("2147483647,-2147483648,2147483648\n");
    EXPECT_EQ(wide.int32(), 2147483647);
    EXPECT_EQ(wide.int32(), -2147483647 - 1);
    EXPECT_THROW(wide.int32(), SeqFileError);
    SeqReader unquoted("abc\r\n\"open\r\n");
    EXPECT_THROW(unquoted.text(), SeqFileError);
}

} // namespace
} // namespace zt
