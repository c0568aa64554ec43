#pragma once
// Helpers for the tests of the command windows the main window opens (bank, shops, shipyard).
#include "ui/Main.h"
#include "ui/support/ui_support.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace zt::test {

// A short game with the known layout in which the player has the given money, ship, fuel and
// shields, already shown on the status display.
struct StartedGame {
    explicit StartedGame(std::int32_t cash = 5000, std::int32_t debt = 0, std::int16_t ship = 1,
                         std::int16_t fuel = 100, std::int16_t shields = 100);
    TestGame game;
    Main& main;
};

// Opens a command window as the player does, with a click on the main window's `button`;
// `play` then acts in the open window, which is closed with its Done button afterwards (also
// when a check in `play` failed).
void playInWindow(Main& main, const QString& button, const std::function<void(QWidget*)>& play);

// Replaces the text of the entry box `name` of `window` by typing `keys` into it.
void typeInto(QWidget* window, const QString& name, const QString& keys);

} // namespace zt::test
