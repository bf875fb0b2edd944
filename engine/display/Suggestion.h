// "Suggerimento": on the player's turn, the expert's choice for him marked on his cards and
// not played: the card it would lay, or the two it would give at the change. Asking moves
// nothing of the game, its random sequence least of all: the expert draws only from its own
// generator.
#pragma once

#include <array>

#include "engine/GameSession.h"
#include "primitives/Surface.h"

namespace zelvaro {

class Suggestion {
public:
    Suggestion(Surface& surface, const GameSession& session)
        : surface_(surface), session_(session) {}

    // The expert's choice for the player's seat where he stands: the card to lay (second -1),
    // or at the change question the two to give (both -1 when it would keep its cards).
    static std::array<int, 2> expertChoice(const GameSession& session, bool changeQuestion);

    // Whether the player is to act: the button is offered, and any mark of an earlier turn
    // goes.
    void offer(bool playerToAct);
    // "Suggerimento" (the button or H): marks the choice and returns it; nothing when the
    // player is not to act. `changeQuestion` while "Cambia Carte" is asked.
    std::array<int, 2> show(bool changeQuestion);
    void hide();
    // The hand places marked, -1 for none.
    std::array<int, 2> marked() const { return marked_; }
    // Takes what the window shows as what is shown: after a saved game was put back.
    void readShown();

private:
    Surface& surface_;
    const GameSession& session_;
    bool offered_ = false;
    std::array<int, 2> marked_{-1, -1};
};

}  // namespace zelvaro
