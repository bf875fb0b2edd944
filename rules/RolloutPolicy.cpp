#include "rules/RolloutPolicy.h"

namespace zelvaro {

int cheapestWinner(const HandPlayout& table, int seat) {
    const int max = table.trickmax();
    if (table.twoBeatsAce() && max == kAce && table.count(seat, 2) != 0) return 2;
    const int winner = table.lowestFrom(seat, max);
    return winner != 0 && table.mayLay(seat, winner) ? winner : 0;
}

int rolloutCard(const HandPlayout& table, ExpertRandom& random) {
    const int seat = table.onTurn();
    const int low = table.lowest(seat);
    if (table.leading()) return low;  // the lowest card is an Ace only when all are
    const int win = cheapestWinner(table, seat);
    if (win == 0) return low;
    const int later = table.seatsStillToLay();
    if (table.family() == GameFamily::Pot) {
        // Last to lay: take the pot when the others' cards come to half the card laid. Ahead of
        // others: one time in three the highest card, which wins so far. Seats that often bid
        // high keep the expert from counting on cheap pots.
        if (later == 0) return 2 * table.tableSum() >= win ? win : low;
        return random.below(3) == 0 ? table.highest(seat) : low;
    }
    if (later == 0) return win;
    // Ahead of others: a high card now and then, more often with fewer seats behind.
    if (win >= kAce - later + 1 && random.below(2) == 0) return win;
    return low;
}

void playOut(HandPlayout& table, ExpertRandom& random) {
    // Two seats that keep beating each other can pass the lead back and forth for a long time.
    constexpr int kMostCards = 300;
    for (int laid = 0; !table.over(); ++laid) {
        if (laid == kMostCards) return table.settle();
        table.lay(rolloutCard(table, random));
    }
}

}  // namespace zelvaro
