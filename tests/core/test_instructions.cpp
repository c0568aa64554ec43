#include "core/instructions.h"
#include "core/numbers.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

namespace zt {
namespace {

// Every match of `pattern`'s first group in the manual, as a number (commas dropped).
std::set<long> figures(const std::string& pattern) {
    std::string text;
    for (const InstructionPage& page : instructionPages(test::shippedCatalogue()))
        text += page.text + "\n";
    std::set<long> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        found.insert(std::stol(std::regex_replace((*it)[1].str(), std::regex(","), "")));
    return found;
}

TEST(Instructions, EveryFigureTheManualTellsIsOneTheRulesUse) {
    const Catalogue& c = test::shippedCatalogue();
    // Starting cash and the attorney's least fee; the ceiling; fuel and shields per unit;
    // tolls for a side, a diagonal and corner to corner; a lost ship and the largest fine;
    // scrapping per unit; a guilty plea and the smallest fine; the price ranges' ends.
    std::set<long> dollars = {5000,
                              50000,
                              10,
                              100,
                              20,
                              28,
                              156,
                              10000,
                              2,
                              1000,
                              c.goodsPriceRange[kGoods].low,
                              c.goodsPriceRange[1].high,
                              c.blackPriceRange[5].low,
                              c.blackPriceRange[1].high};
    for (const ShipSpec& ship : c.ships)
        dollars.insert(ship.price);
    const std::set<long> told = figures(R"(\$([0-9][0-9,]*))");
    for (long amount : told)
        EXPECT_TRUE(dollars.count(amount)) << "$" << amount;
    EXPECT_TRUE(told.count(50000)) << "the ceiling is not told";

    // Trends, police, an attorney's win, hazards and pirates at 1 and 8 squares, pirates
    // catching and the IRS missing a runner at each speed, and the IRS example.
    std::set<long> chances = {4, 74, 51, 4, 39, 24};
    for (int speed = 1; speed <= 4; ++speed)
        chances.insert({40 - 3 * speed - 1, 40 + 2 * speed});
    for (long chance : figures(R"(([0-9]+) (?:in|times in|flights in) 100)"))
        EXPECT_TRUE(chances.count(chance)) << chance << " in 100";
    for (long year : figures(R"(\b([23][0-9]{3})\b)"))
        EXPECT_TRUE(year == 2300 || year == 2400 || year == 2700 || year == 3500) << year;
    for (long percent : figures(R"(([0-9]+) %)"))
        EXPECT_TRUE(percent == 7 || percent == 20) << percent;
}

} // namespace
} // namespace zt
