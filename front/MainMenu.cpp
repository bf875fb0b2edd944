#include "front/MainMenu.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace zelvaro {
namespace {

// One row of the hover rules: what lights up and what goes back to normal when the mouse
// moves over a control.
struct HoverRule {
    Control over;
    std::optional<Control> highlight;
    std::vector<Control> reset;
};

// clang-format off
const std::array<HoverRule, 27> kHoverRules{{
    {ctl::Form1, std::nullopt, {ctl::Label3, ctl::Label2, ctl::Label10, ctl::Label15, ctl::Label20, ctl::Label35}},
    {ctl::Label2, ctl::Label2, {ctl::Label3, ctl::Label10, ctl::Label15, ctl::Label20, ctl::Label35}},
    {ctl::Label3, ctl::Label3, {ctl::Label2, ctl::Label10, ctl::Label15, ctl::Label20, ctl::Label35}},
    {ctl::Label10, ctl::Label10, {ctl::Label2, ctl::Label3, ctl::Label15, ctl::Label20, ctl::Label35}},
    {ctl::Label35, ctl::Label35, {ctl::Label2, ctl::Label3, ctl::Label15, ctl::Label10, ctl::Label20}},
    {ctl::Label20, ctl::Label20, {ctl::Label2, ctl::Label3, ctl::Label15, ctl::Label10, ctl::Label35}},
    {ctl::Label15, ctl::Label15, {ctl::Label2, ctl::Label3, ctl::Label10, ctl::Label20, ctl::Label35}},
    {ctl::Frame1, std::nullopt, {ctl::Label12, ctl::Label13}},
    {ctl::Label12, ctl::Label12, {ctl::Label13}},
    {ctl::Label13, ctl::Label13, {ctl::Label12}},
    {ctl::Frame2, std::nullopt, {ctl::Label17}},
    {ctl::Label17, ctl::Label17, {}},
    {ctl::Frame3, std::nullopt, {ctl::Label27, ctl::Label21, ctl::Label9}},
    {ctl::Frame4, std::nullopt, {ctl::Label26, ctl::Label21, ctl::Label9}},
    {ctl::Label26, ctl::Label26, {}},
    {ctl::Label27, ctl::Label27, {}},
    {ctl::Label21, ctl::Label21, {ctl::Label9}},
    {ctl::Label9, ctl::Label9, {ctl::Label21}},
    {ctl::Frame5, std::nullopt, {ctl::Label37, ctl::Label36}},
    {ctl::Label36, ctl::Label36, {ctl::Label37}},
    {ctl::Label37, ctl::Label37, {ctl::Label36}},
    {ctl::Picture1, std::nullopt, {ctl::Label33, ctl::Label18, ctl::Label52}},
    {ctl::Label33, ctl::Label33, {ctl::Label18, ctl::Label52}},
    {ctl::Label18, ctl::Label18, {ctl::Label33, ctl::Label52}},
    {ctl::Label52, ctl::Label52, {ctl::Label33, ctl::Label18}},
    {ctl::Picture27, std::nullopt, {ctl::Label53}},
    // Label53 lights up on a press only (mousePressed); moving over it changes nothing.
    {ctl::Label53, std::nullopt, {}},
}};
// clang-format on

}  // namespace

void MainMenu::enableMenu() {
    for (const Control c : kMenuLabels) surface_.setEnabled(c, true);
}

void MainMenu::disableMenu() {
    for (const Control c : kMenuLabels) surface_.setEnabled(c, false);
}

void MainMenu::mouseMoved(Control over) {
    // "Continua" lights up like the entries above it, and goes out when they light up.
    if (over == ctl::ContinueEntry) {
        surface_.setForeColor(ctl::ContinueEntry, kHighlightColor);
        for (const Control c : kMenuLabels) surface_.setForeColor(c, kButtonTextColor);
        return;
    }
    if (over == ctl::Form1 ||
        std::find(kMenuLabels.begin(), kMenuLabels.end(), over) != kMenuLabels.end()) {
        surface_.setForeColor(ctl::ContinueEntry, kButtonTextColor);
    }
    for (const HoverRule& rule : kHoverRules) {
        if (!(rule.over == over)) continue;
        if (rule.highlight) surface_.setForeColor(*rule.highlight, kHighlightColor);
        for (const Control c : rule.reset) surface_.setForeColor(c, kButtonTextColor);
        // The table background also takes away the option picture's caption.
        if (over == ctl::Picture1) surface_.setVisible(ctl::Label19, false);
        return;
    }
}

void MainMenu::mousePressed(Control on) {
    if (on == ctl::Label53) surface_.setForeColor(ctl::Label53, kHighlightColor);
}

}  // namespace zelvaro
