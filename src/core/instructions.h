#pragma once
#include "core/catalogue.h"

#include <string>
#include <vector>

namespace zt {

// One page of the player's manual: the caption of its tab, the name of the text box that
// shows it, and the text itself.
struct InstructionPage {
    std::string tab;
    std::string textBoxName;
    std::string text;
};

// The six pages of the manual, in tab order: Overview, Trading, Movement, Shipyards,
// Special Events, Strategies. The ship list is written from the catalogue; every other
// figure is one the rules use. Built when the manual is first opened, not at start-up.
std::vector<InstructionPage> instructionPages(const Catalogue& catalogue);

} // namespace zt
