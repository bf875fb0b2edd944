#include "rules/HandPlayout.h"

#include "rules/Showdown.h"

namespace zelvaro {

void HandPlayout::setTrick(const Trick& trick, int leader) {
    trick_ = trick;
    leader_ = leader;
    laid_ = 0;
    tableSum_ = 0;
    while (laid_ < kSeats && !trick_[laid_].empty()) {
        if (trick_[laid_].isReal()) tableSum_ += trick_[laid_].value;
        ++laid_;
    }
    trickmax_ = provisionalWinner(trick_, twoBeatsAce_).trickmax;
    skipPasses();
}

int HandPlayout::lowest(int seat) const {
    for (int v = 2; v <= kAce; ++v) {
        if (count_[seat][v] != 0) return v;
    }
    return 0;
}

int HandPlayout::highest(int seat) const {
    for (int v = kAce; v >= 2; --v) {
        if (count_[seat][v] != 0) return v;
    }
    return 0;
}

int HandPlayout::lowestFrom(int seat, int floor) const {
    for (int v = floor < 2 ? 2 : floor; v <= kAce; ++v) {
        if (count_[seat][v] != 0) return v;
    }
    return 0;
}

bool HandPlayout::mayLay(int seat, int value) const {
    if (value < 2 || value > kAce || count_[seat][value] == 0) return false;
    return value != kAce || laid_ != 0 || count_[seat][kAce] == held_[seat];
}

int HandPlayout::seatsStillToLay() const {
    int seats = 0;
    for (int k = laid_ + 1; k < kSeats; ++k) {
        if (held_[seatOfSlot(k)] != 0) ++seats;
    }
    return seats;
}

int HandPlayout::seatsHolding() const {
    int seats = 0;
    for (int seat = 0; seat < kSeats; ++seat) seats += held_[seat] != 0 ? 1 : 0;
    return seats;
}

void HandPlayout::lay(int value) {
    const int seat = onTurn();
    --count_[seat][value];
    --held_[seat];
    trick_[laid_] = Card{value, 'c'};
    ++laid_;
    tableSum_ += value;
    if (value >= trickmax_) {
        trickmax_ = value;
    } else if (twoBeatsAce_ && value == 2 && trickmax_ == kAce) {
        trickmax_ = 2;
    }
    // A laid card goes to the bottom of the pile at once.
    putOnPile(value);
    skipPasses();
}

void HandPlayout::skipPasses() {
    while (!over_) {
        while (laid_ < kSeats && held_[seatOfSlot(laid_)] == 0) {
            trick_[laid_++] = Card{kPass, kNoSuit};
        }
        if (laid_ < kSeats) return;
        resolveTrick();
    }
}

void HandPlayout::resolveTrick() {
    const TrickOutcome outcome = findTrickWinner(trick_, twoBeatsAce_);
    int winner = seatOfSlot(outcome.winnerSlot);
    const int second =
        outcome.tiecount == 1 || outcome.secondSlot < 0 ? -1 : seatOfSlot(outcome.secondSlot);
    if (family_ == GameFamily::Pot) {
        const PotResult pot = computePot(trick_);
        const int share = potShare(pot);
        for (int k = 0; k < kSeats && pot.winnercount > 0; ++k) {
            if (trick_[k].value != pot.winningvalue) continue;
            winner = seatOfSlot(k);
            gained_[winner] += share;
        }
    } else {
        givePrizes(winner, second >= 0 ? second : winner);
    }
    const int holding = seatsHolding();
    if (family_ == GameFamily::Elimination && holding < kSeats) {
        for (int k = 0; k < kSeats; ++k) {
            const int seat = seatOfSlot(k);
            if (trick_[k].isReal() && held_[seat] == 0 && seat != winner && seat != second) {
                gained_[seat] += kSeats - holding;
            }
        }
    }
    leader_ = winner;
    laid_ = 0;
    trickmax_ = 0;
    tableSum_ = 0;
    trick_.fill(Card{0, kNoSuit});
    if (holding <= 1) endHand();
}

void HandPlayout::givePrizes(int first, int second) {
    // Pile place 0 to the winner, place 1 to the second winner (the winner again without a
    // tie); a full hand leaves its card on the pile, and the pile closes up.
    const bool takesFirst = pileSize_ > 0 && held_[first] < kHandSlots;
    const bool takesSecond =
        pileSize_ > 1 && held_[second] + (second == first && takesFirst ? 1 : 0) < kHandSlots;
    const int top = pile_[head_ & kPileMask];
    const int next = pile_[(head_ + 1) & kPileMask];
    if (takesFirst) take(first, top);
    if (takesSecond) take(second, next);
    if (takesSecond) {
        pile_[(head_ + 1) & kPileMask] = static_cast<std::uint8_t>(top);
        head_ = (head_ + 1) & kPileMask;
        --pileSize_;
    }
    if (takesFirst) {
        head_ = (head_ + 1) & kPileMask;
        --pileSize_;
    }
}

void HandPlayout::settle() {
    for (int holding = seatsHolding(); holding > 1 && !over_; --holding) {
        int out = -1;
        for (int seat = 0; seat < kSeats; ++seat) {
            if (held_[seat] != 0 && (out < 0 || held_[seat] < held_[out])) out = seat;
        }
        if (family_ == GameFamily::Elimination) gained_[out] += kSeats - (holding - 1);
        for (int v = 2; v <= kAce; ++v) {
            while (count_[out][v] != 0) discard(out, v);
        }
    }
    if (!over_) endHand();
}

void HandPlayout::take(int seat, int value) {
    ++count_[seat][value];
    ++held_[seat];
}

void HandPlayout::endHand() {
    over_ = true;
    winner_ = leader_;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (held_[seat] != 0) winner_ = seat;
    }
    switch (family_) {
        case GameFamily::LastHolder:
            gained_[winner_] += 1;
            break;
        case GameFamily::Points:
            gained_[winner_] += held_[winner_] + 5;
            break;
        case GameFamily::Elimination:
            gained_[winner_] += 6;
            break;
        case GameFamily::Pot:
            break;
    }
}

}  // namespace zelvaro
