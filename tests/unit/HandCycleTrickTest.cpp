// The table tick at a trick's end: its resolution, seats that pass, the pot caption, hand end.
#include <gtest/gtest.h>

#include "engine/display/TableLayout.h"
#include "rules/Showdown.h"
#include "tests/unit/HandCycleFixture.h"

namespace zelvaro::tabletest {
namespace {

TEST_F(HandCycleTest, TrickIsResolvedOnTheTickAfterTheSixthCard) {
    startDealtHand(optionsWith("25 Punti", "No"), 2);
    // Seats 2, 3, 4, 5 play; then the human; seat 1 lays the sixth card.
    for (int i = 0; i < 12; ++i) tick();
    ASSERT_EQ(session.turnseat, 0);
    ASSERT_EQ(cardsOnTable(), 4);
    engine.cardClicked(session.cardsHeld(0) - 1);
    ASSERT_EQ(cardsOnTable(), 5);
    tick(3);
    ASSERT_EQ(cardsOnTable(), 6);
    EXPECT_EQ(session.tickcount, 0);
    const Trick full = session.trick;
    const TrickOutcome outcome = findTrickWinner(full, false);
    const int winner = (outcome.winnerSlot + 2) % kSeats;
    const int second = outcome.secondSlot < 0 ? -1 : (outcome.secondSlot + 2) % kSeats;
    const int heldBefore = session.cardsHeld(winner);
    const int secondHeldBefore = second < 0 ? 0 : session.cardsHeld(second);

    tick();
    EXPECT_EQ(cardsOnTable(), 0);
    EXPECT_EQ(session.trickwinner, winner);
    EXPECT_EQ(session.trickleader, winner);
    EXPECT_EQ(session.turnseat, winner);
    // The marker, hidden for the showdown, waits at the winner's seat for the next blink.
    EXPECT_FALSE(surface.visible(ctl::Shape5));
    EXPECT_EQ(surface.left(ctl::Shape5), layout::twips(layout::kTurnMarker[winner].x));
    if (second < 0) {
        EXPECT_EQ(session.cardsHeld(winner), heldBefore + 2);
    } else {
        EXPECT_EQ(session.cardsHeld(winner), heldBefore + 1);
        EXPECT_EQ(session.cardsHeld(second), secondHeldBefore + 1);
        EXPECT_EQ(session.secondwinner, second);
    }
    EXPECT_FALSE(surface.visible(ctl::Picture14));
    EXPECT_FALSE(surface.visible(ctl::Picture13));
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));
    EXPECT_EQ(session.tickcount, 0);
}

TEST_F(HandCycleTest, TrickLaidLastByTheHumanIsResolvedOnTheNextTick) {
    startDealtHand(optionsWith("25 Punti", "No"), 1);
    for (int i = 0; i < 15; ++i) tick();
    ASSERT_EQ(session.turnseat, 0);
    ASSERT_EQ(cardsOnTable(), 5);
    engine.cardClicked(session.cardsHeld(0) - 1);
    EXPECT_EQ(cardsOnTable(), 6);
    tick();
    EXPECT_EQ(cardsOnTable(), 0);
    EXPECT_EQ(session.cardsInPileAndHands(), kPileSize);
}

TEST_F(HandCycleTest, PrizeCardsAreShownForTheNextTrick) {
    startDealtHand(optionsWith("25 Punti", "No", "No", "Normale", "2 Carte"), 1);
    for (int i = 0; i < 15; ++i) tick();
    engine.cardClicked(session.cardsHeld(0) - 1);
    tick();
    ASSERT_EQ(cardsOnTable(), 0);
    EXPECT_EQ(surface.picture(ctl::Picture16), cardPicture(session.deck[0]));
    EXPECT_EQ(surface.picture(ctl::Picture17), cardPicture(session.deck[1]));
}

TEST_F(HandCycleTest, AdvanceTurnPassesSeatsWithoutCards) {
    startDealtHand(optionsWith("25 Punti"), 0);
    setHand(2, {});
    setHand(3, {});
    session.clearTrick();
    session.trickleader = 1;
    setTrick({9});
    session.trickwinner = 1;
    session.secondwinner = -1;
    session.turnseat = 1;
    engine.advanceTurn();
    EXPECT_EQ(session.turnseat, 4);
    EXPECT_EQ(session.trick[1].value, kPass);
    EXPECT_EQ(session.trick[2].value, kPass);
    EXPECT_TRUE(session.trick[3].empty());
}

TEST_F(HandCycleTest, AdvanceTurnStopsAtTheWinnerEvenWithoutCards) {
    startDealtHand(optionsWith("25 Punti"), 0);
    setHand(2, {});
    setHand(3, {});
    session.clearTrick();
    session.trickwinner = 3;
    session.secondwinner = -1;
    session.turnseat = 1;
    engine.advanceTurn();
    EXPECT_EQ(session.turnseat, 3);
    EXPECT_EQ(session.trick[0].value, kPass);
    EXPECT_TRUE(session.trick[1].empty());

    session.clearTrick();
    session.trickwinner = 5;
    session.secondwinner = 2;
    session.turnseat = 1;
    engine.advanceTurn();
    EXPECT_EQ(session.turnseat, 2);
    EXPECT_TRUE(session.trick[0].empty());
}

TEST_F(HandCycleTest, SeatOnTurnWithoutACardPassesSoTheTrickCompletes) {
    startDealtHand(optionsWith("Piatto 500"), 0);
    // Seat 3 won the last trick with its last card and now leads with an empty hand.
    setHand(3, {});
    session.trickleader = 3;
    session.trickwinner = 3;
    session.turnseat = 3;
    tick(3);
    EXPECT_EQ(session.trick[0].value, kPass);
    EXPECT_EQ(session.turnseat, 4);
    int ticks = 0;
    while (session.turnseat != 0 && ticks < 50) {
        tick();
        ++ticks;
    }
    ASSERT_EQ(session.turnseat, 0);
    engine.cardClicked(session.cardsHeld(0) - 1);
    tick(3);  // seat 1
    tick(3);  // seat 2
    EXPECT_EQ(cardsOnTable(), 6);
    tick();
    EXPECT_EQ(cardsOnTable(), 0);
}

TEST_F(HandCycleTest, HumanOnTurnWithoutACardPassesToo) {
    startDealtHand(optionsWith("Piatto 500"), 0);
    setHand(0, {});
    session.trickwinner = 0;
    session.turnseat = 0;
    tick(3);
    EXPECT_EQ(session.trick[0].value, kPass);
    EXPECT_EQ(session.turnseat, 1);
}

TEST_F(HandCycleTest, PotCaptionFollowsTheTableInPiattoGames) {
    startDealtHand(optionsWith("Piatto 500"), 2);
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto");
    session.trickleader = 2;
    setTrick({9, 12, 12, 15, 15});
    session.turnseat = 1;
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 33  (2 Vincitori 16)");
    session.clearTrick();
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 0");
}

TEST_F(HandCycleTest, PotCaptionChangesWithThePotAndTheWinnersAndAfterANewMatch) {
    startDealtHand(optionsWith("Piatto 500"), 2);
    session.trickleader = 2;
    session.turnseat = 1;
    setTrick({9, 12});
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 21  (1 Vincitore 21)");
    setTrick({9, 12, 12});  // same top card, a second winner
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 33  (2 Vincitori 16)");
    setTrick({10, 11, 12});  // same pot, one winner again
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 33  (1 Vincitore 33)");
    // A new match writes its title over the caption; the same pot must be shown again after it.
    engine.prepareTable();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto");
    setTrick({10, 11, 12});
    session.turnseat = 1;
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 33  (1 Vincitore 33)");
}

TEST_F(HandCycleTest, PotCaptionWaitsWhileTheHumanDecidesOnTheChange) {
    startDealtHand(optionsWith("Piatto 500", "Si"), 0);
    setTrick({9});
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto");
}

TEST_F(HandCycleTest, NoPotCaptionInOtherGames) {
    startDealtHand(optionsWith("25 Punti"), 2);
    setTrick({9, 12});
    tick();
    EXPECT_EQ(surface.caption(ctl::Label34), "");
}

TEST_F(HandCycleTest, HandEndsWhenOneSeatKeepsCards) {
    startDealtHand(optionsWith("Partita Singola"), 1);
    emptyAllHands();
    setHand(1, {5});
    setHand(2, {9});
    session.turnseat = 1;
    tick(3);  // seat 1 lays the 5
    EXPECT_EQ(session.turnseat, 2);
    tick(3);  // seat 2 lays the 9; the four empty seats pass
    EXPECT_EQ(cardsOnTable(), 6);
    EXPECT_EQ(session.turnseat, 2);
    EXPECT_TRUE(surface.messages().empty());
    tick();
    EXPECT_EQ(session.seatstats[2].score, 1);
    ASSERT_EQ(surface.messages().size(), 1u);
    EXPECT_EQ(surface.messages()[0].text, "Partita terminata\nIl vincitore e' D'Angelo");
    EXPECT_FALSE(surface.enabled(ctl::Timer1));
    EXPECT_TRUE(engine.matchOver());
}

TEST_F(HandCycleTest, PiattoHandEndsWhenNobodyKeepsCards) {
    startDealtHand(optionsWith("Piatto 500"), 1);
    emptyAllHands();
    setHand(1, {5});
    setHand(2, {9});
    session.turnseat = 1;
    tick(6);
    ASSERT_EQ(cardsOnTable(), 6);
    const int stopsBefore = surface.timer1Stops;
    tick();
    EXPECT_EQ(surface.timer1Stops, stopsBefore + 1);  // the hand was scored
    EXPECT_EQ(session.seatstats[2].score, 14);
    EXPECT_TRUE(surface.messages().empty());
    // The next hand is dealt and led by the last trick's winner.
    EXPECT_TRUE(surface.enabled(ctl::Timer1));
    EXPECT_EQ(session.turnseat, 2);
    EXPECT_EQ(session.trickleader, 2);
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(session.cardsHeld(seat), 8);
}

TEST_F(HandCycleTest, HandGoesOnWhileTwoSeatsHoldCards) {
    startDealtHand(optionsWith("Partita Singola"), 1);
    emptyAllHands();
    setHand(1, {5, 4});
    setHand(2, {9});
    session.turnseat = 1;
    tick(7);
    EXPECT_TRUE(surface.messages().empty());
    EXPECT_TRUE(surface.enabled(ctl::Timer1));
    EXPECT_EQ(session.turnseat, 2);
    EXPECT_EQ(session.cardsHeld(2), 2);
    EXPECT_EQ(session.cardsHeld(1), 1);
}

}  // namespace
}  // namespace zelvaro::tabletest
