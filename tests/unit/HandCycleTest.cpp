// The table tick: the hand's start, what each tick refreshes, computer moves, the change.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/display/TableLayout.h"
#include "tests/unit/HandCycleFixture.h"

namespace zelvaro::tabletest {
namespace {

TEST_F(HandCycleTest, StartHandResetsTheTable) {
    surface.setInterval(ctl::Timer1, 1000);
    surface.setCaption(ctl::Label33, "Velocizza");
    surface.setVisible(ctl::Label29, true);
    surface.setVisible(ctl::Picture11, true);
    surface.setVisible(ctl::Shape6, true);
    session.tickcount = 40;
    startDealtHand(optionsWith("25 Punti", "Si"), 4);
    EXPECT_EQ(surface.interval(ctl::Timer1), 100);
    EXPECT_EQ(surface.caption(ctl::Label33), "Rallenta");
    EXPECT_TRUE(surface.enabled(ctl::Timer1));
    EXPECT_EQ(surface.picture(ctl::Picture19), "immagini/Cambio Carte.jpg");
    EXPECT_EQ(session.changedecisions, 0);
    EXPECT_EQ(session.pulsanticambio, 0);
    EXPECT_FALSE(surface.visible(ctl::Label29));
    EXPECT_FALSE(surface.visible(ctl::Picture11));
    EXPECT_FALSE(surface.visible(ctl::Shape6));
    EXPECT_EQ(session.turnseat, 4);
    // The turn marker stands at the leader's seat; the ticks make it blink.
    EXPECT_EQ(surface.left(ctl::Shape5), layout::twips(layout::kTurnMarker[4].x));
    EXPECT_EQ(surface.top(ctl::Shape5), layout::twips(layout::kTurnMarker[4].y));
    EXPECT_EQ(session.tickcount, 0);
    for (const Card& c : session.trick) EXPECT_TRUE(c.empty());
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(session.cardsHeld(seat), 8);
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));
    EXPECT_TRUE(pileIsCompact(session));
}

TEST_F(HandCycleTest, TickRefreshesTheTableRanking) {
    startDealtHand(optionsWith("25 Punti"), 0);
    setScores({0, 0, 0, 7, 0, 0});
    tick();
    EXPECT_EQ(surface.caption(ctl::Label31).substr(0, 6), "Verdi\n");
    EXPECT_EQ(surface.caption(ctl::Label32).substr(0, 2), "7\n");
    setScores({0, 0, 0, 7, 0, 9});
    tick();
    EXPECT_EQ(surface.caption(ctl::Label32).substr(0, 4), "9\n7\n");
}

TEST_F(HandCycleTest, ButtonsAppearOnlyWhenTheHumanMustDecide) {
    startDealtHand(optionsWith("25 Punti", "Si"), 2);
    tick();
    EXPECT_FALSE(surface.visible(ctl::Command1));
    startDealtHand(optionsWith("25 Punti", "Si"), 0);
    EXPECT_FALSE(surface.visible(ctl::Command1));
    tick();
    EXPECT_TRUE(surface.visible(ctl::Command1));
    EXPECT_TRUE(surface.visible(ctl::Command2));
}

TEST_F(HandCycleTest, TickNeverMovesTheHumanSeat) {
    startDealtHand(optionsWith("25 Punti", "Si"), 0);
    const Hand before = session.hands[0];
    tick(50);
    EXPECT_EQ(session.hands[0], before);
    EXPECT_EQ(session.turnseat, 0);
    EXPECT_EQ(session.changedecisions, 0);
    startDealtHand(optionsWith("25 Punti", "No"), 0);
    tick(50);
    EXPECT_EQ(cardsOnTable(), 0);
    EXPECT_EQ(session.cardsHeld(0), 8);
}

TEST_F(HandCycleTest, TickCountWrapsAfterAThousandWhileTheHumanWaits) {
    startDealtHand(optionsWith("25 Punti", "No"), 0);
    tick(1000);
    EXPECT_EQ(session.tickcount, 1000);
    tick();
    EXPECT_EQ(session.tickcount, 0);
    tick();
    EXPECT_EQ(session.tickcount, 1);
}

TEST_F(HandCycleTest, TickCountNeverPassesThreeWhileComputersPlay) {
    startDealtHand(optionsWith("25 Punti", "Si"), 1);
    int highest = 0;
    for (int i = 0; i < 200 && session.turnseat != 0; ++i) {
        tick();
        highest = std::max<int>(highest, session.tickcount);
    }
    EXPECT_LE(highest, 2);
    EXPECT_EQ(session.turnseat, 0);
}

TEST_F(HandCycleTest, TurnMarkerBlinks) {
    startDealtHand(optionsWith("25 Punti"), 0);
    const bool atStart = surface.visible(ctl::Shape5);
    tick();
    EXPECT_NE(surface.visible(ctl::Shape5), atStart);
    tick();
    EXPECT_EQ(surface.visible(ctl::Shape5), atStart);
    tick();
    EXPECT_NE(surface.visible(ctl::Shape5), atStart);
}

TEST_F(HandCycleTest, ComputerSeatMovesOnTheThirdTick) {
    startDealtHand(optionsWith("25 Punti", "No"), 1);
    surface.setVisible(ctl::Label29, true);
    tick();
    EXPECT_EQ(session.tickcount, 1);
    EXPECT_EQ(cardsOnTable(), 0);
    tick();
    EXPECT_EQ(cardsOnTable(), 0);
    tick();
    EXPECT_EQ(cardsOnTable(), 1);
    EXPECT_EQ(session.tickcount, 0);
    EXPECT_EQ(session.cardsHeld(1), 7);
    EXPECT_EQ(session.turnseat, 2);
    EXPECT_TRUE(surface.visible(ctl::Picture13));
    EXPECT_EQ(surface.picture(ctl::Picture13), cardPicture(session.trick[0]));
    EXPECT_FALSE(surface.visible(ctl::Label29));
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));
    tick(2);
    EXPECT_EQ(cardsOnTable(), 1);
    tick();
    EXPECT_EQ(cardsOnTable(), 2);
    EXPECT_TRUE(surface.visible(ctl::Picture12));
}

TEST_F(HandCycleTest, ComputerThatKeepsItsCardsSaysNonCambio) {
    startDealtHand(optionsWith("25 Punti", "Si"), 1);
    session.opponents[0].aggressivita = -500;  // threshold clamps to 1
    const Hand before = session.hands[1];
    tick(3);
    EXPECT_EQ(surface.caption(ctl::Label29), "Non cambio");
    EXPECT_TRUE(surface.visible(ctl::Label29));
    EXPECT_EQ(session.hands[1], before);
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.turnseat, 2);
    EXPECT_EQ(session.tickcount, 0);
}

TEST_F(HandCycleTest, ComputerThatChangesSaysCambio) {
    startDealtHand(optionsWith("25 Punti", "Si"), 1);
    session.opponents[0].aggressivita = 500;  // threshold clamps to 100
    steerNextDraw([](int d) { return d < 100; });
    tick(3);
    EXPECT_EQ(surface.caption(ctl::Label29), "Cambio");
    EXPECT_EQ(session.cardsHeld(1), 7);
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));
    EXPECT_TRUE(pileIsCompact(session));
}

TEST_F(HandCycleTest, ChangePhaseEndsWithTheTurnBackAtTheLeader) {
    startDealtHand(optionsWith("25 Punti", "Si"), 3);
    int ticks = 0;
    while (session.changedecisions < 6 && ticks < 100) {
        tick();
        ++ticks;
        if (surface.visible(ctl::Command1)) engine.keepClicked();
    }
    EXPECT_EQ(session.changedecisions, 6);
    EXPECT_EQ(ticks, 16);  // five computer decisions of three ticks, one tick for the human
    EXPECT_EQ(session.turnseat, 3);
    EXPECT_EQ(cardsOnTable(), 0);
    tick(3);
    EXPECT_EQ(cardsOnTable(), 1);  // the leader plays
    EXPECT_EQ(session.changedecisions, 6);
}

}  // namespace
}  // namespace zelvaro::tabletest
