#include "rules/LayRule.h"

#include <algorithm>

namespace zelvaro {

bool trickIsEmpty(const Trick& trick) {
    return std::all_of(trick.begin(), trick.end(), [](Card c) { return c.empty(); });
}

bool mayLay(const Hand& hand, int slot, const Trick& trick) {
    if (slot < 0 || slot >= kHandSlots || hand[slot].empty()) return false;
    if (hand[slot].value != kAce || !trickIsEmpty(trick)) return true;
    return std::none_of(hand.begin(), hand.end(),
                        [](Card c) { return !c.empty() && c.value != kAce; });
}

}  // namespace zelvaro
