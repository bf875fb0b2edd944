// The shape of a table of six: its seats, the places of a hand and of a trick.
#pragma once

#include <array>

#include "rules/Card.h"
#include "rules/CardWords.h"

namespace zelvaro {

inline constexpr int kSeats = 6;
inline constexpr int kHandSlots = 12;
inline constexpr int kHumanSeat = 0;

using Hand = std::array<Card, kHandSlots>;
static_assert(kHandSlots % cardwords::kCardsPerWord == 0);
using Trick = std::array<Card, kSeats>;

}  // namespace zelvaro
