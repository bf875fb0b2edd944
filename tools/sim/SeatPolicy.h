// The ways the simulator plays seat 0, all through the human's own clicks: keep the hand and lay
// the lowest, the highest or a random card the rules accept, or decide both the change and the
// card as an expert seat would.
#pragma once

#include <string>
#include <vector>

#include "engine/ExpertSeat.h"
#include "engine/GameSession.h"
#include "front/ZelvaroApp.h"
#include "primitives/Surface.h"
#include "rules/ExpertPlayer.h"
#include "rules/ExpertRandom.h"
#include "rules/LayRule.h"
#include "tools/sim/HumanPolicy.h"

namespace zelvaro {

enum class SeatPolicy { Lowest, Highest, Random, Expert };

class SeatPlayer {
public:
    explicit SeatPlayer(SeatPolicy policy) : policy_(policy) {}

    // One move of seat 0 when it is on turn; nothing otherwise.
    void play(ZelvaroApp& app, Surface& surface) {
        if (policy_ == SeatPolicy::Lowest) return playHumanTurn(app, surface);
        const GameSession& session = app.session();
        if (session.turnseat != kHumanSeat) return;
        if (surface.visible(ctl::Command1)) return change(app);
        if (surface.visible(ctl::Picture14) || session.changedecisions != 6) return;
        const int slot = chooseSlot(session);
        if (slot >= 0) app.click(ctl::Picture2[slot]);
    }

private:
    void change(ZelvaroApp& app) {
        if (policy_ == SeatPolicy::Expert) {
            const ExpertChange decision =
                expertChangeDecision(expertView(app.session(), kHumanSeat));
            if (decision.changes) {
                app.click(ctl::Picture2[decision.first]);
                app.click(ctl::Picture2[decision.second]);
                return app.click(ctl::Command1);
            }
        }
        app.click(ctl::Command2);
    }

    int chooseSlot(const GameSession& session) {
        if (policy_ == SeatPolicy::Expert) {
            return expertPlayDecision(expertView(session, kHumanSeat));
        }
        const Hand& hand = session.hands[kHumanSeat];
        std::vector<int> legal;
        for (int slot = 0; slot < kHandSlots; ++slot) {
            if (mayLay(hand, slot, session.trick)) legal.push_back(slot);
        }
        if (legal.empty()) return -1;
        // A hand is sorted highest first.
        if (policy_ == SeatPolicy::Highest) return legal.front();
        return legal[static_cast<std::size_t>(random_.below(static_cast<int>(legal.size())))];
    }

    SeatPolicy policy_;
    ExpertRandom random_{0x5EA7'0001ULL};  // the simulator's own: the game's draws stay the game's
};

}  // namespace zelvaro
