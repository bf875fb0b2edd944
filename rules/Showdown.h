// Who wins a trick and what the pot holds: pure rules over the six trick places.
#pragma once

#include <string>

#include "rules/Table.h"

namespace zelvaro {

struct ProvisionalResult {
    int trickmax = 0;    // highest value so far (2 after a 2 has beaten an Ace)
    int winnerSlot = 0;  // trick place of the card winning so far
};

// The card winning so far: later equal cards win, a pass never does, and with
// `twoBeatsAce` a 2 laid on a winning Ace takes the lead.
ProvisionalResult provisionalWinner(const Trick& trick, bool twoBeatsAce);

struct TrickOutcome {
    int winnerSlot = 0;
    int secondSlot = -1;  // the equal card laid just before the winner, -1 without a tie
    int tiecount = 0;     // cards equal to the winning one
};

TrickOutcome findTrickWinner(const Trick& trick, bool twoBeatsAce);

struct PotResult {
    int pot = 0;           // sum of the real cards on the table
    int winningvalue = 0;  // highest real value (a 2 never beats an Ace here)
    int winnercount = 0;   // cards of that value
};

PotResult computePot(const Trick& trick);
// Each winner's share: the pot divided by the winners, halves to even.
int potShare(const PotResult& pot);
// "Piatto: 33  (2 Vincitori 16)".
std::string potCaption(const PotResult& pot);

}  // namespace zelvaro
