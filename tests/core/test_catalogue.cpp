#include "core/catalogue.h"
#include "storage/file_io.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const std::string kTablePath = std::string(ZT_DATA_DIR) + "/strings.txt";

// The shipped table with one line replaced (or removed when `text` is null).
std::map<int, std::string> shippedWith(int id, const char* text) {
    auto table = parseStringTable(*readWholeFile(kTablePath), "strings.txt");
    if (text)
        table[id] = text;
    else
        table.erase(id);
    return table;
}

TEST(Catalogue, DamagedTablesNameTheFileAndId) {
    // The id, its new text (null: the entry is missing) and the complaint.
    const std::tuple<int, const char*, const char*> cases[] = {
        {205, nullptr, "id 205 is missing"},
        {101, "", "id 101 is empty"},
        {301, "cheap", "id 301 \"cheap\" is not a number"},
        {400, "100000", "id 400 is below its low price"},
        {109, "Lan \"Wundo\"", "id 109 holds a double quote or a line break"}, // unsaveable
    };
    for (const auto& [id, text, complaint] : cases) {
        try {
            catalogueFromTable(shippedWith(id, text), "strings.txt");
            ADD_FAILURE() << "id " << id << " was accepted";
        } catch (const CatalogueError& e) {
            EXPECT_NE(std::string(e.what()).find("strings.txt: "), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(complaint), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace zt
