// The end of a hand in Eliminazione and Piatto games, at a single game and in a tournament.
#include <gtest/gtest.h>

#include "tests/unit/MatchEndFixture.h"

namespace zelvaro::tabletest {
namespace {

// ----- Eliminazione -----

TEST_F(MatchEndTest, EliminationWinnerGainsSix) {
    startMatch("Eliminazione 25");
    setScores({3, 1, 0, 2, 4, 5});
    endHandWith(1, 7);
    EXPECT_EQ(scores(), (std::array<int, 6>{3, 7, 0, 2, 4, 5}));
    expectMatchGoesOn();
    EXPECT_EQ(session.trickleader, 1);
}

TEST_F(MatchEndTest, EliminationNamesTheHighestSeatNotTheHandWinner) {
    startMatch("Eliminazione 50");
    setScores({10, 20, 30, 50, 40, 62});
    endHandWith(3, 2);
    EXPECT_EQ(session.seatstats[3].score, 56);
    expectWinnerMessage("Galli");
}

TEST_F(MatchEndTest, EliminationTieAtTheTopGoesOn) {
    startMatch("Eliminazione 50");
    setScores({10, 20, 30, 56, 40, 62});
    endHandWith(3, 2);
    EXPECT_EQ(session.seatstats[3].score, 62);
    expectMatchGoesOn();
}

TEST_F(MatchEndTest, EliminationSingleGameNeitherCountsNorShowsTheLimit) {
    storeLimit("Limite 10 Mani");
    startMatch("Eliminazione 100");
    tournament.handsleft = 0;
    for (int hand = 0; hand < 3; ++hand) {
        endHandWith(2, 2);
        expectMatchGoesOn();
        EXPECT_EQ(tournament.handsleft, 0);
        EXPECT_EQ(surface.caption(ctl::Label48), "");
    }
    tournament.handsleft = 7;  // what a tournament left behind
    endHandWith(2, 2);
    EXPECT_EQ(tournament.handsleft, 7);
    EXPECT_EQ(surface.caption(ctl::Label48), "");
}

TEST_F(MatchEndTest, EliminationTournamentAddsSixToTheWinnersPoints) {
    startMatch("Eliminazione 25", "Torneo");
    addTorneoRows(12);
    tournament.handsleft = -1;
    endHandWith(2, 1);
    EXPECT_EQ(torneoPoints(2), 18);
    EXPECT_EQ(torneoPoints(3), 12);
    EXPECT_EQ(session.seatstats[2].score, 6);
    EXPECT_EQ(surface.caption(ctl::Label48), "Nessun Limite di Mani");
}

TEST_F(MatchEndTest, EliminationTournamentTableEndsAfterTheEleventhHandOfTen) {
    storeLimit("Limite 10 Mani");
    startMatch("Eliminazione 100", "Torneo");
    addTorneoRows(0);
    tournament.handsleft = 10;
    endHandWith(3, 2);
    EXPECT_EQ(surface.caption(ctl::Label48), "Max 9 Mani al Termine");
    EXPECT_EQ(tournament.handsleft, 9);
    for (int hand = 2; hand <= 10; ++hand) {
        endHandWith(hand % 2 == 0 ? 1 : 3, 2);
        EXPECT_FALSE(engine.matchOver()) << hand;
        EXPECT_TRUE(nextHandDealt()) << hand;
    }
    EXPECT_EQ(tournament.handsleft, 0);
    EXPECT_EQ(surface.caption(ctl::Label48), "Max 0 Mani al Termine");
    EXPECT_FALSE(surface.visible(ctl::Frame6));

    endHandWith(1, 2);  // the eleventh hand
    expectTournamentTableDone();
    EXPECT_EQ(tournament.handsleft, 10);
    EXPECT_EQ(surface.caption(ctl::Label48), "Max 10 Mani al Termine");
    EXPECT_EQ(torneoPoints(1), 36);
    EXPECT_EQ(torneoPoints(3), 30);
}

TEST_F(MatchEndTest, EliminationReadsTheLimitAfreshBeforeCounting) {
    storeLimit("Limite 10 Mani");
    startMatch("Eliminazione 100", "Torneo");
    addTorneoRows(0);
    session.options.limite = "Senza Limite";
    tournament.handsleft = 10;
    endHandWith(3, 2);
    EXPECT_EQ(tournament.handsleft, 9);
    EXPECT_EQ(session.options.limite, "Limite 10 Mani");
}

// ----- Piatto -----

TEST_F(MatchEndTest, PiattoCreditsNothingAtTheEndOfTheHand) {
    startMatch("Piatto 500");
    setScores({100, 200, 150, 0, 90, 10});
    endHandWith(4, 3);
    EXPECT_EQ(scores(), (std::array<int, 6>{100, 200, 150, 0, 90, 10}));
    expectMatchGoesOn();
    EXPECT_EQ(session.trickleader, 4);
}

TEST_F(MatchEndTest, PiattoNamesTheHighestSeat) {
    startMatch("Piatto 500");
    setScores({100, 200, 510, 0, 90, 10});
    endHandWith(4, 3);
    expectWinnerMessage("D'Angelo");
}

TEST_F(MatchEndTest, PiattoNamesTheHighestOfTwoSeatsPastTheGoal) {
    startMatch("Piatto 1000");
    setScores({100, 200, 1010, 0, 1020, 10});
    endHandWith(1, 3);
    expectWinnerMessage("Neri");
}

TEST_F(MatchEndTest, PiattoGoalIsPassedNotReached) {
    startMatch("Piatto 2000");
    setScores({100, 200, 1999, 0, 90, 10});
    endHandWith(2, 3);
    expectMatchGoesOn();
    session.seatstats[2].score = 2000;
    endHandWith(2, 3);
    expectWinnerMessage("D'Angelo");
}

TEST_F(MatchEndTest, PiattoTieAtTheTopGoesOn) {
    startMatch("Piatto 500");
    setScores({510, 200, 510, 0, 90, 10});
    endHandWith(2, 3);
    expectMatchGoesOn();
}

TEST_F(MatchEndTest, PiattoHandWithNobodyHoldingIsLedByTheLastTricksWinner) {
    startMatch("Piatto 500");
    session.trickwinner = 5;
    emptyAllHands();
    engine.endHand();
    expectMatchGoesOn();
    EXPECT_EQ(session.trickleader, 5);
    EXPECT_EQ(session.turnseat, 5);
}

TEST_F(MatchEndTest, PiattoTournamentCountsDownWithTheLimitItHolds) {
    storeLimit("Limite 20 Mani");
    startMatch("Piatto 500", "Torneo");
    addTorneoRows(0);
    tournament.handsleft = 20;
    endHandWith(3, 2);
    EXPECT_EQ(tournament.handsleft, 19);
    EXPECT_EQ(surface.caption(ctl::Label48), "Max 19 Mani al Termine");

    db.execute("UPDATE opzioni SET limite='Senza Limite'");
    endHandWith(3, 2);  // the held options still say "Limite 20 Mani"
    EXPECT_EQ(tournament.handsleft, 18);
    session.options.limite = "Senza Limite";
    endHandWith(3, 2);
    EXPECT_EQ(tournament.handsleft, 18);
    EXPECT_EQ(surface.caption(ctl::Label48), "Nessun Limite di Mani");
}

TEST_F(MatchEndTest, PiattoTournamentTableEndsWhenTheLimitRunsOut) {
    storeLimit("Limite 10 Mani");
    startMatch("Piatto 500", "Torneo");
    addTorneoRows(0);
    tournament.handsleft = 0;
    endHandWith(3, 2);
    expectTournamentTableDone();
    EXPECT_EQ(tournament.handsleft, 10);
}

}  // namespace
}  // namespace zelvaro::tabletest
