// How every seat plays in the expert's look ahead: quickly and sensibly, by the place in the
// trick, the card to beat and what the trick is worth. It only has to be a fair model of a
// table, not a strong one: the expert's own choice is made by playing it out many times.
#pragma once

#include "rules/ExpertRandom.h"
#include "rules/HandPlayout.h"

namespace zelvaro {

// The value the seat on turn lays; always one it may lay.
int rolloutCard(const HandPlayout& table, ExpertRandom& random);

// The cheapest value the seat on turn holds that would win the trick so far, 0 if none.
int cheapestWinner(const HandPlayout& table, int seat);

// Plays the hand out to its end.
void playOut(HandPlayout& table, ExpertRandom& random);

}  // namespace zelvaro
