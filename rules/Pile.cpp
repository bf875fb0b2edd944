#include "rules/Pile.h"

#include <algorithm>

#include "rules/CardWords.h"

namespace zelvaro {
namespace {

using namespace cardwords;
static_assert(kPileSize % kCardsPerWord == 0);

enum class Looking { ForEmptyPlace, ForCard };

// The first place at or after `from` that is empty, or that holds a card; kPileSize if none.
// The lanes before `from` in its word are made to look like what is not looked for.
template <Looking looking>
int scan(const Pile::Places& places, int from) {
    if (from >= kPileSize) return kPileSize;
    const int skipped = from % kCardsPerWord;
    std::uint64_t before = skipped == 0 ? 0 : (1ull << (kLaneBits * skipped)) - 1;
    for (int place = from - skipped; place < kPileSize; place += kCardsPerWord, before = 0) {
        const std::uint64_t word = values(&places[place]);
        const std::uint64_t lanes = looking == Looking::ForEmptyPlace
                                        ? emptyLanes(word | (before & kLaneOnes))
                                        : cardLanes(word & ~before);
        if (lanes != 0) return place + lowestLane(lanes);
    }
    return kPileSize;
}

// One past the last card before `end`; 0 if there is none.
int endOfCardsBefore(const Pile::Places& places, int end) {
    while (end > 0 && places[end - 1].empty()) --end;
    return end;
}

}  // namespace

void Pile::count() const {
    firstEmpty_ = static_cast<std::int16_t>(scan<Looking::ForEmptyPlace>(places_, 0));
    cardsEnd_ = static_cast<std::int16_t>(endOfCardsBefore(places_, kPileSize));
    int cards = 0;
    for (int first = 0; first < kPileSize; first += kCardsPerWord) {
        cards += laneCount(cardLanes(values(&places_[first])));
    }
    cards_ = static_cast<std::int16_t>(cards);
    counted_ = true;
}

int Pile::firstEmptyPlace() const {
    if (!counted_) count();
    return firstEmpty_;
}

int Pile::cardCount() const {
    if (!counted_) count();
    return cards_;
}

bool Pile::putAtFirstEmptyPlace(Card card) {
    if (!counted_) count();
    if (firstEmpty_ >= kPileSize || card.empty()) return false;
    const int place = firstEmpty_;
    places_[place] = card;
    ++cards_;
    cardsEnd_ = std::max<std::int16_t>(cardsEnd_, static_cast<std::int16_t>(place + 1));
    // Every hole lies after the place just filled: none left before the end of the cards
    // means the first empty place is that end.
    const bool holesBeforeEnd = cardsEnd_ > cards_;
    firstEmpty_ = static_cast<std::int16_t>(
        holesBeforeEnd ? scan<Looking::ForEmptyPlace>(places_, place + 1) : cardsEnd_);
    return true;
}

Card Pile::take(int place) {
    const Card card = places_[place];
    if (card.empty()) return card;
    if (!counted_) count();
    places_[place] = kEmptyCard;
    --cards_;
    firstEmpty_ = std::min<std::int16_t>(firstEmpty_, static_cast<std::int16_t>(place));
    if (place + 1 == cardsEnd_)
        cardsEnd_ = static_cast<std::int16_t>(endOfCardsBefore(places_, place));
    return card;
}

void Pile::compact() {
    if (!counted_) count();
    if (firstEmpty_ >= cardsEnd_) return;
    // A stable move of the cards to the front, run by run. `read - write` is the number of
    // holes passed so far; once it reaches all the holes before the end of the cards, the
    // rest up to that end is one run.
    const int holes = cardsEnd_ - cards_;
    int write = firstEmpty_;
    int read = write;
    while (write < cards_ && read < kPileSize) {
        read = scan<Looking::ForCard>(places_, read);
        const int runEnd =
            read - write == holes ? cardsEnd_ : scan<Looking::ForEmptyPlace>(places_, read);
        std::copy(places_.begin() + read, places_.begin() + runEnd, places_.begin() + write);
        write += runEnd - read;
        read = runEnd;
    }
    std::fill(places_.begin() + cards_, places_.begin() + cardsEnd_, kEmptyCard);
    firstEmpty_ = cards_;
    cardsEnd_ = cards_;
}

}  // namespace zelvaro
