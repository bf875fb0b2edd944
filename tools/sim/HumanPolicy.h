// A simple legal way to play seat 0 through the human's own clicks, for the simulator and
// the benchmarks: keep the hand, lay the lowest card the rules accept.
#pragma once

#include <string>

#include "engine/GameSession.h"
#include "front/ZelvaroApp.h"
#include "primitives/Surface.h"

namespace zelvaro {

// Picks the user's profile listed as `shown` in the profile panel's list, as a click on it.
inline void pickProfile(ZelvaroApp& app, Surface& surface, const std::string& shown) {
    surface.setCaption(ctl::Combo4, shown);
    app.comboSelected(ctl::Combo4);
}

inline void playHumanTurn(ZelvaroApp& app, Surface& surface) {
    GameSession& session = app.session();
    if (session.turnseat != kHumanSeat) return;
    if (surface.visible(ctl::Command1)) {
        app.click(ctl::Command2);
        return;
    }
    if (surface.visible(ctl::Picture14) || session.changedecisions != 6) return;
    for (int slot = kHandSlots - 1; slot >= 0; --slot) {
        if (session.hands[kHumanSeat][slot].empty()) continue;
        app.click(ctl::Picture2[slot]);
        if (surface.visible(ctl::Picture14)) return;
    }
}

}  // namespace zelvaro
