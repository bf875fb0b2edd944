// The end of a hand in single, points, wins and Chips games: credits, the match's end, the
// winner's message, the tournament table's hand limit.
#include <gtest/gtest.h>

#include "tests/unit/MatchEndFixture.h"

namespace zelvaro::tabletest {
namespace {

// ----- Partita Singola -----

TEST_F(MatchEndTest, SingleHandGameEndsAfterTheFirstHand) {
    startMatch("Partita Singola");
    endHandWith(3, 2);
    EXPECT_EQ(scores(), (std::array<int, 6>{0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(session.trickwinner, 3);
    expectWinnerMessage("Verdi");
    EXPECT_EQ(surface.caption(ctl::Label31).substr(0, 6), "Verdi\n");
    EXPECT_EQ(surface.caption(ctl::Label32), "1\n0\n0\n0\n0\n0\n");
}

TEST_F(MatchEndTest, WinnerWithAnApostropheIsNamedAsWritten) {
    startMatch("Partita Singola");
    endHandWith(2, 5);
    expectWinnerMessage("D'Angelo");
}

// ----- points -----

TEST_F(MatchEndTest, PointsWinnerGainsCardsLeftPlusFive) {
    startMatch("50 Punti");
    setScores({4, 0, 0, 10, 0, 0});
    endHandWith(3, 3);
    EXPECT_EQ(scores(), (std::array<int, 6>{4, 0, 0, 18, 0, 0}));
    expectMatchGoesOn();
    EXPECT_EQ(session.trickleader, 3);
    EXPECT_EQ(session.turnseat, 3);
    EXPECT_EQ(surface.caption(ctl::Label32).substr(0, 3), "18\n");
}

TEST_F(MatchEndTest, TwelveCardsLeftGainSeventeen) {
    startMatch("100 Punti");
    endHandWith(5, 12);
    EXPECT_EQ(session.seatstats[5].score, 17);
}

TEST_F(MatchEndTest, ExactlyFiftyEndsAFiftyPointsGame) {
    startMatch("50 Punti");
    setScores({0, 30, 0, 42, 0, 0});
    endHandWith(3, 3);
    EXPECT_EQ(session.seatstats[3].score, 50);
    expectWinnerMessage("Verdi");
}

TEST_F(MatchEndTest, FortyNineDoesNotEndAFiftyPointsGame) {
    startMatch("50 Punti");
    setScores({0, 30, 0, 41, 0, 0});
    endHandWith(3, 3);
    EXPECT_EQ(session.seatstats[3].score, 49);
    expectMatchGoesOn();
}

TEST_F(MatchEndTest, TwentyFivePointsGoalIsTwentyFive) {
    startMatch("25 Punti");
    setScores({0, 0, 18, 0, 0, 0});
    endHandWith(2, 1);
    EXPECT_EQ(session.seatstats[2].score, 24);
    expectMatchGoesOn();
    endHandWith(2, 1);
    EXPECT_EQ(session.seatstats[2].score, 30);
    expectWinnerMessage("D'Angelo");
}

TEST_F(MatchEndTest, TieAboveTheGoalGoesOnInASingleGame) {
    startMatch("50 Punti");
    setScores({0, 50, 0, 42, 0, 0});
    endHandWith(3, 3);
    EXPECT_EQ(session.seatstats[3].score, 50);
    expectMatchGoesOn();
}

TEST_F(MatchEndTest, TieAboveTheGoalEndsATournamentTable) {
    storeLimit("Limite 20 Mani");
    startMatch("50 Punti", "Torneo");
    addTorneoRows(0);
    tournament.handsleft = 7;
    setScores({0, 50, 0, 42, 0, 0});
    endHandWith(3, 3);
    expectTournamentTableDone();
    EXPECT_EQ(surface.caption(ctl::Label48), "Max 20 Mani al Termine");
    EXPECT_EQ(tournament.handsleft, 20);
    EXPECT_EQ(torneoPoints(3), 50);  // the table score, written as it stands
    EXPECT_EQ(torneoPoints(1), 0);
}

TEST_F(MatchEndTest, PointsTournamentWritesTheWinnersTableScore) {
    startMatch("25 Punti", "Torneo");
    addTorneoRows(100);
    tournament.handsleft = -1;
    setScores({0, 0, 5, 0, 0, 0});
    endHandWith(2, 4);
    EXPECT_EQ(torneoPoints(2), 14);
    EXPECT_EQ(torneoPoints(0), 100);
    EXPECT_FALSE(surface.visible(ctl::Frame6));
    EXPECT_TRUE(nextHandDealt());
}

TEST_F(MatchEndTest, PointsTournamentTableNeverCountsDown) {
    storeLimit("Limite 10 Mani");
    startMatch("25 Punti", "Torneo");
    addTorneoRows(0);
    tournament.handsleft = 10;
    surface.setCaption(ctl::Label48, "Max 10 Mani al Termine");
    for (int hand = 0; hand < 3; ++hand) {
        endHandWith(hand + 1, 1);
        EXPECT_EQ(tournament.handsleft, 10);
        EXPECT_EQ(surface.caption(ctl::Label48), "Max 10 Mani al Termine");
        EXPECT_TRUE(nextHandDealt());
    }
}

TEST_F(MatchEndTest, FinishedTableTakesTheLimitFromTheStoredOptions) {
    const std::array<std::pair<const char*, std::pair<const char*, int>>, 3> limits{
        {{"Senza Limite", {"Nessun Limite di Mani", -1}},
         {"Limite 10 Mani", {"Max 10 Mani al Termine", 10}},
         {"Limite 20 Mani", {"Max 20 Mani al Termine", 20}}}};
    for (const auto& [limite, expected] : limits) {
        SCOPED_TRACE(limite);
        storeLimit(limite);
        startMatch("25 Punti", "Torneo");
        addTorneoRows(0);
        setScores({0, 0, 0, 0, 30, 0});
        tournament.handsleft = 3;
        surface.setWindowEnabled(true);
        endHandWith(1, 1);
        expectTournamentTableDone();
        EXPECT_EQ(surface.caption(ctl::Label48), expected.first);
        EXPECT_EQ(tournament.handsleft, expected.second);
        resetStore(db);
    }
}

TEST_F(MatchEndTest, UnknownLimitTextLeavesTheCounterAlone) {
    storeLimit("Limite 15 Mani");
    startMatch("25 Punti", "Torneo");
    addTorneoRows(0);
    setScores({0, 0, 0, 0, 30, 0});
    tournament.handsleft = 3;
    surface.setCaption(ctl::Label48, "prima");
    endHandWith(1, 1);
    expectTournamentTableDone();
    EXPECT_EQ(surface.caption(ctl::Label48), "prima");
    EXPECT_EQ(tournament.handsleft, 3);
}

// ----- wins -----

TEST_F(MatchEndTest, ThirdWinEndsThreeWins) {
    startMatch("3 Vinte");
    setScores({2, 2, 0, 1, 0, 0});
    endHandWith(3, 4);
    EXPECT_EQ(scores(), (std::array<int, 6>{2, 2, 0, 2, 0, 0}));
    expectMatchGoesOn();
    endHandWith(0, 2);
    EXPECT_EQ(session.seatstats[0].score, 3);
    expectWinnerMessage("Rossi");
}

TEST_F(MatchEndTest, FiveWinsNeedsFive) {
    startMatch("5 Vinte");
    setScores({0, 2, 0, 0, 4, 0});
    endHandWith(1, 1);
    EXPECT_EQ(session.seatstats[1].score, 3);
    expectMatchGoesOn();
    endHandWith(4, 1);
    EXPECT_EQ(session.seatstats[4].score, 5);
    expectWinnerMessage("Neri");
}

TEST_F(MatchEndTest, WinsEndTheMatchInATournamentToo) {
    startMatch("3 Vinte", "Torneo");
    setScores({0, 0, 2, 0, 0, 0});
    endHandWith(2, 3);
    expectWinnerMessage("D'Angelo");
    EXPECT_FALSE(surface.visible(ctl::Frame6));
}

// ----- Chips -----

TEST_F(MatchEndTest, ChipsHolderGainsFiveAndTheOthersLoseOne) {
    startMatch("Chips");
    endHandWith(4, 2);
    EXPECT_EQ(scores(), (std::array<int, 6>{-1, -1, -1, -1, 5, -1}));
    expectMatchGoesOn();
    EXPECT_EQ(session.trickleader, 4);
    EXPECT_EQ(surface.caption(ctl::Label32).substr(0, 2), "5\n");
}

TEST_F(MatchEndTest, ChipsNeverEnds) {
    startMatch("Chips");
    for (int hand = 0; hand < 40; ++hand) endHandWith(hand % 2 == 0 ? 5 : 1, 3);
    EXPECT_EQ(scores(), (std::array<int, 6>{-40, 80, -40, -40, -40, 80}));
    expectMatchGoesOn();
}

}  // namespace
}  // namespace zelvaro::tabletest
