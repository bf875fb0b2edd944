#include "engine/GameSession.h"

#include <algorithm>

#include "engine/CardWords.h"
#include "engine/Random.h"
#include "engine/Rounding.h"

namespace zelvaro {
namespace {
constexpr char kSuitOfQuarter[4] = {'c', 'm', 'f', 'p'};

using namespace cardwords;
static_assert(kPileSize % kCardsPerWord == 0);

enum class Looking { ForEmptyPlace, ForCard };

// The first place at or after `from` that is empty, or that holds a card; kPileSize if none.
// The lanes before `from` in its word are made to look like what is not looked for.
template <Looking looking>
int scanPile(const std::array<Card, kPileSize>& deck, int from) {
    if (from >= kPileSize) return kPileSize;
    const int skipped = from % kCardsPerWord;
    std::uint64_t before = skipped == 0 ? 0 : (1ull << (kLaneBits * skipped)) - 1;
    for (int place = from - skipped; place < kPileSize; place += kCardsPerWord, before = 0) {
        const std::uint64_t word = values(&deck[place]);
        const std::uint64_t lanes = looking == Looking::ForEmptyPlace
                                        ? emptyLanes(word | (before & kLaneOnes))
                                        : cardLanes(word & ~before);
        if (lanes != 0) return place + lowestLane(lanes);
    }
    return kPileSize;
}

}  // namespace

GameSession::GameSession() {
    deck.fill(kEmptyCard);
    for (Hand& hand : hands) hand.fill(kEmptyCard);
    clearTrick();
}

void GameSession::buildMasterDeck() {
    for (int place = 0; place < kPileSize; ++place) {
        const int k = place % 52;
        masterdeck[place] = Card{k % 13 + 2, kSuitOfQuarter[k / 13]};
    }
}

void GameSession::shuffleDeck(Random& random, double burn) {
    const std::int64_t b = roundHalfEven(burn);
    if (b >= 0) random.discard(static_cast<std::uint64_t>(b) + 1);
    deck.fill(kEmptyCard);
    for (const Card& card : masterdeck) {
        int r = 0;
        do {
            r = static_cast<int>(intFloor(random.next() * kPileSize));
        } while (!deck[r].empty());
        deck[r] = card;
    }
}

void GameSession::dealHands() {
    if (options.tipopartita == "Lenta") dealcount = 9;
    else if (options.tipopartita == "Normale") dealcount = 7;
    else if (options.tipopartita == "Turbo") dealcount = 5;
    for (Hand& hand : hands) hand.fill(kEmptyCard);
    dealpos = 0;
    for (Hand& hand : hands) {
        for (int slot = 0; slot <= dealcount && slot < kHandSlots; ++slot) {
            hand[slot] = deck[dealpos];
            deck[dealpos] = kEmptyCard;
            ++dealpos;
        }
    }
    compactDeck();
}

int GameSession::firstEmptyPilePlace(int from) const {
    return scanPile<Looking::ForEmptyPlace>(deck, from);
}

int GameSession::firstPileCard(int from) const {
    return scanPile<Looking::ForCard>(deck, from);
}

void GameSession::compactDeck() { compactDeckFrom(0); }

void GameSession::compactDeckFrom(int known) {
    // A stable move of the cards to the front, run by run: the places between `write` and a
    // run are all empty, so a run moves down whole and leaves empty places behind it. Most
    // calls find the pile already compact, and the two scans are all there is.
    int write = firstEmptyPilePlace(known);
    for (int read = firstPileCard(write); read < kPileSize; read = firstPileCard(read)) {
        const int runEnd = firstEmptyPilePlace(read);
        const int length = runEnd - read;
        std::copy(deck.begin() + read, deck.begin() + runEnd, deck.begin() + write);
        std::fill(deck.begin() + write + length, deck.begin() + runEnd, kEmptyCard);
        write += length;
        read = runEnd;
    }
}

void GameSession::sortHand(Hand& hand) {
    // Insertion sort, highest value first; empty places (value 0) sink to the end. An already
    // sorted hand, the usual case, costs three word comparisons.
    if (valuesNeverRise(hand)) return;
    for (int i = 1; i < kHandSlots; ++i) {
        const Card card = hand[i];
        int j = i - 1;
        while (j >= 0 && hand[j].value < card.value) {
            hand[j + 1] = hand[j];
            --j;
        }
        hand[j + 1] = card;
    }
}

void GameSession::sortHands() {
    for (Hand& hand : hands) sortHand(hand);
}

void GameSession::drawTopCard() {
    Hand& hand = hands[drawseat];
    for (Card& place : hand) {
        if (place.empty()) {
            place = deck[0];
            deck[0] = kEmptyCard;
            return;
        }
    }
}

void GameSession::discardToDeck(int seat, int slot) {
    const int place = firstEmptyPilePlace(0);
    if (place < kPileSize) deck[place] = hands[seat][slot];
    hands[seat][slot] = kEmptyCard;
}

void GameSession::playToTrick(int seat, int slot) {
    const Card card = hands[seat][slot];
    const int place = firstEmptyPilePlace(0);
    for (Card& t : trick) {
        if (t.empty()) {
            t = card;
            break;
        }
    }
    if (place < kPileSize) {
        deck[place] = card;
        // Every place up to the card's holds a card: compaction looks on from there.
        compactDeckFrom(place + 1);
    }
    // Only the seat's own hand changed. It closes up behind the card laid, which is the
    // order a sorted hand keeps; the sort then only checks it.
    Hand& hand = hands[seat];
    std::copy(hand.begin() + slot + 1, hand.end(), hand.begin() + slot);
    hand.back() = kEmptyCard;
    sortHand(hand);
}

void GameSession::passInTrick() {
    for (Card& t : trick) {
        if (t.empty()) {
            t = Card{kPass, kNoSuit};
            return;
        }
    }
}

void GameSession::clearTrick() { trick.fill(Card{0, kNoSuit}); }

int GameSession::seatsHoldingCards() const {
    int count = 0;
    for (int seat = 0; seat < kSeats; ++seat) count += holdsCards(seat) ? 1 : 0;
    return count;
}

int GameSession::realCardsInTrick() const {
    return static_cast<int>(
        std::count_if(trick.begin(), trick.end(), [](Card c) { return c.isReal(); }));
}

int GameSession::cardsInPileAndHands() const {
    int count = static_cast<int>(
        std::count_if(deck.begin(), deck.end(), [](Card c) { return !c.empty(); }));
    for (int seat = 0; seat < kSeats; ++seat) count += cardsHeld(seat);
    return count;
}

}  // namespace zelvaro
