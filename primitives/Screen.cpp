#include "primitives/Screen.h"

#include <array>

namespace zelvaro {
namespace {

// The panels that stand over the menu; the waiting notice only without the table under it.
constexpr std::array<Control, 6> kPanels{ctl::Frame1, ctl::Frame2, ctl::Frame3,
                                         ctl::Frame5, ctl::Frame6, ctl::StatisticsFrame};

}  // namespace

Screen shownScreen(const Surface& surface) {
    // The standings and the table hide each other; either lies over the menu and its panels.
    if (surface.visible(ctl::Picture27)) return Screen::Standings;
    if (surface.visible(ctl::Picture1)) return Screen::Table;
    for (const Control panel : kPanels) {
        if (surface.visible(panel)) return Screen::Panel;
    }
    return Screen::Menu;
}

std::string_view screenName(Screen screen) {
    switch (screen) {
        case Screen::Menu:
            return "Menu";
        case Screen::Panel:
            return "Panel";
        case Screen::Table:
            return "Table";
        case Screen::Standings:
            return "Standings";
    }
    return "?";
}

}  // namespace zelvaro
