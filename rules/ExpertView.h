// What a seat knows when it decides: its own hand, the trick on the table, the cards laid in
// the earlier tricks of the hand, the prize cards face up, how many cards each seat holds, the
// scores and the game's options. Never another seat's cards or the order of the pile.
#pragma once

#include <array>
#include <cstdint>

#include "rules/MatchOptions.h"
#include "rules/Table.h"

namespace zelvaro {

// Cards of each value (index 2..14) laid on the table in the earlier tricks of the hand. In a
// long hand laid cards come back from the pile as prizes, so a count can pass the 8 copies.
using ValueCounts = std::array<std::int16_t, 15>;

struct ExpertView {
    int seat = 1;
    Hand hand{};
    Trick trick{};
    int trickleader = 0;
    ValueCounts gone{};
    // The prize cards face up by `premio`: the value of pile places 0 and 1, 0 where hidden.
    std::array<int, 2> prize{};
    std::array<int, kSeats> cardsHeld{};
    std::array<int, kSeats> scores{};
    MatchOptions options;
};

// A fingerprint of everything the view holds, to seed the seat's own draws: the same view
// always gives the same decision.
std::uint64_t viewHash(const ExpertView& view);

}  // namespace zelvaro
