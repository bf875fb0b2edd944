#include "front/KeyboardPlay.h"

#include <algorithm>
#include <utility>

#include "engine/GameSession.h"
#include "primitives/Screen.h"

namespace zelvaro {

GameKey cardKey(int nth) {
    return static_cast<GameKey>(static_cast<int>(GameKey::Card1) + nth);
}

KeyboardPlay::KeyboardPlay(const Surface& surface, const GameSession& session,
                           std::function<void(Control)> click)
    : surface_(surface), session_(session), click_(std::move(click)) {}

std::vector<int> KeyboardPlay::heldPlaces() const {
    std::vector<int> held;
    if (shownScreen(surface_) != Screen::Table) return held;
    const Hand& hand = session_.hands[kHumanSeat];
    for (int i = 0; i < ctl::Picture2.size(); ++i) {
        if (hand[i].isReal() && surface_.visible(ctl::Picture2[i])) held.push_back(i);
    }
    return held;
}

int KeyboardPlay::outlinedPlace() const {
    if (outlined_ < 0) return -1;
    const std::vector<int> held = heldPlaces();
    if (held.empty()) return -1;
    const auto next = std::lower_bound(held.begin(), held.end(), outlined_);
    return next != held.end() ? *next : held.back();
}

void KeyboardPlay::followHand() {
    // With no card held the outline keeps its place for the next hand.
    if (const int place = outlinedPlace(); place >= 0) outlined_ = place;
}

bool KeyboardPlay::clickIfOffered(Control c, Control on) {
    // The waiting notice stands outside the window's form, which takes no input meanwhile.
    const bool input = surface_.windowEnabled() || on == ctl::Frame6;
    if (!surface_.visible(on) || !surface_.visible(c) || !surface_.enabled(c) || !input)
        return false;
    click_(c);
    return true;
}

bool KeyboardPlay::press(GameKey key) {
    const Screen screen = shownScreen(surface_);
    // The rules open from the menu only, where their entry is.
    if (key == GameKey::Rules) return menuShown(screen) && clickIfOffered(ctl::Label15, ctl::Form1);
    return screen == Screen::Table && tableKey(key);
}

bool KeyboardPlay::tableKey(GameKey key) {
    followHand();
    const std::vector<int> held = heldPlaces();
    // Where the outline is among the held cards; -1 when it is on none of them.
    const auto at = std::find(held.begin(), held.end(), outlined_);
    const int index = at == held.end() ? -1 : static_cast<int>(at - held.begin());
    const int count = static_cast<int>(held.size());
    switch (key) {
        case GameKey::Left:
        case GameKey::Right:
            if (count > 0) {
                const int step = key == GameKey::Left ? -1 : 1;
                outlined_ = held[index < 0 ? 0 : (index + step + count) % count];
            }
            return true;
        case GameKey::Lay:
            // The first press shows the outline; the next lays the card under it.
            if (index >= 0) {
                click_(ctl::Picture2[outlined_]);
            } else if (count > 0) {
                outlined_ = held.front();
            }
            return true;
        case GameKey::Change:
            return clickIfOffered(ctl::Command1, ctl::Picture1);
        case GameKey::Keep:
            return clickIfOffered(ctl::Command2, ctl::Picture1);
        case GameKey::FastForward:
            return clickIfOffered(ctl::WaitFastForward, ctl::Frame6) ||
                   clickIfOffered(ctl::TableFastForward, ctl::Picture1);
        case GameKey::Back:
            return clickIfOffered(ctl::Label18, ctl::Picture1);
        case GameKey::Hint:
            return clickIfOffered(ctl::SuggestionButton, ctl::Picture1);
        case GameKey::Rules:
            return false;
        default:
            break;
    }
    // 1 to 9 are the first nine cards held, 0 the tenth; a digit past them does nothing.
    const int nth = static_cast<int>(key) - static_cast<int>(GameKey::Card1);
    if (nth < count) {
        outlined_ = held[nth];
        click_(ctl::Picture2[held[nth]]);
    }
    return true;
}

}  // namespace zelvaro
