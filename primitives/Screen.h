// Which of the game's screens the player sees, read from the surface: the one definition of
// "on the menu" that the panels, the keys and the tests share.
#pragma once

#include <string_view>

#include "primitives/Surface.h"

namespace zelvaro {

enum class Screen {
    Menu,       // the main menu, nothing over it
    Panel,      // a panel over the menu: options, rules, profiles, tournament rules, statistics
    Table,      // the table, with the tournament's waiting notice over it or not
    Standings,  // the tournament's standings
};

Screen shownScreen(const Surface& surface);
// The menu, bare or under one of its panels: where the table and the standings are not.
inline bool menuShown(Screen screen) {
    return screen == Screen::Menu || screen == Screen::Panel;
}
// "Menu", "Table", ...: for messages and test output.
std::string_view screenName(Screen screen);

}  // namespace zelvaro
