// What helps the player follow the play on the table: the last trick, each seat's card over
// its name with the winner's lit; a short hint when a click of his did nothing; the light on
// the seat whose turn it is and, when the turn is his, what he is to do.
#pragma once

#include <array>
#include <string>

#include "engine/GameSession.h"
#include "primitives/Surface.h"

namespace zelvaro {

class PlayerAids {
public:
    PlayerAids(Surface& surface, const GameSession& session) : surface_(surface), session_(session) {}

    // The trick just resolved: each seat's card over its name, the winner's name lit; kept
    // until the next trick is resolved. Call before the trick is cleared.
    void showLastTrick(int winner);
    void hideLastTrick();
    // Why a click of the player's did nothing, in a short line on the table.
    void showHint(const char* text);
    void hideHint();
    // The seat on turn lit, and what the player is to do when the turn is his.
    void showTurnPrompt();

    // In a run that nobody watches (a simulation, a benchmark) the last trick and the turn
    // light are not drawn: they would only cost time.
    void setWatched(bool watched) { watched_ = watched; }

private:
    Surface& surface_;
    const GameSession& session_;

    // What the last-trick view shows: each seat's picture and the seat whose name is lit
    // (-1 none).
    struct LastTrickLook {
        std::array<const std::string*, kSeats> pictures{};
        int lit = -1;
        bool shown = false;
    };
    LastTrickLook lastTrick_;

    // The seat lit as on turn (-1 none), the player's prompt and the hint shown.
    int litSeat_ = -1;
    const char* shownPrompt_ = nullptr;    // nullptr while no prompt shows
    const char* promptCaption_ = nullptr;  // what the prompt's label holds
    bool hintShown_ = false;
    bool watched_ = true;
};

}  // namespace zelvaro
