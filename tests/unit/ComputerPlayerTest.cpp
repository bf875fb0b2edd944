// The engine's computer moves: a seat's decision reaches the pile, the hand, the trick and the
// table's captions. The decisions themselves are the rules' own tests
// (tests/rules/ComputerPlayerTest.cpp).
#include <gtest/gtest.h>

#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

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
