// Which screen the player sees, the one definition the menu's entries, the keys and the
// tests share.
#include <gtest/gtest.h>

#include <vector>

#include "primitives/MemorySurface.h"
#include "primitives/Screen.h"

namespace zelvaro {
namespace {

TEST(ScreenTest, TheScreenShownIsTheTopmostOfWhatIsVisible) {
    const struct {
        const char* name;
        std::vector<Control> visible;
        Screen screen;
    } rows[] = {
        {"nothing over the menu", {}, Screen::Menu},
        {"the saved game's line", {ctl::ContinueEntry, ctl::ContinueDescription}, Screen::Menu},
        {"options", {ctl::Frame1}, Screen::Panel},
        {"rules", {ctl::Frame2}, Screen::Panel},
        {"profiles", {ctl::Frame3}, Screen::Panel},
        {"statistics over the profiles", {ctl::Frame3, ctl::StatisticsFrame}, Screen::Panel},
        {"tournament rules", {ctl::Frame3, ctl::Frame5}, Screen::Panel},
        {"table", {ctl::Picture1}, Screen::Table},
        {"waiting notice over the table", {ctl::Picture1, ctl::Frame6}, Screen::Table},
        {"waiting notice alone", {ctl::Frame6}, Screen::Panel},
        {"standings", {ctl::Picture27}, Screen::Standings},
        {"standings over a panel", {ctl::Frame3, ctl::Picture27}, Screen::Standings},
    };
    for (const auto& row : rows) {
        MemorySurface surface;
        for (const Control c : row.visible) surface.setVisible(c, true);
        EXPECT_EQ(screenName(shownScreen(surface)), screenName(row.screen)) << row.name;
        EXPECT_EQ(menuShown(shownScreen(surface)),
                  row.screen == Screen::Menu || row.screen == Screen::Panel)
            << row.name;
    }
}

}  // namespace
}  // namespace zelvaro
