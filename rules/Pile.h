// The draw pile: 104 places, the cards at the front in order, empty places behind them.
//
// The pile knows where its first empty place is, where its last card stands and how many
// cards it holds, so the moves of a hand (a card to the bottom, the two prize cards off the
// top, compaction) need no search of the places. A direct write with `set`, `fill` or an
// assignment makes it count again before its next move.
#pragma once

#include <array>
#include <cstdint>

#include "rules/Card.h"

namespace zelvaro {

inline constexpr int kPileSize = 104;

class Pile {
public:
    using Places = std::array<Card, kPileSize>;

    Pile() { fill(kEmptyCard); }
    Pile& operator=(const Places& places) {
        places_ = places;
        counted_ = false;
        return *this;
    }

    const Card& operator[](int place) const { return places_[place]; }
    const Places& places() const { return places_; }
    const Card* begin() const { return places_.data(); }
    const Card* end() const { return places_.data() + kPileSize; }

    void set(int place, Card card) {
        places_[place] = card;
        counted_ = false;
    }
    void fill(Card card) {
        places_.fill(card);
        counted_ = false;
    }

    // The first empty place; kPileSize when every place holds a card.
    int firstEmptyPlace() const;
    // The card goes to the first empty place, the bottom of a compact pile. A full pile
    // keeps its cards and the card is not placed.
    bool putAtFirstEmptyPlace(Card card);
    // Empties a place and returns what it held.
    Card take(int place);
    // Moves every card to the front, keeping their order.
    void compact();
    int cardCount() const;

    bool operator==(const Pile& other) const { return places_ == other.places_; }
    bool operator==(const Places& places) const { return places_ == places; }

private:
    // Counts again after a direct write: the first empty place, the end of the last card and
    // the number of cards.
    void count() const;

    Places places_;
    // Valid while `counted_`: every place before `firstEmpty_` holds a card and `firstEmpty_`
    // is empty (or kPileSize); no card stands at or after `cardsEnd_`; `cards_` cards in all.
    mutable std::int16_t firstEmpty_ = 0;
    mutable std::int16_t cardsEnd_ = 0;
    mutable std::int16_t cards_ = 0;
    mutable bool counted_ = false;
};

}  // namespace zelvaro
