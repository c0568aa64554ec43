#include "core/instructions.h"
#include "core/numbers.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

namespace zt {
namespace {

using test::shippedCatalogue;

std::string wholeManual() {
    std::string all;
    for (const InstructionPage& page : instructionPages(shippedCatalogue()))
        all += page.text + "\n";
    return all;
}

// Every match of `pattern`'s first group in the manual, as a number (commas dropped).
std::set<long> figures(const std::string& pattern) {
    const std::string text = wholeManual();
    std::set<long> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it) {
        std::string digits = (*it)[1];
        std::erase(digits, ',');
        found.insert(std::stol(digits));
    }
    return found;
}

TEST(Instructions, EveryDollarFigureIsOneTheGameUses) {
    const Catalogue& c = shippedCatalogue();
    const auto toll = [](double squares) { return roundHalfEven(squares * 20); };
    // Starting cash and the attorney's least fee; the borrowing ceiling; fuel and shields per
    // unit; tolls for a side, a diagonal and corner to corner; a lost ship and the largest
    // fine; scrapping per unit; a guilty plea and the smallest fine; the price ranges' ends.
    std::set<long> used = {5000,
                           50000,
                           10,
                           100,
                           toll(1),
                           toll(std::sqrt(2.0)),
                           toll(std::sqrt(61.0)),
                           10000,
                           2,
                           1000,
                           c.goodsPriceRange[kGoods].low,
                           c.goodsPriceRange[1].high,
                           c.blackPriceRange[5].low,
                           c.blackPriceRange[1].high};
    for (const ShipSpec& ship : c.ships)
        used.insert(ship.price);
    const std::set<long> told = figures(R"(\$([0-9][0-9,]*))");
    for (long amount : told)
        EXPECT_TRUE(used.count(amount)) << "$" << amount;
    EXPECT_TRUE(told.count(50000)) << "the ceiling is not told";
}

TEST(Instructions, EveryChanceAndYearIsOneTheRulesGive) {
    std::set<long> chances = {4 /* trends shift */, 74 /* police */, 51 /* attorney wins */};
    const long longest = roundHalfEven(std::sqrt(61.0));
    for (long squares : {1L, longest})
        chances.insert(5 * squares - 1); // hazards and pirates
    for (int speed = 1; speed <= 4; ++speed) {
        chances.insert(40 - 3 * speed - 1); // pirates catch a runner
        chances.insert(40 + 2 * speed);     // a runner escapes the IRS
    }
    chances.insert(static_cast<long>(std::ceil(5 * 100 / 20.0)) - 1); // the IRS example
    for (long chance : figures(R"(([0-9]+) (?:in|times in|flights in) 100)"))
        EXPECT_TRUE(chances.count(chance)) << chance << " in 100";

    for (long year : figures(R"(\b([23][0-9]{3})\b)"))
        EXPECT_TRUE(year == 2300 || year == 2400 || year == 2700 || year == 3500) << year;
    for (long percent : figures(R"(([0-9]+) %)"))
        EXPECT_TRUE(percent == 7 || percent == 20) << percent;
}

} // namespace
} // namespace zt
