// The two packs, the draw pile and the hands: building, shuffling, dealing and every move
// of a card between pile, hands and trick.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "engine/GameSession.h"
#include "primitives/Random.h"
#include "rules/Card.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

class CardsTest : public ::testing::Test {
protected:
    CardsTest() { session.buildMasterDeck(); }

    void shuffleAndDeal(const std::string& speed, double burn = 0) {
        session.options.tipopartita = speed;
        session.shuffleDeck(random, burn);
        session.dealHands();
        session.sortHands();
    }

    void expectAllCardsKept() const {
        EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));
        EXPECT_EQ(session.cardsInPileAndHands(), kPileSize);
    }

    GameSession session;
    Random random;
};

TEST_F(CardsTest, ANewTableHasAnEmptyPileEmptyHandsAndAClearedTrick) {
    const GameSession fresh;
    for (const Card& place : fresh.deck) EXPECT_EQ(place, kEmptyCard);
    EXPECT_EQ(fresh.deck.cardCount(), 0);
    for (const Hand& hand : fresh.hands) {
        for (const Card& place : hand) EXPECT_EQ(place, kEmptyCard);
    }
    for (const Card& place : fresh.trick) EXPECT_EQ(place, (Card{0, kNoSuit}));
}

TEST_F(CardsTest, TwoPacksHoldEveryCardExactlyTwice) {
    std::map<std::pair<int, char>, int> seen;
    for (const Card& c : session.masterdeck) {
        EXPECT_GE(c.value, 2);
        EXPECT_LE(c.value, 14);
        EXPECT_NE(std::string("cmfp").find(c.suit), std::string::npos) << c.suit;
        ++seen[{c.value, c.suit}];
    }
    EXPECT_EQ(seen.size(), 52u);
    for (const auto& [card, count] : seen) EXPECT_EQ(count, 2) << card.first << card.second;
}

TEST_F(CardsTest, PacksAreLaidOutSuitBySuitFromTwoToAce) {
    EXPECT_EQ(session.masterdeck[0], makeCard(2, 'c'));
    EXPECT_EQ(session.masterdeck[12], makeCard(14, 'c'));
    EXPECT_EQ(session.masterdeck[13], makeCard(2, 'm'));
    EXPECT_EQ(session.masterdeck[26], makeCard(2, 'f'));
    EXPECT_EQ(session.masterdeck[51], makeCard(14, 'p'));
    EXPECT_EQ(session.masterdeck[52], makeCard(2, 'c'));
    EXPECT_EQ(session.masterdeck[103], makeCard(14, 'p'));
}

TEST_F(CardsTest, ShuffleKeepsEveryCard) {
    session.shuffleDeck(random, 17);
    EXPECT_EQ(cardsInPile(session), kPileSize);
    expectAllCardsKept();
}

TEST_F(CardsTest, DealSizesFollowTheSpeed) {
    const std::array<std::pair<const char*, int>, 3> speeds{
        {{"Lenta", 10}, {"Normale", 8}, {"Turbo", 6}}};
    for (const auto& [speed, perSeat] : speeds) {
        SCOPED_TRACE(speed);
        shuffleAndDeal(speed);
        for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(session.cardsHeld(seat), perSeat);
        EXPECT_EQ(cardsInPile(session), kPileSize - 6 * perSeat);
        EXPECT_TRUE(pileIsCompact(session));
        expectAllCardsKept();
    }
}

TEST_F(CardsTest, UnknownSpeedKeepsThePreviousDealCount) {
    shuffleAndDeal("Turbo");
    shuffleAndDeal("Velocissima");
    EXPECT_EQ(session.dealcount, 5);
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(session.cardsHeld(seat), 6);
    session.dealcount = 3;
    shuffleAndDeal("");
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(session.cardsHeld(seat), 4);
    EXPECT_EQ(cardsInPile(session), 80);
    expectAllCardsKept();
}

TEST_F(CardsTest, DealGivesEachSeatABlockFromTheTopAndKeepsThePileOrder) {
    session.options.tipopartita = "Normale";
    session.shuffleDeck(random, 0);
    const auto before = session.deck;
    session.dealHands();
    for (int seat = 0; seat < kSeats; ++seat) {
        for (int slot = 0; slot < 8; ++slot) {
            EXPECT_EQ(session.hands[seat][slot], before[seat * 8 + slot]) << seat << "/" << slot;
        }
        for (int slot = 8; slot < kHandSlots; ++slot)
            EXPECT_TRUE(session.hands[seat][slot].empty());
    }
    for (int k = 0; k < 56; ++k) EXPECT_EQ(session.deck[k], before[48 + k]) << k;
}

TEST_F(CardsTest, DealClearsWhatTheHandsHeldBefore) {
    session.hands[2].fill(makeCard(9, 'p'));
    shuffleAndDeal("Turbo");
    EXPECT_EQ(session.cardsHeld(2), 6);
    expectAllCardsKept();
}

TEST_F(CardsTest, SortPutsTheHighestFirstAndEmptiesLast) {
    session.hands[4].fill(kEmptyCard);
    session.hands[4][0] = makeCard(5, 'c');
    session.hands[4][2] = makeCard(14, 'm');
    session.hands[4][3] = makeCard(9, 'f');
    session.hands[4][6] = makeCard(2, 'p');
    session.hands[4][11] = makeCard(12, 'c');
    session.sortHands();
    const Hand& h = session.hands[4];
    EXPECT_EQ(h[0], makeCard(14, 'm'));
    EXPECT_EQ(h[1], makeCard(12, 'c'));
    EXPECT_EQ(h[2], makeCard(9, 'f'));
    EXPECT_EQ(h[3], makeCard(5, 'c'));
    EXPECT_EQ(h[4], makeCard(2, 'p'));
    for (int j = 5; j < kHandSlots; ++j) EXPECT_TRUE(h[j].empty()) << j;
}

TEST_F(CardsTest, SortMovesACardOutOfOrderInTheLastPlace) {
    const int values[kHandSlots] = {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 9};
    for (int j = 0; j < kHandSlots; ++j) session.hands[0][j] = makeCard(values[j], "cmfp"[j % 4]);
    session.sortHands();
    EXPECT_TRUE(handIsSorted(session.hands[0]));
    EXPECT_EQ(session.hands[0][11].value, 4);
    EXPECT_EQ(session.hands[0][5].value, 9);
    EXPECT_EQ(session.hands[0][6].value, 9);
    EXPECT_NE(session.hands[0][5].suit, session.hands[0][6].suit);
}

TEST_F(CardsTest, SortKeepsValueAndSuitTogether) {
    shuffleAndDeal("Lenta", 11);
    for (const Hand& h : session.hands) EXPECT_TRUE(handIsSorted(h));
    expectAllCardsKept();
}

TEST_F(CardsTest, DrawMovesExactlyOneCardEvenWithSeveralEmptySlots) {
    shuffleAndDeal("Turbo");
    session.hands[3].fill(kEmptyCard);
    session.hands[3][0] = makeCard(13, 'c');
    session.hands[3][3] = makeCard(4, 'm');
    const Card top = session.deck[0];
    const Card second = session.deck[1];
    const int pileBefore = cardsInPile(session);
    session.drawseat = 3;
    session.drawTopCard();
    EXPECT_EQ(session.cardsHeld(3), 3);
    EXPECT_EQ(session.hands[3][1], top);  // the first empty place
    EXPECT_TRUE(session.hands[3][2].empty());
    EXPECT_TRUE(session.deck[0].empty());
    session.compactDeck();
    EXPECT_EQ(cardsInPile(session), pileBefore - 1);
    EXPECT_EQ(session.deck[0], second);
}

TEST_F(CardsTest, DrawIntoAnEmptyHandFillsSlotZero) {
    shuffleAndDeal("Normale");
    const Card top = session.deck[0];
    session.hands[1].fill(kEmptyCard);
    session.drawseat = 1;
    session.drawTopCard();
    EXPECT_EQ(session.hands[1][0], top);
    EXPECT_EQ(session.cardsHeld(1), 1);
}

TEST_F(CardsTest, DiscardGoesToTheBottomOfThePile) {
    shuffleAndDeal("Normale");
    const Card given = session.hands[2][5];
    const int pileBefore = cardsInPile(session);
    session.discardToDeck(2, 5);
    EXPECT_TRUE(session.hands[2][5].empty());
    EXPECT_EQ(session.hands[2][5].suit, kEmptySuit);
    EXPECT_EQ(cardsInPile(session), pileBefore + 1);
    EXPECT_EQ(session.deck[pileBefore], given);
    EXPECT_EQ(session.cardsHeld(2), 7);
    expectAllCardsKept();
}

TEST_F(CardsTest, PlayedCardGoesIntoTheTrickAndToTheBottomOfThePile) {
    shuffleAndDeal("Normale");
    session.clearTrick();
    session.trickleader = 4;
    session.playToTrick(4, 0);
    const Card laid = session.trick[0];
    const Card second = session.hands[5][3];
    const int pileBefore = cardsInPile(session);
    session.playToTrick(5, 3);
    EXPECT_EQ(session.trick[1], second);
    EXPECT_TRUE(session.trick[2].empty());
    EXPECT_EQ(cardsInPile(session), pileBefore + 1);
    EXPECT_EQ(session.deck[pileBefore], second);
    EXPECT_EQ(session.deck[pileBefore - 1], laid);
    EXPECT_EQ(session.cardsHeld(5), 7);
    EXPECT_TRUE(handIsSorted(session.hands[5]));
    EXPECT_TRUE(pileIsCompact(session));
    expectAllCardsKept();
}

TEST_F(CardsTest, PlayingTheLastCardEmptiesTheHand) {
    shuffleAndDeal("Turbo");
    session.clearTrick();
    for (int slot = 1; slot < 6; ++slot) session.discardToDeck(1, slot);
    session.compactDeck();
    ASSERT_EQ(session.cardsHeld(1), 1);
    session.playToTrick(1, 0);
    EXPECT_FALSE(session.holdsCards(1));
    EXPECT_EQ(session.cardsHeld(1), 0);
    expectAllCardsKept();
}

TEST_F(CardsTest, PassFillsTheFirstEmptyTrickPlaceOnly) {
    shuffleAndDeal("Turbo");
    session.clearTrick();
    session.trick[0] = makeCard(9, 'c');
    const auto pile = session.deck;
    const auto hands = session.hands;
    session.passInTrick();
    EXPECT_EQ(session.trick[0], makeCard(9, 'c'));
    EXPECT_EQ(session.trick[1].value, kPass);
    EXPECT_TRUE(session.trick[2].empty());
    session.passInTrick();
    EXPECT_EQ(session.trick[2].value, kPass);
    EXPECT_EQ(session.deck, pile);
    EXPECT_EQ(session.hands, hands);
    EXPECT_EQ(session.realCardsInTrick(), 1);
}

TEST_F(CardsTest, ClearedTrickIsEmpty) {
    session.trick[3] = makeCard(4, 'f');
    session.trick[5] = Card{kPass, kNoSuit};
    session.clearTrick();
    for (const Card& c : session.trick) EXPECT_TRUE(c.empty());
}

TEST_F(CardsTest, NoCardIsLostThroughAWholeSequenceOfMoves) {
    shuffleAndDeal("Lenta", 5);
    session.clearTrick();
    for (int seat = 0; seat < kSeats; ++seat) {
        session.discardToDeck(seat, 9);
        session.discardToDeck(seat, 0);
        session.drawseat = static_cast<std::int16_t>(seat);
        session.drawTopCard();
        session.compactDeck();
        session.sortHands();
        expectAllCardsKept();
    }
    session.trickleader = 2;
    for (int k = 0; k < kSeats; ++k) {
        session.playToTrick((2 + k) % kSeats, 3);
        expectAllCardsKept();
        EXPECT_TRUE(pileIsCompact(session));
    }
    EXPECT_EQ(session.realCardsInTrick(), 6);
}

// The pile a fresh table and a fresh generator shuffle, after `drawnBefore` draws.
Pile freshShuffle(double burn, int drawnBefore = 0) {
    Random random;
    for (int i = 0; i < drawnBefore; ++i) random.next();
    GameSession session;
    session.buildMasterDeck();
    session.shuffleDeck(random, burn);
    return session.deck;
}

TEST_F(CardsTest, SameBurnGivesTheSameOrderFromAFreshGenerator) {
    EXPECT_EQ(freshShuffle(1234), freshShuffle(1234));
}

TEST_F(CardsTest, DifferentBurnsGiveDifferentOrders) {
    EXPECT_NE(freshShuffle(10), freshShuffle(11));
}

TEST_F(CardsTest, BurnIsRoundedHalfToEvenAndSkipsOneDrawMore) {
    // burn 5 skips 6 draws, as 5 draws made beforehand plus burn 0 (one skipped draw) do.
    EXPECT_EQ(freshShuffle(5), freshShuffle(0, 5));
    EXPECT_EQ(freshShuffle(2.5), freshShuffle(2));
    EXPECT_EQ(freshShuffle(3.5), freshShuffle(4));
    EXPECT_EQ(freshShuffle(4.4), freshShuffle(4));
    EXPECT_NE(freshShuffle(2.5), freshShuffle(3));
}

TEST_F(CardsTest, ShuffleFollowsTheDefinedDrawOrder) {
    // Refill place by place: each pack card goes to the first free place drawn at random.
    Random reference;
    reference.discard(8 + 1);
    std::array<Card, kPileSize> expected{};
    expected.fill(kEmptyCard);
    for (const Card& card : session.masterdeck) {
        int r = 0;
        do {
            r = static_cast<int>(reference.next() * kPileSize);
        } while (!expected[r].empty());
        expected[r] = card;
    }
    session.shuffleDeck(random, 8);
    EXPECT_EQ(session.deck, expected);
    EXPECT_EQ(random.drawsMade(), reference.drawsMade());
}

TEST(RandomTest, DiscardEqualsTheSameNumberOfDraws) {
    for (std::uint64_t n : {0ULL, 1ULL, 2ULL, 7ULL, 1000ULL, 12345ULL}) {
        Random stepped, skipped;
        for (std::uint64_t i = 0; i < n; ++i) stepped.next();
        skipped.discard(n);
        EXPECT_EQ(skipped.drawsMade(), n);
        EXPECT_EQ(stepped.drawsMade(), n);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(skipped.next(), stepped.next()) << n;
    }
}

TEST(RandomTest, TwoGeneratorsStartTheSame) {
    Random a, b;
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.next(), b.next());
}

TEST(RandomTest, DrawsLieInTheUnitInterval) {
    Random r;
    double sum = 0;
    double low = 1, high = 0;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        const double x = r.next();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        sum += x;
        low = std::min(low, x);
        high = std::max(high, x);
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
    EXPECT_LT(low, 0.001);
    EXPECT_GT(high, 0.999);
}

}  // namespace
}  // namespace zelvaro::tabletest
