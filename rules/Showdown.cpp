#include "rules/Showdown.h"

#include "rules/Rounding.h"

namespace zelvaro {

ProvisionalResult provisionalWinner(const Trick& trick, bool twoBeatsAce) {
    ProvisionalResult result;
    for (int k = 0; k < kSeats; ++k) {
        const int v = trick[k].value;
        if (v != kPass && (v > result.trickmax || (v == result.trickmax && v != 0))) {
            result.winnerSlot = k;
            result.trickmax = v;
        } else if (twoBeatsAce && v == 2 && result.trickmax == kAce) {
            result.winnerSlot = k;
            result.trickmax = 2;
        }
    }
    return result;
}

TrickOutcome findTrickWinner(const Trick& trick, bool twoBeatsAce) {
    TrickOutcome outcome;
    int max = 0;
    for (int k = 0; k < kSeats; ++k) {
        const int v = trick[k].value;
        if (v > max && v != kPass) {
            outcome.winnerSlot = k;
            max = v;
            outcome.tiecount = 1;
        } else if (v == max && v != 0) {
            outcome.secondSlot = outcome.winnerSlot;
            outcome.winnerSlot = k;
            ++outcome.tiecount;
        } else if (twoBeatsAce && max == kAce && v == 2) {
            outcome.winnerSlot = k;
            max = 2;
            outcome.tiecount = 1;
        }
    }
    if (outcome.tiecount <= 1) outcome.secondSlot = -1;
    return outcome;
}

PotResult computePot(const Trick& trick) {
    PotResult result;
    for (const Card& card : trick) {
        if (!card.isReal()) continue;
        result.pot += card.value;
        if (card.value > result.winningvalue) {
            result.winningvalue = card.value;
            result.winnercount = 1;
        } else if (card.value == result.winningvalue) {
            ++result.winnercount;
        }
    }
    return result;
}

int potShare(const PotResult& pot) {
    if (pot.winnercount == 0) return 0;
    return static_cast<int>(roundHalfEven(static_cast<double>(pot.pot) / pot.winnercount));
}

std::string potCaption(const PotResult& pot) {
    if (pot.pot == 0) return "Piatto: 0";
    std::string caption = "Piatto: " + std::to_string(pot.pot);
    if (pot.winnercount == 1) {
        caption += "  (1 Vincitore " + std::to_string(pot.pot) + ")";
    } else {
        caption += "  (" + std::to_string(pot.winnercount) + " Vincitori " +
                   std::to_string(potShare(pot)) + ")";
    }
    return caption;
}

}  // namespace zelvaro
