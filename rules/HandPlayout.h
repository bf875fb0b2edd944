// A hand played on by card values alone, the expert's look ahead. Suits never decide anything
// in the game, so here a card is its value and a hand the number of cards of each value. The
// steps are the table's own: the seats lay in turn from the leader, a seat without cards
// passes, the showdown gives the prize cards (or the pot), the elimination points are scored
// as seats go out, and the hand ends when at most one seat holds cards.
#pragma once

#include <array>
#include <cstdint>

#include "rules/GameFamily.h"
#include "rules/Table.h"

namespace zelvaro {

class HandPlayout {
public:
    HandPlayout(GameFamily family, bool twoBeatsAce) : family_(family), twoBeatsAce_(twoBeatsAce) {
        trick_.fill(Card{0, kNoSuit});
    }

    // Setting the table up: a card into a hand, a card at the bottom of the pile, and the
    // trick as it stands (its places in order of play from `leader`).
    void give(int seat, int value) {
        ++count_[seat][value];
        ++held_[seat];
    }
    void putOnPile(int value) {
        pile_[(head_ + pileSize_++) & kPileMask] = static_cast<std::uint8_t>(value);
    }
    void setTrick(const Trick& trick, int leader);
    // A card change: a card of the hand to the bottom of the pile, the top card to the hand.
    void discard(int seat, int value) {
        --count_[seat][value];
        --held_[seat];
        putOnPile(value);
    }
    void drawTop(int seat) {
        if (pileSize_ == 0) return;
        take(seat, pile_[head_]);
        head_ = (head_ + 1) & kPileMask;
        --pileSize_;
    }

    // The seat that lays next, after the seats without cards have passed; -1 once the hand
    // is over.
    int onTurn() const { return over_ ? -1 : (leader_ + laid_) % kSeats; }
    // The seat on turn lays a card of this value (one it holds); the trick is resolved when
    // it is full, and the next one begins.
    void lay(int value);

    bool over() const { return over_; }
    // Ends a hand that goes on too long, as if the seats went out from the fewest cards up.
    void settle();
    // The seat named at the hand's end, and what each seat gained in the hand as its game
    // type counts (a win, points, elimination points, pot shares).
    int winner() const { return winner_; }
    int gained(int seat) const { return gained_[seat]; }

    int held(int seat) const { return held_[seat]; }
    int count(int seat, int value) const { return count_[seat][value]; }
    // The seat's lowest and highest value, 0 for an empty hand.
    int lowest(int seat) const;
    int highest(int seat) const;
    // The seat's lowest value from `floor` up, 0 if none.
    int lowestFrom(int seat, int floor) const;
    // Whether the seat may lay this value now: it holds it and, leading, an Ace only when it
    // holds nothing else.
    bool mayLay(int seat, int value) const;
    // No place of the trick is filled yet: the seat on turn leads.
    bool leading() const { return laid_ == 0; }
    // The value a card must reach to win the trick so far (a later equal card wins; with "2
    // supera Asso" a 2 also beats a winning Ace); 0 while no card is on the table.
    int trickmax() const { return trickmax_; }
    bool twoBeatsAce() const { return twoBeatsAce_; }
    // Whether `value` laid now would win the trick so far.
    bool wouldLead(int value) const {
        return value >= trickmax_ || (twoBeatsAce_ && trickmax_ == kAce && value == 2);
    }
    // The real cards on the table and their sum.
    int tableSum() const { return tableSum_; }
    // Seats after the one on turn that still lay in this trick (they hold cards).
    int seatsStillToLay() const;
    GameFamily family() const { return family_; }
    // Value of pile place `place`, 0 past its end.
    int pileValue(int place) const {
        return place < pileSize_ ? pile_[(head_ + place) & kPileMask] : 0;
    }
    int seatsHolding() const;
    const Trick& trick() const { return trick_; }
    int leader() const { return leader_; }

private:
    static constexpr int kPileMask = 127;

    void skipPasses();
    void resolveTrick();
    void givePrizes(int first, int second);
    void take(int seat, int value);
    void endHand();
    int seatOfSlot(int k) const { return (leader_ + k) % kSeats; }

    GameFamily family_;
    bool twoBeatsAce_;
    std::array<std::array<std::uint8_t, 16>, kSeats> count_{};
    std::array<std::uint8_t, kSeats> held_{};
    std::array<int, kSeats> gained_{};
    std::array<std::uint8_t, 128> pile_{};
    int head_ = 0;
    int pileSize_ = 0;
    Trick trick_{};
    int leader_ = 0;
    int laid_ = 0;  // trick places filled, passes included
    int trickmax_ = 0;
    int tableSum_ = 0;
    int winner_ = -1;
    bool over_ = false;
};

}  // namespace zelvaro
