// The computer seats' decisions: whether to change cards, which card to give up, which card
// to lay. Every expected slot below is worked out by hand from the hand, the table, the
// profile and the draw.
#include <gtest/gtest.h>

#include "rules/ComputerPlayer.h"
#include "rules/Rounding.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

Hand handOf(std::initializer_list<int> values) {
    Hand h{};
    h.fill(kEmptyCard);
    int j = 0;
    for (int v : values) {
        h[j] = v == 0 ? kEmptyCard : Card{v, "cmfp"[j % 4]};
        ++j;
    }
    return h;
}

// ----- the draw -----

TEST(ComputerDrawTest, DrawIsTheRoundedPercentPlusThirty) {
    Random random;
    int low = 1000, high = -1000;
    for (int i = 0; i < 20000; ++i) {
        Random copy = random;
        const double r = copy.next();
        const int expected = static_cast<int>(roundHalfEven(r * 100)) + 30;
        const int draw = computerDraw(random.next());
        ASSERT_EQ(draw, expected);
        low = std::min(low, draw);
        high = std::max(high, draw);
    }
    EXPECT_EQ(low, 30);
    EXPECT_EQ(high, 130);
}

// ----- the card change -----

TEST(ChangeDecisionTest, AverageSixAndAHalfRoundsToSixForBonusForty) {
    const Hand h = handOf({7, 6});
    EXPECT_TRUE(computerChangeDecision(h, 1, 40));   // threshold 41
    EXPECT_FALSE(computerChangeDecision(h, 1, 41));
}

TEST(ChangeDecisionTest, AverageSevenGetsBonusEighty) {
    const Hand h = handOf({8, 6});
    EXPECT_TRUE(computerChangeDecision(h, 1, 80));  // threshold 81
    EXPECT_FALSE(computerChangeDecision(h, 1, 81));
    const Hand rounded = handOf({7, 7, 6});  // 6.67 rounds to 7
    EXPECT_TRUE(computerChangeDecision(rounded, 1, 80));
}

TEST(ChangeDecisionTest, AverageTenGetsBonusEighty) {
    const Hand h = handOf({12, 10, 8});
    EXPECT_TRUE(computerChangeDecision(h, 1, 80));
    EXPECT_FALSE(computerChangeDecision(h, 1, 81));
}

TEST(ChangeDecisionTest, AverageTenAndAHalfRoundsToTenForBonusEighty) {
    const Hand h = handOf({11, 10});
    EXPECT_TRUE(computerChangeDecision(h, 1, 80));
    EXPECT_FALSE(computerChangeDecision(h, 1, 81));
}

TEST(ChangeDecisionTest, AverageAboveTenGetsNoBonus) {
    const Hand elevenAndAHalf = handOf({12, 11});  // rounds to 12
    const Hand tenPointSix = handOf({11, 11, 11, 10, 10});  // rounds to 11
    for (int draw = 30; draw <= 130; ++draw) {
        EXPECT_FALSE(computerChangeDecision(elevenAndAHalf, 20, draw)) << draw;
        EXPECT_FALSE(computerChangeDecision(tenPointSix, 20, draw)) << draw;
    }
    // The profile alone still counts.
    EXPECT_TRUE(computerChangeDecision(elevenAndAHalf, 50, 49));
    EXPECT_FALSE(computerChangeDecision(elevenAndAHalf, 50, 50));
}

TEST(ChangeDecisionTest, AggressiveSeatWithAverageEightChangesBelowOneHundred) {
    const Hand h = handOf({10, 8, 8, 6});
    EXPECT_TRUE(computerChangeDecision(h, 20, 30));
    EXPECT_TRUE(computerChangeDecision(h, 20, 99));
    EXPECT_FALSE(computerChangeDecision(h, 20, 100));
    EXPECT_FALSE(computerChangeDecision(h, 20, 130));
}

TEST(ChangeDecisionTest, ThresholdIsClampedToOneHundred) {
    const Hand h = handOf({8, 8});
    EXPECT_TRUE(computerChangeDecision(h, 200, 99));
    EXPECT_FALSE(computerChangeDecision(h, 200, 100));
    EXPECT_FALSE(computerChangeDecision(h, 200, 120));
}

TEST(ChangeDecisionTest, AverageCountsOnlyTheCardsHeld) {
    // Eight over two cards, not over twelve places.
    const Hand h = handOf({9, 0, 7});
    EXPECT_TRUE(computerChangeDecision(h, 1, 80));
    EXPECT_FALSE(computerChangeDecision(h, 1, 81));
}

TEST(ChooseDiscardTest, LowestCardFirstAmongEquals) {
    EXPECT_EQ(chooseDiscard(handOf({14, 9, 5, 3, 3})), 3);
    EXPECT_EQ(chooseDiscard(handOf({5, 3, 9, 3})), 1);
    EXPECT_EQ(chooseDiscard(handOf({2})), 0);
}

TEST(ChooseDiscardTest, NeverAnEmptyPlace) {
    EXPECT_EQ(chooseDiscard(handOf({9, 0, 0, 4, 0, 6})), 3);
    Hand h = handOf({});
    h[11] = Card{12, 'c'};
    EXPECT_EQ(chooseDiscard(h), 11);
    EXPECT_EQ(chooseDiscard(handOf({})), -1);
}

// ----- laying a card -----

struct PlayCase {
    Hand hand;
    Trick trick;
    int activeseats = 6;
    int othercards = 20;
    int aggressivita = 10;
    bool twoBeatsAce = false;
    bool potGame = false;
    std::string premio = "Nascosto";
    int prize0 = 0;
    int prize1 = 0;

    int play(int draw) const {
        const PlayView view{hand,         trick,   activeseats, othercards, aggressivita,
                            twoBeatsAce, potGame, premio,      prize0,     prize1};
        return computerPlayDecision(view, draw);
    }
};

TEST(PlayDecisionTest, LeadingWithOnlyAcesLaysAnAce) {
    PlayCase c{handOf({14, 14}), trickOf({})};
    for (int draw : {30, 80, 130}) EXPECT_EQ(c.hand[c.play(draw)].value, 14) << draw;
    c.activeseats = 2;
    for (int draw : {30, 80, 130}) EXPECT_EQ(c.hand[c.play(draw)].value, 14) << draw;
}

TEST(PlayDecisionTest, LeadingWithAnAceAndOtherCardsLaysTheLastOtherCard) {
    PlayCase c{handOf({14, 9, 5}), trickOf({})};
    for (int draw : {30, 80, 130}) EXPECT_EQ(c.play(draw), 2) << draw;
    c.hand = handOf({14, 14, 9, 5});
    for (int draw : {30, 80, 130}) EXPECT_EQ(c.play(draw), 3) << draw;
}

TEST(PlayDecisionTest, AnAceMayBeLaidWhenNotLeading) {
    PlayCase c{handOf({14, 9, 5}), trickOf({10})};
    c.aggressivita = 100;
    EXPECT_EQ(c.play(30), 0);
}

TEST(PlayDecisionTest, TwoBeatsAceAttackerLaysItsLastTwo) {
    // strength 6 + 16 + 50 - 20 - 8 = 44, halved for the Ace: 22; base -8; threshold 77.
    PlayCase c{handOf({13, 9, 2, 2}), trickOf({14})};
    c.activeseats = 4;
    c.othercards = 10;
    c.aggressivita = 100;
    c.twoBeatsAce = true;
    EXPECT_EQ(c.play(30), 3);
    EXPECT_EQ(c.play(76), 3);
    EXPECT_EQ(c.play(77), 0);  // holds back: its highest card
    c.twoBeatsAce = false;
    EXPECT_EQ(c.play(76), 0);  // nothing reaches the Ace
}

TEST(PlayDecisionTest, TwoBeatsAceAttackerWithoutATwoFallsBack) {
    PlayCase c{handOf({13, 9, 5, 3}), trickOf({14})};
    c.activeseats = 4;
    c.othercards = 10;
    c.aggressivita = 100;
    c.twoBeatsAce = true;
    EXPECT_EQ(c.play(30), 0);
}

TEST(PlayDecisionTest, LayingLastAttackerTakesTheCheapestWinningCard) {
    // strength 9 + 16 + 50 - 40 - 8 = 27; base 77; threshold 77 + 10 - 15 = 72.
    PlayCase c{handOf({13, 11, 9, 5}), trickOf({8, 4, 6, 3, 7})};
    EXPECT_EQ(c.play(71), 2);
    EXPECT_EQ(c.play(72), 0);
    EXPECT_EQ(c.play(130), 0);
}

TEST(PlayDecisionTest, LayingLastTakesTheFirstOfEqualCheapestCards) {
    PlayCase c{handOf({13, 9, 9, 5}), trickOf({8, 4, 6, 3, 7})};
    EXPECT_EQ(c.play(30), 1);
}

TEST(PlayDecisionTest, LayingLastWithNothingAboveTheTableFallsBack) {
    PlayCase c{handOf({7, 6, 5, 4}), trickOf({8, 4, 6, 3, 7})};
    EXPECT_EQ(c.play(30), 0);
}

TEST(PlayDecisionTest, APassOnTheTableMeansTheSeatIsNotLast) {
    // Four real cards: trickposition 5, so the attacker lays its highest card.
    PlayCase c{handOf({13, 11, 9, 5}), trickOf({8, 15, 6, 3, 7})};
    EXPECT_EQ(c.play(30), 0);
}

TEST(PlayDecisionTest, AttackerLaysTheLastOfItsEqualHighestCards) {
    PlayCase c{handOf({8, 8, 3}), trickOf({8})};
    c.aggressivita = 100;
    EXPECT_EQ(c.play(30), 1);
    c.hand = handOf({12, 12, 3});
    EXPECT_EQ(c.play(30), 1);
}

TEST(PlayDecisionTest, HoldingBackOutsideTheEndgameLaysTheHighestCard) {
    PlayCase c{handOf({12, 7, 4}), trickOf({13})};
    EXPECT_EQ(c.play(130), 0);
    c.trick = trickOf({3, 5});
    EXPECT_EQ(c.play(130), 0);
}

TEST(PlayDecisionTest, TwoSeatEndgameHoldingBackLaysTheLowestCard) {
    // strength 50 - 8 + 3 + 6 + 6 + 8 * 10 = 137; base 107; threshold 107 + 1 - 15 = 93.
    PlayCase c{handOf({12, 7, 4, 4}), trickOf({10})};
    c.activeseats = 2;
    c.aggressivita = 1;
    EXPECT_EQ(c.play(92), 0);
    EXPECT_EQ(c.play(93), 2);
}

TEST(PlayDecisionTest, TwoSeatEndgameCountsEmptyPlacesWhenLeading) {
    // Leading: trickmax 0, so 12 + 7 + 4 + 4 and +1 for each of the eight empty places:
    // strength 85; base 35; threshold 20 + aggressivita.
    PlayCase c{handOf({12, 7, 4, 4}), trickOf({})};
    c.activeseats = 2;
    c.aggressivita = 11;
    EXPECT_EQ(c.play(30), 0);  // threshold 31 attacks
    c.aggressivita = 10;
    EXPECT_EQ(c.play(30), 2);  // threshold 30 holds back
}

TEST(PlayDecisionTest, TwoSeatEndgameHoldingATwoKeepsItWhenTwoBeatsAce) {
    PlayCase c{handOf({12, 5, 3, 2}), trickOf({9})};
    c.activeseats = 2;
    c.twoBeatsAce = true;
    EXPECT_EQ(c.play(130), 2);
    c.hand = handOf({5, 3, 3, 2});
    EXPECT_EQ(c.play(130), 1);
    c.hand = handOf({2, 2});
    EXPECT_EQ(c.play(130), 0);
    c.hand = handOf({12, 5, 3, 2});
    c.twoBeatsAce = false;
    EXPECT_EQ(c.play(130), 3);
}

TEST(PlayDecisionTest, ThresholdIsClampedToOneHundred) {
    // Threshold 77 + 100 - 15 = 162, clamped to 100.
    PlayCase c{handOf({13, 11, 9, 5}), trickOf({8, 4, 6, 3, 7})};
    c.aggressivita = 100;
    EXPECT_EQ(c.play(99), 2);
    EXPECT_EQ(c.play(100), 0);
}

TEST(PlayDecisionTest, AcesOnTheTableHalveTheStrengthRoundingDown) {
    // strength 3 + 8 + 50 - 80 - 8 = -27; Int(-27 / 2) = -14; base -44; threshold 41.
    PlayCase c{handOf({5, 2}), trickOf({14})};
    c.activeseats = 4;
    c.othercards = 40;
    c.aggressivita = 100;
    c.twoBeatsAce = true;
    EXPECT_EQ(c.play(40), 1);
    EXPECT_EQ(c.play(41), 0);
}

TEST(PlayDecisionTest, TwoAcesOnTheTableQuarterTheStrength) {
    // Int(-27 / 4) = -7; base 100 - 60 - 7 - 50 = -17; threshold 68.
    PlayCase c{handOf({5, 2}), trickOf({14, 14})};
    c.activeseats = 4;
    c.othercards = 40;
    c.aggressivita = 100;
    c.twoBeatsAce = true;
    EXPECT_EQ(c.play(67), 1);
    EXPECT_EQ(c.play(68), 0);
}

TEST(PlayDecisionTest, OneFaceUpPrizeCardCountsTwiceItsValue) {
    // base 77: "1 Carta" threshold 77 + 10 - 30 + 2 * prize0.
    PlayCase c{handOf({13, 11, 9, 5}), trickOf({8, 4, 6, 3, 7})};
    EXPECT_EQ(c.play(80), 0);  // "Nascosto": 72
    c.premio = "1 Carta";
    c.prize0 = 14;
    c.prize1 = 2;
    EXPECT_EQ(c.play(80), 2);  // 85
    EXPECT_EQ(c.play(85), 0);
    c.prize0 = 2;
    c.prize1 = 14;
    EXPECT_EQ(c.play(60), 2);  // 61: only the top card is face up
    EXPECT_EQ(c.play(61), 0);
}

TEST(PlayDecisionTest, TwoFaceUpPrizeCardsCountTwiceTheirSum) {
    PlayCase c{handOf({13, 11, 9, 5}), trickOf({8, 4, 6, 3, 7})};
    c.premio = "2 Carte";
    c.prize0 = 14;
    c.prize1 = 13;
    EXPECT_EQ(c.play(80), 2);  // 77 + 10 - 60 + 54 = 81
    EXPECT_EQ(c.play(81), 0);
    c.prize1 = 2;
    EXPECT_EQ(c.play(58), 2);  // 59
    EXPECT_EQ(c.play(59), 0);
}

// A pot game seat holding 12, 12, 3 with four seats still in.
PlayCase potCase(std::initializer_list<int> table, int othercards, int aggressivita) {
    PlayCase c{handOf({12, 12, 3}), trickOf(table)};
    c.activeseats = 4;
    c.othercards = othercards;
    c.aggressivita = aggressivita;
    c.potGame = true;
    return c;
}

TEST(PlayDecisionTest, PotGameLowShareWeakensTheSeat) {
    // 43 + 60 (own sum above the table) - 30 (share 10 is 100% of the top card) = 73;
    // base 63; threshold 58.
    PlayCase c = potCase({10, 10}, 10, 10);
    EXPECT_EQ(c.play(57), 1);
    EXPECT_EQ(c.play(58), 0);
    c.potGame = false;  // strength 43, threshold 28
    EXPECT_EQ(c.play(57), 0);
    EXPECT_EQ(c.play(28), 0);
    EXPECT_EQ(c.play(27), 1);
}

TEST(PlayDecisionTest, PotGameRichShareStrengthensTheSeat) {
    // -17 + 60 + 30 (share 22 is 220% of the top card 10) = 73; base 83; threshold 69.
    const PlayCase c = potCase({10, 5, 7}, 40, 1);
    EXPECT_EQ(c.play(68), 1);
    EXPECT_EQ(c.play(69), 0);
}

TEST(PlayDecisionTest, PotGameShareOfExactlyTwiceTheTopCardIsNotEnough) {
    // Share 12 on a top card of 6: q = 200, so -30: strength 13, threshold 9.
    const PlayCase c = potCase({6, 4, 2}, 40, 1);
    EXPECT_EQ(c.play(30), 0);
}

TEST(PlayDecisionTest, PotGameLeaderKeepsItsStrengthWithNothingToShare) {
    // 43 + 60 and nothing else; base 53; threshold 48.
    const PlayCase c = potCase({}, 10, 10);
    EXPECT_EQ(c.play(47), 1);
    EXPECT_EQ(c.play(48), 0);
}

TEST(PlayDecisionTest, PotGameOwnSumMustExceedTheTopCard) {
    // Own sum 14 against an Ace: no +60. 37 halved for the Ace is 18, share 14 is 100% of the
    // top card: -30, so -12; base -42; threshold 43.
    PlayCase c{handOf({12, 2}), trickOf({14})};
    c.activeseats = 4;
    c.othercards = 10;
    c.aggressivita = 100;
    c.twoBeatsAce = true;
    c.potGame = true;
    EXPECT_EQ(c.play(42), 1);
    EXPECT_EQ(c.play(43), 0);
}

TEST(PlayDecisionTest, PotGameEndgameNeverAddsTheOwnSumBonus) {
    // Endgame strength 137 - 30 = 107; base 77; threshold 63.
    PlayCase c{handOf({12, 7, 4, 4}), trickOf({10})};
    c.activeseats = 2;
    c.aggressivita = 1;
    c.potGame = true;
    EXPECT_EQ(c.play(62), 0);
    EXPECT_EQ(c.play(63), 2);
}

// ----- the engine's computer moves -----

class ComputerMoveTest : public TableFixture {
protected:
    ComputerMoveTest() {
        session.options = optionsWith("25 Punti", "Si");
        emptyAllHands();
        setPile({makeCard(12, 'p'), makeCard(3, 'm'), makeCard(10, 'f'), makeCard(4, 'c'),
                 makeCard(6, 'p')});
        for (int seat = 0; seat < kSeats; ++seat) setHand(seat, {11, 10, 6, 4});
    }
};

TEST_F(ComputerMoveTest, ChangeGivesUpTheTwoLowestAndDrawsTheTopCard) {
    steerNextDraw([](int d) { return d < 100; });
    session.opponents[2].aggressivita = 20;  // seat 3, average 7: threshold 100
    setHand(3, {9, 8, 8, 7, 5});
    session.turnseat = 3;
    session.changedecisions = 2;
    const auto drawsBefore = random.drawsMade();
    engine.computerChange(3);
    EXPECT_EQ(random.drawsMade(), drawsBefore + 1);
    EXPECT_EQ(session.cardsHeld(3), 4);
    EXPECT_EQ(session.hands[3][0], makeCard(12, 'p'));
    EXPECT_EQ(session.hands[3][1].value, 9);
    EXPECT_EQ(session.hands[3][2].value, 8);
    EXPECT_EQ(session.hands[3][3].value, 8);
    ASSERT_EQ(cardsInPile(session), 6);
    EXPECT_EQ(session.deck[0], makeCard(3, 'm'));
    EXPECT_EQ(session.deck[4].value, 5);
    EXPECT_EQ(session.deck[5].value, 7);
    EXPECT_EQ(surface.caption(ctl::Label29), "Cambio");
    EXPECT_TRUE(surface.visible(ctl::Label29));
    EXPECT_EQ(session.changedecisions, 3);
    EXPECT_EQ(session.turnseat, 4);
}

TEST_F(ComputerMoveTest, StrongHandIsKept) {
    session.opponents[0].aggressivita = 20;
    setHand(1, {14, 13, 12, 9});  // average 12: never changes
    session.turnseat = 1;
    const auto hand = session.hands[1];
    const auto pile = session.deck;
    engine.computerChange(1);
    EXPECT_EQ(session.hands[1], hand);
    EXPECT_EQ(session.deck, pile);
    EXPECT_EQ(surface.caption(ctl::Label29), "Non cambio");
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.turnseat, 2);
}

TEST_F(ComputerMoveTest, PlaySeesTheTopPrizeCardAndTheOtherSeatsCards) {
    // Seat 5 lays last against 8, 4, 6, 3, 7 with 13, 11, 9, 5; the other seats hold 20
    // cards; "1 Carta" shows a 14 on top: threshold 77 + a - 30 + 28 = 75 + a.
    for (int attack : {1, 0}) {
        SCOPED_TRACE(attack);
        emptyAllHands();
        for (int seat = 0; seat < 5; ++seat) setHand(seat, {9, 7, 5, 3});
        setHand(5, {13, 11, 9, 5});
        setPile({makeCard(14, 'c'), makeCard(2, 'f'), makeCard(6, 'm')});
        session.options.premio = "1 Carta";
        session.changedecisions = 6;
        session.trickleader = 0;
        setTrick({8, 4, 6, 3, 7});
        session.turnseat = 5;
        const int draw = steerNextDraw([](int d) { return d <= 99; });
        session.opponents[4].aggressivita = draw - 75 + attack;  // threshold draw + attack
        engine.computerPlay(5);
        const int expectedValue = attack ? 9 : 13;
        EXPECT_EQ(session.trick[5].value, expectedValue);
        EXPECT_EQ(surface.picture(ctl::Picture9), cardPicture(session.trick[5]));
        EXPECT_TRUE(surface.visible(ctl::Picture9));
        EXPECT_EQ(session.cardsHeld(5), 3);
        EXPECT_EQ(session.deck[cardsInPile(session) - 1], session.trick[5]);
    }
}

TEST_F(ComputerMoveTest, PlayMovesTheWinningMarkerAndTheTurn) {
    session.changedecisions = 6;
    session.trickleader = 2;
    setTrick({5});
    session.turnseat = 3;
    setHand(3, {11, 10, 9, 8});
    setHand(4, {});
    steerNextDraw([](int d) { return d <= 99; });
    engine.computerPlay(3);
    EXPECT_GE(session.trick[1].value, 8);
    EXPECT_EQ(session.trickwinner, 3);
    EXPECT_TRUE(surface.visible(ctl::Shape6));
    // Seat 4 holds nothing and is not winning: it passes, seat 5 is on turn.
    EXPECT_EQ(session.trick[2].value, kPass);
    EXPECT_EQ(session.turnseat, 5);
}

}  // namespace
}  // namespace zelvaro::tabletest
