#include "core/catalogue.h"
#include "market/market.h"
#include "scripted_random.h"
#include "storage/file_io.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zt {
namespace {

using test::ScriptedRandom;

const std::string kTablePath = std::string(ZT_DATA_DIR) + "/strings.txt";

TEST(Catalogue, ShippedTableLoadsEveryRange) {
    const Catalogue c = loadCatalogue(kTablePath);
    // Texts the player sees exactly as they stand; the prices and ships are used by every
    // rule test.
    EXPECT_EQ(c.galaxyNames[16], "Hesse");
    EXPECT_EQ(c.goodsNames[6], "21\" LCD Monitors");
    EXPECT_EQ(c.blackGoodsNames[6], "Modafinil");
    EXPECT_EQ(c.hazardNames[1], "A black whole");
    EXPECT_EQ(c.ships[1].name, "Planet Hopper");
    EXPECT_EQ(c.ships[7].cargoCapacity, 10000);
    EXPECT_EQ(c.ships[7].price, 10000000);
}

// The shipped table with one line replaced (or removed when `text` is null).
std::map<int, std::string> shippedWith(int id, const char* text) {
    auto table = parseStringTable(*readWholeFile(kTablePath), "strings.txt");
    if (text)
        table[id] = text;
    else
        table.erase(id);
    return table;
}

TEST(Catalogue, NumbersAreRoundedHalfToEven) {
    EXPECT_EQ(catalogueFromTable(shippedWith(300, "2.5"), "t").goodsPriceRange[1].low, 2);
    EXPECT_EQ(catalogueFromTable(shippedWith(1100, "99.5 units"), "t").ships[1].cargoCapacity, 100);
}

TEST(Catalogue, TheHighestPriceAcceptedIsDrawnAsMoney) {
    auto table = shippedWith(400, "2147483646");
    table[300] = table[400]; // a range of one price is drawn up to that price + 1
    const Catalogue c = catalogueFromTable(table, "t");
    ScriptedRandom lastDraw{std::nextafter(1.0f, 0.0f)};
    EXPECT_EQ(drawPrice(c.goodsPriceRange[1], lastDraw), 2147483647);
}

TEST(Catalogue, DamagedTablesNameTheFileAndId) {
    struct Case {
        int id;
        const char* text; // null: the entry is missing
        const char* complaint;
    };
    const Case cases[] = {
        {205, nullptr, "id 205 is missing"},
        {101, "", "id 101 is empty"},
        {301, "cheap", "id 301 \"cheap\" is not a number"},
        {1100, "40000", "id 1100 \"40000\" is not a number"}, // beyond 16 bits
        {1500, "3000000000", "id 1500"},                      // beyond 32 bits
        {400, "100000", "id 400 is below its low price"},
        {600, "0", "id 600"},   // a price of $0
        {1406, "0", "id 1406"}, // a ship that cannot move
        {1403, "1.5", "id 1403"},
        {419, "2147483647", "id 419"}, // drawn up to $2,147,483,648
        {705, "2147483647", "id 705"}, // the same on the black market
        {1300, "99", "id 1300 holds less than the 100 units of fuel"},
        {1200, "99.4", "id 1200 holds less than the 100 shield units"},
        {109, "Lan \"Wundo\"", "id 109 holds a double quote or a line break"}, // unsaveable
    };
    for (const Case& c : cases) {
        try {
            catalogueFromTable(shippedWith(c.id, c.text), "strings.txt");
            ADD_FAILURE() << "id " << c.id << " was accepted";
        } catch (const CatalogueError& e) {
            EXPECT_NE(std::string(e.what()).find("strings.txt: "), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.complaint), std::string::npos) << e.what();
        }
    }
}

TEST(Catalogue, UnreadableFilesAndLinesAreReported) {
    EXPECT_THROW(loadCatalogue("/nonexistent/strings.txt"), CatalogueError);
    EXPECT_THROW(parseStringTable("101 Farris\nFarris again\n", "t"), CatalogueError);
    EXPECT_THROW(parseStringTable("101 Farris\r\n101 Maude\r\n", "t"), CatalogueError);
    const auto table = parseStringTable("# comment\r\n\r\n101 Farris\r\n102 Chu'a\n", "t");
    EXPECT_EQ(table.at(101), "Farris");
    EXPECT_EQ(table.at(102), "Chu'a");
}

} // namespace
} // namespace zt
