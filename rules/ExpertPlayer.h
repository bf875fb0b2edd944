// The expert level of the computer seats: the card change and the card to lay, chosen by
// playing the hand out over many deals of the cards the seat has not seen and keeping what
// serves the game type best. A pure function of what the seat sees, drawing only from its own
// generator seeded by that view: the same view always gives the same decision.
#pragma once

#include "rules/ExpertView.h"

namespace zelvaro {

struct ExpertChange {
    bool changes = false;
    int first = -1;  // the two hand slots given up when it changes
    int second = -1;
};

ExpertChange expertChangeDecision(const ExpertView& view);
// The hand slot the seat lays: always a card it may lay; -1 for an empty hand.
int expertPlayDecision(const ExpertView& view);

}  // namespace zelvaro
