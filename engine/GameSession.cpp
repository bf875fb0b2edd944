#include "engine/GameSession.h"

#include <algorithm>

#include "primitives/Random.h"
#include "rules/CardWords.h"
#include "rules/Rounding.h"

namespace zelvaro {
namespace {
constexpr char kSuitOfQuarter[4] = {'c', 'm', 'f', 'p'};

using namespace cardwords;

}  // namespace

// A new card place is empty (value 0, suit "o"): the pile and the hands start empty as they
// are; the trick starts cleared.
GameSession::GameSession() {
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
        deck.set(r, card);
    }
}

void GameSession::dealHands() {
    if (options.tipopartita == "Lenta")
        dealcount = 9;
    else if (options.tipopartita == "Normale")
        dealcount = 7;
    else if (options.tipopartita == "Turbo")
        dealcount = 5;
    for (Hand& hand : hands) hand.fill(kEmptyCard);
    dealpos = 0;
    for (Hand& hand : hands) {
        for (int slot = 0; slot <= dealcount && slot < kHandSlots; ++slot) {
            hand[slot] = deck.take(dealpos);
            ++dealpos;
        }
    }
    compactDeck();
}

void GameSession::compactDeck() {
    deck.compact();
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
            place = deck.take(0);
            return;
        }
    }
}

void GameSession::discardToDeck(int seat, int slot) {
    deck.putAtFirstEmptyPlace(hands[seat][slot]);
    hands[seat][slot] = kEmptyCard;
}

void GameSession::playToTrick(int seat, int slot) {
    const Card card = hands[seat][slot];
    for (Card& t : trick) {
        if (t.empty()) {
            t = card;
            break;
        }
    }
    deck.putAtFirstEmptyPlace(card);
    deck.compact();
    // Only the seat's own hand changed. It closes up behind the card laid, which is the
    // order a sorted hand keeps; the sort then only checks it.
    Hand& hand = hands[seat];
    std::copy(hand.begin() + slot + 1, hand.end(), hand.begin() + slot);
    hand.back() = kEmptyCard;
    sortHand(hand);
}

void GameSession::givePileCard(int seat, int place) {
    Hand& hand = hands[seat];
    auto slot = static_cast<int>(
        std::find_if(hand.begin(), hand.end(), [](Card c) { return c.empty(); }) - hand.begin());
    if (deck[place].empty() || slot == kHandSlots) return;
    // In a sorted hand the card moves up past every lower card; the sort then only checks.
    const Card card = deck.take(place);
    for (; slot > 0 && hand[slot - 1].value < card.value; --slot) hand[slot] = hand[slot - 1];
    hand[slot] = card;
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

void GameSession::clearTrick() {
    trick.fill(Card{0, kNoSuit});
}

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
    int count = deck.cardCount();
    for (int seat = 0; seat < kSeats; ++seat) count += cardsHeld(seat);
    return count;
}

}  // namespace zelvaro
