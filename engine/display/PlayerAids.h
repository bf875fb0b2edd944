// What helps the player follow the play on the table: the last trick, each seat's card over
// its name with the winner's lit; a short hint when a click of his did nothing; the light on
// the seat whose turn it is and, when the turn is his, what he is to do.
#pragma once

#include <array>
#include <string>

#include "engine/GameSession.h"
#include "engine/display/Suggestion.h"
#include "primitives/Surface.h"

namespace zelvaro {

class PlayerAids {
public:
    PlayerAids(Surface& surface, const GameSession& session)
        : surface_(surface), session_(session), suggestion_(surface, session) {}

    // The trick just resolved: each seat's card over its name, the winner's name lit; kept
    // until the next trick is resolved. Call before the trick is cleared.
    void showLastTrick(int winner);
    // The held trick's winners' names back to their colour: the trick is taken, or the table
    // is left (a new game must not open with the last one's winner lit).
    void unlightTableNames();
    void hideLastTrick();
    // A full trick stays on the table for a moment the player can read, at `paceMs` (the
    // table's tick), the winners' names lit: the seats in `winners`, a bit each.
    void holdFullTrick(unsigned winners, int paceMs);
    // How a hand ended: what each seat gained since the hand began ("Brunet +14 · Rossi +3"),
    // across the table until the next card is laid; the table stays a moment to read it.
    void noteHandStart();
    void showHandResult();
    // A line for the player at the start of a new tournament round; the table stays a
    // moment to read it.
    void showRoundLine(const std::string& text);
    // The next card is laid: the lines of the last hand and round are done.
    void hideResultLines();
    // The player's table is over and waits for the others: no turn, no prompt.
    void hideTurnAids();
    // Why a click of the player's did nothing, in a short line on the table.
    void showHint(const char* text);
    void hideHint();
    // The seat on turn lit, and what the player is to do when the turn is his; while he is to
    // act, "Suggerimento" is offered.
    void showTurnPrompt() {
        if (watched_) drawTurnPrompt();
    }
    // "Suggerimento": the expert's choice marked on the player's cards while he is to act, a
    // line when at the change it would keep them.
    void showSuggestion();
    const Suggestion& suggestion() const { return suggestion_; }

    // Takes what the window shows as what is shown: after a saved game was put back.
    void readShown();

    // In a run that nobody watches (a simulation, a benchmark) the last trick, the turn
    // light and the names of the player's cards are not drawn: they would only cost time.
    void setWatched(bool watched) { watched_ = watched; }
    bool watched() const { return watched_; }

private:
    void drawTurnPrompt();

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
    unsigned litTableNames_ = 0;  // the seats whose name on the table is lit as winners
    std::array<int, kSeats> handStartScores_{};
    bool resultLineShown_ = false;

    // The seat lit as on turn (-1 none), the player's prompt and the hint shown.
    int litSeat_ = -1;
    static constexpr int kSeveralWinners = -2;
    int heldWinner_ = -1;  // the held trick's winner, or kSeveralWinners sharing a pot
    const char* shownPrompt_ = nullptr;    // nullptr while no prompt shows
    const char* promptCaption_ = nullptr;  // what the prompt's label holds
    bool hintShown_ = false;
    bool watched_ = true;
    Suggestion suggestion_;
};

}  // namespace zelvaro
