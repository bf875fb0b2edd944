// The state of one table of six and the primitive card operations on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "primitives/PlayerProfile.h"
#include "rules/Card.h"
#include "rules/CardWords.h"
#include "rules/ExpertView.h"
#include "rules/MatchOptions.h"
#include "rules/Pile.h"
#include "rules/Table.h"

namespace zelvaro {

class Random;

struct SeatStats {
    std::string surname;    // field 0
    int score = 0;          // field 1: points, wins or chips by game type
    int mark = 0;           // field 2: scratch mark of the table ranking
    std::string firstName;  // field 3
};

class GameSession {
public:
    GameSession();

    // Two identical 52-card packs, one after the other.
    void buildMasterDeck();
    // Refills the pile from the packs in random order, after skipping round(burn) + 1 draws.
    void shuffleDeck(Random& random, double burn);
    // Hand size by speed, then seat by seat from the top of the pile.
    void dealHands();
    // Moves every card of the pile to the front, keeping their order.
    void compactDeck();
    // Every hand highest first, empty places last.
    void sortHands();
    // The top card of the pile goes to the first empty place of `drawseat`.
    void drawTopCard();
    // The card goes to the bottom of the pile and its place is emptied.
    void discardToDeck(int seat, int slot);
    // The seat lays a card: to the bottom of the pile and into the trick; then the pile is
    // compacted and the seat's hand sorted (the others did not change).
    void playToTrick(int seat, int slot);
    // A prize card: pile place `place` goes to the seat's first empty hand place and the hand
    // is sorted again. A hand of twelve leaves the card on the pile instead of losing it.
    void givePileCard(int seat, int place);
    // The pass mark in the first empty trick place.
    void passInTrick();
    // Empties the trick (value 0, no suit).
    void clearTrick();

    bool holdsCards(int seat) const { return !hands[seat][0].empty(); }
    int cardsHeld(int seat) const { return cardwords::laneSum(placesHolding(hands[seat])); }
    // The cards of all six hands together.
    int cardsHeldByAll() const {
        std::uint64_t counts = 0;  // at most 18 a lane
        for (const Hand& hand : hands) counts += placesHolding(hand);
        return cardwords::laneSum(counts);
    }
    int seatsHoldingCards() const;
    // Trick places holding a real card (not empty, not a pass).
    int realCardsInTrick() const;
    // Every seat has laid or passed: the table holds the trick a moment before taking it.
    bool trickIsFull() const { return !trick[kSeats - 1].empty(); }
    // Seat that laid trick place k.
    int seatOfTrickSlot(int k) const { return (k + trickleader) % kSeats; }
    // Trick place where `seat` lays (or laid) in the current trick.
    int trickSlotOfSeat(int seat) const { return (seat - trickleader + kSeats) % kSeats; }
    // Cards in the pile and the hands together: always 104, since a laid card goes back to the
    // bottom of the pile at once and the trick only shows a copy.
    int cardsInPileAndHands() const;

    std::array<Card, kPileSize> masterdeck{};
    Pile deck;
    std::array<Hand, kSeats> hands{};
    Trick trick{};
    std::array<SeatStats, kSeats> seatstats{};
    std::array<PlayerProfile, kSeats - 1> opponents{};
    PlayerProfile humanprofile;
    MatchOptions options;
    std::string gamemode = "Partita";
    // The computer seats' level: "Classici", the game's own model, or "Esperti".
    std::string avversari = "Classici";
    // Cards of each value laid on the table in the earlier tricks of the hand, as every seat
    // saw them go: what the expert seats remember.
    ValueCounts cardsgone{};

    std::int16_t turnseat = 0;
    std::int16_t trickleader = 0;
    std::int16_t trickwinner = 0;
    std::int16_t secondwinner = -1;
    std::int16_t tiecount = 0;
    std::int16_t trickmax = 0;
    std::int16_t chosenslot = 0;
    std::int16_t pulsanticambio = 0;
    std::int16_t changedecisions = 0;
    std::int16_t tickcount = 0;
    std::int32_t pot = 0;
    std::int16_t winningvalue = 0;
    std::int16_t winnercount = 0;
    std::int16_t dealcount = 7;
    std::int16_t dealpos = 0;
    std::int16_t drawseat = 0;

private:
    // Per lane, how many of the hand's three words hold a card there.
    static std::uint64_t placesHolding(const Hand& hand) {
        std::uint64_t counts = 0;
        for (int first = 0; first < kHandSlots; first += cardwords::kCardsPerWord) {
            counts += cardwords::laneOnes(cardwords::cardLanes(cardwords::values(&hand[first])));
        }
        return counts;
    }
    void sortHand(Hand& hand);
};

}  // namespace zelvaro
