// Where a run stops as a closed window would: after so many of the player's hands, tricks
// taken or cards laid at his table. Looked at between two steps of the game, so that it can
// stop at any moment a player can close the window: the change question, a trick half laid,
// a full trick still on the table, the wait panel.
#pragma once

#include "engine/GameSession.h"
#include "engine/TableEngine.h"

namespace zelvaro {

struct StopAfter {
    long hands = -1;  // -1: never
    long tricks = -1;
    long cards = -1;
    bool any() const { return hands >= 0 || tricks >= 0 || cards >= 0; }
};

class StopPoint {
public:
    explicit StopPoint(StopAfter after) : after_(after) {}

    // Looks at the table as it stands now; true once one of the counts is reached. Cards and
    // tricks count from the first look: those on a continued table were laid before.
    bool reached(const GameSession& session, const TableEngine& engine) {
        const int onTable = session.realCardsInTrick();
        if (!looked_) {
            looked_ = true;
        } else if (onTable < onTable_) {
            // A trick was taken, and the next may have begun in the same step.
            ++tricks_;
            cards_ += onTable;
        } else {
            cards_ += onTable - onTable_;
        }
        onTable_ = onTable;
        return (after_.hands >= 0 && engine.handsPlayed() >= after_.hands) ||
               (after_.tricks >= 0 && tricks_ >= after_.tricks) ||
               (after_.cards >= 0 && cards_ >= after_.cards);
    }

    long tricks() const { return tricks_; }
    long cards() const { return cards_; }

private:
    StopAfter after_;
    bool looked_ = false;
    int onTable_ = 0;
    long tricks_ = 0;
    long cards_ = 0;
};

}  // namespace zelvaro
