#include "engine/GameSession.h"

#include <algorithm>

#include "engine/Random.h"
#include "engine/Rounding.h"

namespace zelvaro {
namespace {
constexpr char kSuitOfQuarter[4] = {'c', 'm', 'f', 'p'};
}

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

void GameSession::compactDeck() {
    // A stable move of the cards to the front, in one pass. Most calls find the pile already
    // compact: the first empty place is followed by empty places only.
    int write = 0;
    while (write < kPileSize && !deck[write].empty()) ++write;
    for (int read = write + 1; read < kPileSize; ++read) {
        if (!deck[read].empty()) {
            deck[write++] = deck[read];
            deck[read] = kEmptyCard;
        }
    }
}

void GameSession::sortHand(Hand& hand) {
    // Insertion sort, highest value first; empty places (value 0) sink to the end. An already
    // sorted hand, the usual case, costs one pass.
    for (int i = 1; i < kHandSlots; ++i) {
        if (hand[i - 1].value < hand[i].value) break;
        if (i == kHandSlots - 1) return;
    }
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

int GameSession::firstEmptyPilePlace() const {
    for (int i = 0; i < kPileSize; ++i) {
        if (deck[i].empty()) return i;
    }
    return -1;
}

void GameSession::discardToDeck(int seat, int slot) {
    const int place = firstEmptyPilePlace();
    if (place >= 0) deck[place] = hands[seat][slot];
    hands[seat][slot] = kEmptyCard;
}

void GameSession::playToTrick(int seat, int slot) {
    const Card card = hands[seat][slot];
    const int place = firstEmptyPilePlace();
    if (place >= 0) deck[place] = card;
    for (Card& t : trick) {
        if (t.empty()) {
            t = card;
            break;
        }
    }
    hands[seat][slot] = kEmptyCard;
    compactDeck();
    sortHands();
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

int GameSession::cardsHeld(int seat) const {
    return static_cast<int>(
        std::count_if(hands[seat].begin(), hands[seat].end(), [](Card c) { return !c.empty(); }));
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
    int count = static_cast<int>(
        std::count_if(deck.begin(), deck.end(), [](Card c) { return !c.empty(); }));
    for (int seat = 0; seat < kSeats; ++seat) count += cardsHeld(seat);
    return count;
}

}  // namespace zelvaro
