#include "rules/ComputerPlayer.h"

#include <algorithm>

#include "rules/MatchOptions.h"
#include "rules/Rounding.h"
#include "rules/Showdown.h"

namespace zelvaro {
namespace {

int clampThreshold(int value) {
    return std::clamp(value, 1, 100);
}

bool trickIsEmpty(const Trick& trick) {
    return std::all_of(trick.begin(), trick.end(), [](Card c) { return c.empty(); });
}

// The lowest card above `floor`, first in slot order among equals; -1 if none.
int lowestAbove(const Hand& hand, int floor) {
    int chosen = -1;
    for (int j = 0; j < kHandSlots; ++j) {
        const int v = hand[j].value;
        if (v > floor && (chosen < 0 || v < hand[chosen].value)) chosen = j;
    }
    return chosen;
}

int attackSlot(const PlayView& view, int trickmax, int trickposition, int fallbackslot) {
    const Hand& hand = view.hand;
    if (view.twoBeatsAce && trickmax == kAce) {
        int lastTwo = -1;
        for (int j = 0; j < kHandSlots; ++j) {
            if (hand[j].value == 2) lastTwo = j;
        }
        return lastTwo >= 0 ? lastTwo : fallbackslot;
    }
    int chosen = -1;
    int m = trickmax;
    for (int j = 0; j < kHandSlots; ++j) {
        const int v = hand[j].value;
        if (v != 0 && v >= m) {
            chosen = j;
            m = v;
        }
    }
    if (trickposition == 6) {
        int highestOnTable = 0;
        for (const Card& card : view.trick) {
            if (card.isReal()) highestOnTable = std::max(highestOnTable, int{card.value});
        }
        const int refined = lowestAbove(hand, highestOnTable);
        if (refined >= 0) chosen = refined;
    }
    return chosen >= 0 ? chosen : fallbackslot;
}

}  // namespace

int computerDraw(double r) {
    return static_cast<int>(roundHalfEven(r * 100)) + 30;
}

bool computerChangeDecision(const Hand& hand, int aggressivita, int draw) {
    int owncount = 0, ownsum = 0;
    for (const Card& card : hand) {
        if (card.empty()) continue;
        ++owncount;
        ownsum += card.value;
    }
    if (owncount == 0) return false;
    const auto average = roundHalfEven(static_cast<double>(ownsum) / owncount);
    const int bonus = average > 10 ? 0 : (average < 7 ? 40 : 80);
    return clampThreshold(aggressivita + bonus) > draw;
}

int chooseDiscard(const Hand& hand) {
    int chosen = -1;
    for (int j = 0; j < kHandSlots; ++j) {
        if (!hand[j].empty() && (chosen < 0 || hand[j].value < hand[chosen].value)) chosen = j;
    }
    return chosen;
}

int computerPlayDecision(const PlayView& view, int draw) {
    const Hand& hand = view.hand;
    int fallbackslot = 0, lowslot = 15, owncount = 0, ownsum = 0;
    const int trickmax = provisionalWinner(view.trick, view.twoBeatsAce).trickmax;
    int trickposition = 1, acesplayed = 0;
    for (const Card& card : view.trick) {
        if (card.isReal()) ++trickposition;
        if (card.value == kAce) ++acesplayed;
    }

    int strength = 50;
    if (view.activeseats == 2) {
        // Two-seat endgame: weigh every place, empty ones too, against the table's best card.
        for (int j = 0; j < kHandSlots; ++j) {
            const int v = hand[j].value;
            if (v != 0) {
                ++owncount;
                if (v < lowslot) {
                    lowslot = v;
                    fallbackslot = j;
                }
            }
            if (v > trickmax)
                strength += v - 2 * trickmax;
            else if (v == trickmax)
                strength += 1;
            else
                strength += trickmax - v;
        }
    } else {
        for (const Card& card : hand) {
            if (card.empty()) continue;
            ++owncount;
            ownsum += card.value;
        }
        const int average =
            owncount > 0 ? static_cast<int>(intFloor(static_cast<double>(ownsum) / owncount)) : 0;
        strength = average + 4 * owncount + 50 - 2 * view.othercards - 8;
    }
    if (acesplayed > 0) {
        strength = static_cast<int>(intFloor(static_cast<double>(strength) / (2 * acesplayed)));
    }
    if (view.potGame) {
        const PotResult pot = computePot(view.trick);
        if (ownsum > trickmax) strength += 60;
        // Leading, there is nothing on the table to share: the strength stays as it is.
        if (pot.winnercount > 0 && trickmax > 0) {
            const auto share = potShare(pot);
            const auto q = roundHalfEven(static_cast<double>(share) * 100 / trickmax);
            strength += q > 200 ? 30 : -30;
        }
    }

    const int base = 100 - (6 - trickposition) * 20 + strength - 50;
    int threshold = base + view.aggressivita - 15;
    if (isText(view.premio, "1 Carta")) {
        threshold = base + view.aggressivita - 30 + 2 * view.prize0;
    } else if (isText(view.premio, "2 Carte")) {
        threshold = base + view.aggressivita - 60 + 2 * (view.prize0 + view.prize1);
    }
    threshold = clampThreshold(threshold);

    int chosen = fallbackslot;
    if (threshold > draw) {
        chosen = attackSlot(view, trickmax, trickposition, fallbackslot);
    } else if (view.twoBeatsAce && lowslot == 2) {
        const int above = lowestAbove(hand, 2);
        chosen = above >= 0 ? above : fallbackslot;
    }

    // Never lead with an Ace while holding anything else.
    if (hand[chosen].value == kAce && trickIsEmpty(view.trick)) {
        for (int j = 0; j < kHandSlots; ++j) {
            if (!hand[j].empty() && hand[j].value != kAce) chosen = j;
        }
    }
    return chosen;
}

}  // namespace zelvaro
