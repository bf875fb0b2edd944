// The cards a seat has not seen, and deals of them that agree with all it has seen: the other
// hands get as many cards as each holds, the rest goes to the pile under the prize cards face
// up, and the cards laid this hand lie at the bottom of the pile, where a laid card goes.
#pragma once

#include <array>
#include <cstdint>

#include "rules/ExpertRandom.h"
#include "rules/ExpertView.h"
#include "rules/HandPlayout.h"

namespace zelvaro {

class UnseenCards {
public:
    explicit UnseenCards(const ExpertView& view);

    // A table for the look ahead: the seat's own hand as it is, one deal of the unseen cards,
    // the trick as it stands.
    HandPlayout deal(ExpertRandom& random) const;

private:
    const ExpertView& view_;
    GameFamily family_;
    std::array<std::uint8_t, 104> unseen_{};  // values, in a fixed order
    int unseenCount_ = 0;
    std::array<std::uint8_t, 104> laid_{};  // the cards laid this hand, known to be in the pile
    int laidCount_ = 0;
};

}  // namespace zelvaro
