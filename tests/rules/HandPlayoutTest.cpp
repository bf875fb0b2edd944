// The expert's look ahead plays a hand by values: the order of play, the passes, the prize
// cards, the pot, the elimination points and the hand's end, each worked out by hand below.
// (A whole-run test in tests/unit plays real tables' hands beside it card by card.)
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

#include "rules/HandPlayout.h"
#include "rules/RolloutPolicy.h"

namespace zelvaro {
namespace {

// A table from its hands (one list of values a seat, seat 0 first) and its pile (top first),
// with an empty trick led by `leader`.
HandPlayout table(GameFamily family, bool twoBeatsAce,
                  std::initializer_list<std::initializer_list<int>> hands,
                  std::initializer_list<int> pile, int leader) {
    HandPlayout t(family, twoBeatsAce);
    int seat = 0;
    for (const auto& values : hands) {
        for (int v : values) t.give(seat, v);
        ++seat;
    }
    for (int v : pile) t.putOnPile(v);
    Trick empty;
    empty.fill(Card{0, kNoSuit});
    t.setTrick(empty, leader);
    return t;
}

std::array<int, kSeats> heldBySeat(const HandPlayout& t) {
    std::array<int, kSeats> held{};
    for (int s = 0; s < kSeats; ++s) held[s] = t.held(s);
    return held;
}

TEST(HandPlayoutTest, TheHighestCardTakesTheTwoTopPileCardsAndLeadsNext) {
    HandPlayout t = table(GameFamily::Points, false, {{9, 3}, {5, 4}, {7, 6}}, {12, 2, 8}, 0);
    for (int v : {9, 5, 7}) t.lay(v);
    EXPECT_EQ(heldBySeat(t), (std::array<int, kSeats>{3, 1, 1, 0, 0, 0}));
    EXPECT_EQ(t.count(0, 12), 1);
    EXPECT_EQ(t.count(0, 2), 1);
    EXPECT_EQ(t.onTurn(), 0) << "the winner leads, the empty seats passed";
    // The laid cards went under the pile in order of play.
    const std::vector<int> pile{t.pileValue(0), t.pileValue(1), t.pileValue(2), t.pileValue(3)};
    EXPECT_EQ(pile, (std::vector<int>{8, 9, 5, 7}));
}

TEST(HandPlayoutTest, InATieTheLaterCardWinsTheTopCardAndTheEarlierTheNext) {
    HandPlayout t = table(GameFamily::Points, false, {{9, 3}, {9, 4}, {7, 6}}, {12, 2}, 0);
    for (int v : {9, 9, 7}) t.lay(v);
    EXPECT_EQ(t.count(1, 12), 1);
    EXPECT_EQ(t.count(0, 2), 1);
    EXPECT_EQ(t.onTurn(), 1);
}

TEST(HandPlayoutTest, ATwoTakesAWinningAceOnlyUnderItsRule) {
    for (bool twoBeatsAce : {false, true}) {
        SCOPED_TRACE(twoBeatsAce ? "a 2 beats an Ace" : "an Ace beats a 2");
        HandPlayout t =
            table(GameFamily::Points, twoBeatsAce, {{14, 3}, {2, 4}, {7, 6}}, {12, 11}, 2);
        t.lay(6);
        t.lay(14);
        EXPECT_EQ(t.wouldLead(2), twoBeatsAce);
        EXPECT_TRUE(t.wouldLead(14)) << "a later equal card wins";
        t.lay(2);
        EXPECT_EQ(t.onTurn(), twoBeatsAce ? 1 : 0);
    }
    // Once a 2 took the Ace, any card from 2 up takes the 2.
    HandPlayout t = table(GameFamily::Points, true, {{14, 3}, {2, 4}, {7, 6}}, {12, 11}, 0);
    t.lay(14);
    t.lay(2);
    EXPECT_TRUE(t.wouldLead(2));
    EXPECT_EQ(t.trickmax(), 2);
}

TEST(HandPlayoutTest, AFullHandLeavesItsPrizeOnThePile) {
    HandPlayout t =
        table(GameFamily::Points, false, {{13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}, {2, 3}, {2, 4}},
              {14, 10, 8}, 0);
    for (int v : {13, 2, 2}) t.lay(v);
    EXPECT_EQ(t.held(0), 12) << "eleven after laying, then the top card";
    EXPECT_EQ(t.count(0, 14), 1);
    EXPECT_EQ(t.pileValue(0), 10) << "the second prize stays on top";
}

TEST(HandPlayoutTest, SeatsGoingOutScoreSixLessTheSeatsStillHolding) {
    // Seats 2 and 3 lay their last cards and lose; seats 0 (the winner), 1 and 4 still hold
    // cards: 6 - 3 points each.
    HandPlayout t = table(GameFamily::Elimination, false, {{9, 3}, {8, 4}, {5}, {6}, {7, 2}},
                          {12, 2, 11, 3}, 0);
    for (int v : {9, 8, 5, 6, 7}) t.lay(v);
    EXPECT_EQ(t.gained(2), 3);
    EXPECT_EQ(t.gained(3), 3);
    EXPECT_EQ(t.gained(0), 0);
    EXPECT_FALSE(t.over());
}

TEST(HandPlayoutTest, APotIsSharedByItsHighestCardsAndTheLastOfThemLeads) {
    // 14, 14, 6, 2: a pot of 36, 18 to each Ace; no prize cards in a pot game.
    HandPlayout t = table(GameFamily::Pot, false, {{14, 3}, {6, 4}, {14, 5}, {2, 9}}, {12}, 0);
    for (int v : {14, 6, 14, 2}) t.lay(v);
    EXPECT_EQ(t.gained(0), 18);
    EXPECT_EQ(t.gained(2), 18);
    EXPECT_EQ(t.gained(1) + t.gained(3), 0);
    EXPECT_EQ(t.onTurn(), 2);
    EXPECT_EQ(heldBySeat(t), (std::array<int, kSeats>{1, 1, 1, 1, 0, 0}));
}

TEST(HandPlayoutTest, TheHandEndsWhenOneSeatHoldsCardsAndScoresItsFamily) {
    struct Row {
        GameFamily family;
        int winnerGains;
    };
    // Seat 1 wins with its 8 and holds 3 cards: its own 4 and the two prizes.
    for (const Row& row : {Row{GameFamily::LastHolder, 1}, Row{GameFamily::Points, 3 + 5},
                           Row{GameFamily::Elimination, 6}}) {
        HandPlayout t = table(row.family, false, {{5}, {8, 4}}, {10, 2}, 0);
        t.lay(5);
        t.lay(8);
        ASSERT_TRUE(t.over());
        EXPECT_EQ(t.winner(), 1);
        EXPECT_EQ(t.onTurn(), -1);
        EXPECT_EQ(t.gained(1), row.winnerGains);
        EXPECT_EQ(t.gained(0), row.family == GameFamily::Elimination ? 5 : 0);
    }
}

TEST(HandPlayoutTest, APotHandEndsWhenNoSeatHoldsCards) {
    HandPlayout t = table(GameFamily::Pot, false, {{5}, {8}, {3}}, {}, 2);
    for (int v : {3, 5, 8}) t.lay(v);
    ASSERT_TRUE(t.over());
    EXPECT_EQ(t.gained(1), 16);
}

TEST(HandPlayoutTest, ALongHandIsSettledByTheCardsHeld) {
    HandPlayout t = table(GameFamily::Elimination, false, {{5, 4, 3}, {8}, {9, 9}}, {}, 0);
    t.settle();
    ASSERT_TRUE(t.over());
    EXPECT_EQ(t.winner(), 0);
    EXPECT_EQ(t.gained(1), 4) << "the fewest cards go out first";
    EXPECT_EQ(t.gained(2), 5);
    EXPECT_EQ(t.gained(0), 6);
}

TEST(HandPlayoutTest, PlayedOutHandsEndAndKeepEveryCard) {
    // Whole hands by the look-ahead's own policy, from many deals: every hand ends and no card
    // is lost or made on the way.
    ExpertRandom random(7);
    for (int deal = 0; deal < 300; ++deal) {
        const auto family = static_cast<GameFamily>(deal % 4);
        HandPlayout t(family, deal % 3 == 0);
        std::array<int, 104> cards{};
        for (int i = 0; i < 104; ++i) cards[i] = i % 13 + 2;
        for (int i = 103; i > 0; --i) std::swap(cards[i], cards[random.below(i + 1)]);
        int next = 0;
        for (int seat = 0; seat < kSeats; ++seat) {
            for (int n = 0; n < 8; ++n) t.give(seat, cards[next++]);
        }
        while (next < 104) t.putOnPile(cards[next++]);
        Trick empty;
        empty.fill(Card{0, kNoSuit});
        t.setTrick(empty, deal % kSeats);
        playOut(t, random);
        ASSERT_TRUE(t.over()) << deal;
        int total = 0;
        for (int seat = 0; seat < kSeats; ++seat) total += t.held(seat);
        for (int place = 0; t.pileValue(place) != 0; ++place) ++total;
        EXPECT_EQ(total, 104) << deal;
        EXPECT_LE(t.seatsHolding(), 1) << deal;
    }
}

}  // namespace
}  // namespace zelvaro
