// Plain builders for the rules' tests: hands and tricks from their values alone.
#pragma once

#include <initializer_list>

#include "rules/Card.h"
#include "rules/Table.h"

namespace zelvaro::rulestest {

// Each card takes a suit by its place, so equal values stay tellable apart.
inline Card cardAt(int value, int place) {
    return Card{value, "cmfp"[place % 4]};
}

// A hand from its first places: 0 leaves a place empty, the places after the values too.
inline Hand hand(std::initializer_list<int> values) {
    Hand h{};
    h.fill(kEmptyCard);
    int slot = 0;
    for (int v : values) {
        if (slot == kHandSlots) break;
        if (v != 0) h[slot] = cardAt(v, slot);
        ++slot;
    }
    return h;
}

// A trick laid in slot order: 0 leaves a place empty, 15 is a pass; a trick has six places and
// values beyond them are ignored.
inline Trick trick(std::initializer_list<int> values) {
    Trick t{};
    t.fill(Card{0, kNoSuit});
    int k = 0;
    for (int v : values) {
        if (k == kSeats) break;
        if (v != 0) t[k] = v == kPass ? Card{kPass, kNoSuit} : cardAt(v, k);
        ++k;
    }
    return t;
}

}  // namespace zelvaro::rulestest
