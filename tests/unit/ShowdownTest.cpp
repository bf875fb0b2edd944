// A trick resolved on the table: what the winner and the second take, the shares of the pot in
// the Piatto games and the points for going out in the Eliminazione games. Who wins a trick and
// what the pot holds are the rules' own tests (tests/rules/ShowdownTest.cpp).
#include <gtest/gtest.h>

#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

// ----- resolving a trick on the table -----

class ResolveTest : public TableFixture {
protected:
    ResolveTest() {
        session.options = optionsWith("25 Punti");
        emptyAllHands();
        setPile({makeCard(13, 'p'), makeCard(6, 'm'), makeCard(8, 'f'), makeCard(3, 'c')});
    }
};

TEST_F(ResolveTest, TieGivesTopCardToWinnerAndNextToSecondWinner) {
    for (int seat = 0; seat < kSeats; ++seat) setHand(seat, {4, 3});
    session.trickleader = 3;
    setTrick({7, 11, 11, 3, 11, 5});
    engine.resolveTrick();
    EXPECT_EQ(session.tiecount, 3);
    EXPECT_EQ(session.trickwinner, 1);
    EXPECT_EQ(session.secondwinner, 5);
    EXPECT_EQ(session.cardsHeld(1), 3);
    EXPECT_EQ(session.cardsHeld(5), 3);
    EXPECT_EQ(session.hands[1][0], makeCard(13, 'p'));
    EXPECT_EQ(session.hands[5][0], makeCard(6, 'm'));
    for (int seat : {0, 2, 3, 4}) EXPECT_EQ(session.cardsHeld(seat), 2) << seat;
    EXPECT_EQ(cardsInPile(session), 2);
    EXPECT_EQ(session.deck[0], makeCard(8, 'f'));
    EXPECT_TRUE(pileIsCompact(session));
}

TEST_F(ResolveTest, SingleWinnerTakesBothPrizeCardsSorted) {
    for (int seat = 0; seat < kSeats; ++seat) setHand(seat, {7, 5});
    session.trickleader = 2;
    setTrick({4, 9, 12, 3, 11, 5});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 4);
    EXPECT_EQ(session.secondwinner, -1);
    EXPECT_EQ(session.tiecount, 1);
    const Hand& h = session.hands[4];
    EXPECT_EQ(session.cardsHeld(4), 4);
    EXPECT_EQ(h[0], makeCard(13, 'p'));
    EXPECT_EQ(h[1].value, 7);
    EXPECT_EQ(h[2], makeCard(6, 'm'));
    EXPECT_EQ(h[3].value, 5);
    EXPECT_EQ(cardsInPile(session), 2);
}

TEST_F(ResolveTest, WinnerLeadsTheNextTrickOnAClearedTable) {
    for (int seat = 0; seat < kSeats; ++seat) setHand(seat, {7, 5});
    session.trickleader = 5;
    session.tickcount = 1;
    setTrick({4, 9, 12, 3, 11, 5});
    surface.setVisible(ctl::Picture9, true);
    surface.setVisible(ctl::Picture14, true);
    surface.setVisible(ctl::Shape6, true);
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 1);
    EXPECT_EQ(session.trickleader, 1);
    EXPECT_EQ(session.turnseat, 1);
    for (const Card& c : session.trick) EXPECT_TRUE(c.empty());
    EXPECT_EQ(session.tickcount, 0);
    for (Control place : {ctl::Picture9, ctl::Picture10, ctl::Picture11, ctl::Picture12,
                          ctl::Picture13, ctl::Picture14, ctl::Shape6}) {
        EXPECT_FALSE(surface.visible(place)) << objectName(place);
    }
}

TEST_F(ResolveTest, TwoBeatsAceOnTheTable) {
    session.options.duesuperaasso = "Si";
    for (int seat = 0; seat < kSeats; ++seat) setHand(seat, {7, 5});
    session.trickleader = 0;
    setTrick({14, 2, 2, 15, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 2);
    EXPECT_EQ(session.secondwinner, 1);
    EXPECT_EQ(session.hands[2][0], makeCard(13, 'p'));
    EXPECT_EQ(session.cardsHeld(1), 3);
    EXPECT_EQ(session.cardsHeld(0), 2);
}

TEST_F(ResolveTest, LoneCardAmongPassesTakesThePrize) {
    setHand(4, {6});
    session.trickleader = 1;
    setTrick({15, 15, 15, 10, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 4);
    EXPECT_EQ(session.secondwinner, -1);
    EXPECT_EQ(session.cardsHeld(4), 3);
}

TEST_F(ResolveTest, PrizeForAFullHandStaysOnThePile) {
    session.hands[2].fill(makeCard(3, 'f'));
    setHand(3, {5});
    session.trickleader = 0;
    setTrick({15, 15, 12, 4, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 2);
    EXPECT_EQ(session.cardsHeld(2), 12);
    EXPECT_EQ(cardsInPile(session), 4);
}

// ----- Piatto -----

class PotResolveTest : public ResolveTest {
protected:
    PotResolveTest() {
        session.options.punteggio = "Piatto 500";
        for (int seat = 0; seat < kSeats; ++seat) setHand(seat, {9, 4});
    }
};

TEST_F(PotResolveTest, TwoWinnersEachTakeHalfAndTheLaterLeads) {
    session.trickleader = 2;
    setScores({1, 2, 3, 4, 5, 6});
    setTrick({14, 14, 6, 2, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(session.pot, 36);
    EXPECT_EQ(session.winnercount, 2);
    EXPECT_EQ(session.winningvalue, 14);
    EXPECT_EQ(scores(), (std::array<int, 6>{1, 2, 21, 22, 5, 6}));
    EXPECT_EQ(session.trickwinner, 3);
    EXPECT_EQ(session.trickleader, 3);
    EXPECT_EQ(session.turnseat, 3);
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 36  (2 Vincitori 18)");
}

TEST_F(PotResolveTest, NoPrizeCardsInThePotGames) {
    session.trickleader = 0;
    setTrick({9, 12, 12, 15, 15, 15});
    const auto pile = session.deck;
    const auto hands = session.hands;
    engine.resolveTrick();
    EXPECT_EQ(session.deck, pile);
    EXPECT_EQ(session.hands, hands);
    EXPECT_EQ(scores(), (std::array<int, 6>{0, 16, 16, 0, 0, 0}));
    EXPECT_EQ(session.trickwinner, 2);
}

TEST_F(PotResolveTest, SharesWrapAroundTheTable) {
    session.trickleader = 4;
    setTrick({10, 3, 10, 15, 15, 15});  // seats 4, 5, 0
    engine.resolveTrick();
    EXPECT_EQ(scores(), (std::array<int, 6>{12, 0, 0, 0, 12, 0}));
    EXPECT_EQ(session.trickwinner, 0);
    EXPECT_EQ(session.turnseat, 0);
}

TEST_F(PotResolveTest, TwoBeatsAceDoesNotShareThePot) {
    session.options.duesuperaasso = "Si";
    session.trickleader = 0;
    setTrick({14, 2, 15, 15, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(scores(), (std::array<int, 6>{16, 0, 0, 0, 0, 0}));
    EXPECT_EQ(session.trickwinner, 0);
    EXPECT_EQ(session.turnseat, 0);
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto: 16  (1 Vincitore 16)");
}

TEST_F(PotResolveTest, TournamentSharesAreAddedToTheField) {
    session.gamemode = "Torneo";
    addTorneoRows(40);
    session.trickleader = 1;
    setTrick({14, 14, 6, 2, 15, 15});  // seats 1 (Bianchi) and 2 (D'Angelo)
    engine.resolveTrick();
    EXPECT_EQ(torneoPoints(1), 58);
    EXPECT_EQ(torneoPoints(2), 58);
    EXPECT_EQ(torneoPoints(0), 40);
    EXPECT_EQ(torneoPoints(3), 40);
}

TEST_F(PotResolveTest, SingleGameLeavesTheFieldAlone) {
    addTorneoRows(40);
    session.trickleader = 1;
    setTrick({14, 14, 6, 2, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(torneoPoints(1), 40);
    EXPECT_EQ(torneoPoints(2), 40);
}

// ----- Eliminazione -----

class EliminationTest : public ResolveTest {
protected:
    EliminationTest() { session.options.punteggio = "Eliminazione 25"; }
};

TEST_F(EliminationTest, FirstSeatOutScoresOne) {
    // Seat 2 lays its last card; the other five keep cards.
    for (int seat : {0, 1, 3, 4, 5}) setHand(seat, {6, 5});
    session.trickleader = 0;
    setTrick({7, 8, 3, 9, 14, 4});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 4);
    EXPECT_EQ(scores(), (std::array<int, 6>{0, 0, 1, 0, 0, 0}));
}

TEST_F(EliminationTest, TwoSeatsOutInTheLastTrickScoreFiveEach) {
    // Seats 0, 4 and 5 are already out and pass; seats 1 and 3 lay their last card.
    setHand(2, {6});
    setScores({1, 0, 0, 0, 2, 3});
    session.trickleader = 1;
    setTrick({5, 14, 7, 15, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 2);
    EXPECT_EQ(session.seatsHoldingCards(), 1);
    EXPECT_EQ(scores(), (std::array<int, 6>{1, 5, 0, 5, 2, 3}));
}

TEST_F(EliminationTest, WinnerWhoLaidItsLastCardIsNotOut) {
    for (int seat : {0, 1, 3, 4, 5}) setHand(seat, {6, 5});
    session.trickleader = 0;
    setTrick({7, 8, 13, 9, 4, 4});  // seat 2 wins with its last card
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 2);
    EXPECT_EQ(session.cardsHeld(2), 2);
    EXPECT_EQ(scores(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
}

TEST_F(EliminationTest, SecondWinnerWhoLaidItsLastCardIsNotOut) {
    for (int seat : {0, 2, 3, 5}) setHand(seat, {6, 5});
    session.trickleader = 0;
    setTrick({7, 12, 3, 12, 4, 4});  // seats 1 and 3 tie; seat 1 laid its last card
    setHand(3, {6});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 3);
    EXPECT_EQ(session.secondwinner, 1);
    EXPECT_EQ(session.cardsHeld(1), 1);
    // Seat 4 laid its last card and loses: five seats still hold cards.
    EXPECT_EQ(scores(), (std::array<int, 6>{0, 0, 0, 0, 1, 0}));
}

TEST_F(EliminationTest, SeatsStillHoldingCardsAndPassingSeatsScoreNothing) {
    setHand(1, {6, 5});
    setHand(3, {6, 5});
    setScores({4, 0, 0, 0, 2, 3});
    session.trickleader = 0;
    setTrick({15, 8, 11, 9, 15, 15});  // seat 2 wins and keeps its prize
    engine.resolveTrick();
    EXPECT_EQ(scores(), (std::array<int, 6>{4, 0, 0, 0, 2, 3}));
}

TEST_F(EliminationTest, LaterSeatsOutScoreMore) {
    // Two seats already out; seat 5 goes out now and four seats keep cards (c = 4).
    for (int seat : {0, 1, 2, 3}) setHand(seat, {6, 5});
    setScores({0, 0, 0, 0, 1, 2});
    session.trickleader = 0;
    setTrick({7, 8, 13, 9, 15, 3});
    engine.resolveTrick();
    EXPECT_EQ(scores(), (std::array<int, 6>{0, 0, 0, 0, 1, 4}));
}

TEST_F(EliminationTest, OtherGameTypesGiveNoPointsForGoingOut) {
    session.options.punteggio = "25 Punti";
    for (int seat : {0, 1, 3, 4, 5}) setHand(seat, {6, 5});
    session.trickleader = 0;
    setTrick({7, 8, 3, 9, 14, 4});
    engine.resolveTrick();
    EXPECT_EQ(scores(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
}

TEST_F(EliminationTest, TournamentPointsForGoingOutReachTheField) {
    session.gamemode = "Torneo";
    addTorneoRows(30);
    // D'Angelo (seat 2) and Verdi (seat 3) go out together, leaving seat 4 alone.
    setHand(4, {6});
    session.trickleader = 2;
    setTrick({5, 7, 14, 15, 15, 15});
    engine.resolveTrick();
    EXPECT_EQ(session.trickwinner, 4);
    EXPECT_EQ(session.seatstats[2].score, 5);
    EXPECT_EQ(torneoPoints(2), 35);
    EXPECT_EQ(torneoPoints(3), 35);
    EXPECT_EQ(torneoPoints(4), 30);
    EXPECT_EQ(torneoPoints(0), 30);
}

}  // namespace
}  // namespace zelvaro::tabletest
