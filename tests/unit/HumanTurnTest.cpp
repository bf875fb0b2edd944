// The human's clicks in the change: marking cards, the two change buttons, ignored clicks.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "tests/unit/HumanTurnFixture.h"

namespace zelvaro::tabletest {
namespace {

std::map<std::pair<int, char>, int> multiset(const Hand& h) {
    std::map<std::pair<int, char>, int> m;
    for (const Card& c : h) {
        if (!c.empty()) ++m[{c.value, c.suit}];
    }
    return m;
}

TEST_F(HumanTurnTest, ClickIsIgnoredWhileAComputerSeatHoldsTheTurn) {
    openChangeQuestion();
    session.turnseat = 2;
    engine.cardClicked(0);
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape3));

    humanToPlay({12, 9, 5}, 3);
    session.turnseat = 3;
    engine.cardClicked(1);
    EXPECT_EQ(session.cardsHeld(0), 3);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
}

TEST_F(HumanTurnTest, AnEmptyPlaceCanNeitherBeMarkedNorLaid) {
    openChangeQuestion();
    engine.cardClicked(11);  // a "Lenta" hand fills places 0 to 9
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape3));

    humanToPlay({12, 9, 5});
    engine.cardClicked(7);
    EXPECT_EQ(session.cardsHeld(0), 3);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
    EXPECT_EQ(session.turnseat, 0);
}

TEST_F(HumanTurnTest, ClicksDuringTheChangeQuestionToggleTwoMarks) {
    openChangeQuestion();
    const Hand before = humanHand();
    engine.cardClicked(3);
    EXPECT_EQ(engine.markA(), 3);
    EXPECT_TRUE(surface.visible(ctl::Shape3));
    const int leftAtThree = surface.left(ctl::Shape3);
    engine.cardClicked(5);
    EXPECT_EQ(engine.markB(), 5);
    EXPECT_TRUE(surface.visible(ctl::Shape4));

    engine.cardClicked(7);  // a third card changes nothing
    EXPECT_EQ(engine.markA(), 3);
    EXPECT_EQ(engine.markB(), 5);

    engine.cardClicked(3);  // unmark A
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape3));
    EXPECT_EQ(engine.markB(), 5);

    engine.cardClicked(7);  // the freed mark is reused
    EXPECT_EQ(engine.markA(), 7);
    EXPECT_TRUE(surface.visible(ctl::Shape3));
    EXPECT_NE(surface.left(ctl::Shape3), leftAtThree);

    engine.cardClicked(5);  // unmark B
    EXPECT_EQ(engine.markB(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape4));
    engine.cardClicked(0);
    EXPECT_EQ(engine.markB(), 0);

    // Marking never lays a card.
    EXPECT_EQ(humanHand(), before);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
}

TEST_F(HumanTurnTest, ChangeWithOneMarkDoesNothing) {
    openChangeQuestion();
    const Hand before = humanHand();
    const auto pile = session.deck;
    engine.cardClicked(1);
    engine.changeClicked();
    EXPECT_EQ(humanHand(), before);
    EXPECT_EQ(session.deck, pile);
    EXPECT_TRUE(surface.visible(ctl::Command1));
    EXPECT_TRUE(surface.visible(ctl::Command2));
    EXPECT_EQ(engine.markA(), 1);
    EXPECT_EQ(session.changedecisions, 0);
    EXPECT_EQ(session.pulsanticambio, 0);
    EXPECT_EQ(session.turnseat, 0);
}

TEST_F(HumanTurnTest, AfterAChangeThePrizeAreaShowsTheNewTopOfThePile) {
    startDealtHand(optionsWith("25 Punti", "Si", "No", "Lenta", "2 Carte"), 0);
    tick();
    ASSERT_TRUE(surface.visible(ctl::Command1));
    const Card drawn = session.deck[0];
    ASSERT_EQ(surface.picture(ctl::Picture16), cardPicture(drawn));
    engine.cardClicked(0);
    engine.cardClicked(1);
    engine.changeClicked();
    // The old top card is in the human's hand now; the prize is the next two cards (and this
    // deal's next card differs from the one drawn, or the check would prove nothing).
    ASSERT_NE(session.deck[0], drawn);
    EXPECT_EQ(surface.picture(ctl::Picture16), cardPicture(session.deck[0]));
    EXPECT_EQ(surface.picture(ctl::Picture17), cardPicture(session.deck[1]));
}

TEST_F(HumanTurnTest, ChangeGivesUpTheTwoMarkedCardsAndTakesTheTopCard) {
    openChangeQuestion();
    const Hand before = humanHand();
    const Card top = session.deck[0];
    const Card next = session.deck[1];
    ASSERT_EQ(cardsInPile(session), 44);
    engine.cardClicked(6);  // mark A
    engine.cardClicked(2);  // mark B
    const Card atTwo = before[2];
    const Card atSix = before[6];
    session.tickcount = 7;
    engine.changeClicked();

    EXPECT_EQ(session.cardsHeld(0), 9);
    auto expected = multiset(before);
    if (--expected[{atTwo.value, atTwo.suit}] == 0) expected.erase({atTwo.value, atTwo.suit});
    if (--expected[{atSix.value, atSix.suit}] == 0) expected.erase({atSix.value, atSix.suit});
    ++expected[{top.value, top.suit}];
    EXPECT_EQ(multiset(humanHand()), expected);
    EXPECT_TRUE(handIsSorted(humanHand()));

    // Given up in slot order at the bottom of the pile; the next card is now on top.
    ASSERT_EQ(cardsInPile(session), 45);
    EXPECT_EQ(session.deck[43], atTwo);
    EXPECT_EQ(session.deck[44], atSix);
    EXPECT_EQ(session.deck[0], next);
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));

    EXPECT_FALSE(surface.visible(ctl::Command1));
    EXPECT_FALSE(surface.visible(ctl::Command2));
    EXPECT_FALSE(surface.visible(ctl::Shape3));
    EXPECT_FALSE(surface.visible(ctl::Shape4));
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_EQ(engine.markB(), -1);
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.pulsanticambio, 1);
    EXPECT_EQ(session.turnseat, 1);
    EXPECT_EQ(session.tickcount, 0);
}

TEST_F(HumanTurnTest, KeepHidesTheButtonsAndMovesOn) {
    openChangeQuestion();
    const Hand before = humanHand();
    engine.cardClicked(4);
    session.tickcount = 5;
    engine.keepClicked();
    EXPECT_EQ(humanHand(), before);
    EXPECT_FALSE(surface.visible(ctl::Command1));
    EXPECT_FALSE(surface.visible(ctl::Command2));
    EXPECT_FALSE(surface.visible(ctl::Shape3));
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.pulsanticambio, 1);
    EXPECT_EQ(session.turnseat, 1);
    EXPECT_EQ(session.tickcount, 0);

    // Answered once: the question does not come back in this hand.
    session.turnseat = 0;
    tick();
    EXPECT_FALSE(surface.visible(ctl::Command1));
}

TEST_F(HumanTurnTest, TheChangeDecisionCountsOnce) {
    openChangeQuestion();
    engine.keepClicked();
    session.turnseat = 0;
    engine.keepClicked();
    engine.cardClicked(0);
    engine.cardClicked(1);
    engine.changeClicked();
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.cardsHeld(0), 10);
}

TEST_F(HumanTurnTest, ClickBeforeTheChangePhaseEndsLaysNothing) {
    openChangeQuestion();
    engine.keepClicked();
    session.turnseat = 0;  // the change phase is still running: 1 of 6 decisions
    surface.setVisible(ctl::Label29, true);
    engine.cardClicked(9);
    EXPECT_EQ(session.cardsHeld(0), 10);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
    EXPECT_FALSE(surface.visible(ctl::Label29));
}
}  // namespace
}  // namespace zelvaro::tabletest
