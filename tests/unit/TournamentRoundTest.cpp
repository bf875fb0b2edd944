// A tournament round: the random model of the other tables, their visits by the tournament
// tick, the round's end and the advancement of the field.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "tests/unit/TournamentFixture.h"
#include "tournament/RoundAdvancement.h"
#include "tournament/SimulatedHands.h"

namespace zelvaro::tabletest {
namespace {

TEST(SimulatedHandsTest, GainsStayInTheirRangesAndReachBothEnds) {
    Random random;
    std::set<int> points, pot;
    for (int i = 0; i < 20000; ++i) {
        const EntrantGain hand = simulatePointsHand(random);
        ASSERT_GE(hand.row, 0);
        ASSERT_LT(hand.row, 6);
        points.insert(hand.points);
        for (const EntrantGain& potHand : simulatePotHands(random)) {
            ASSERT_GE(potHand.row, 0);
            ASSERT_LT(potHand.row, 6);
            pot.insert(potHand.points);
        }
    }
    EXPECT_EQ(*points.begin(), 7);
    EXPECT_EQ(*points.rbegin(), 17);
    EXPECT_EQ(*pot.begin(), 12);
    EXPECT_EQ(*pot.rbegin(), 84);
}

TEST(SimulatedHandsTest, EliminationHandScoresEveryEntrantOnceByPlace) {
    // The entrant out at place k takes k, or one more when he shares with the next one; the
    // fifth and the sixth always take 5 and 6.
    Random random;
    int shared = 0;
    for (int i = 0; i < 5000; ++i) {
        const auto places = simulateEliminationHand(random);
        std::set<int> rows;
        for (int k = 1; k <= 6; ++k) {
            const EntrantGain& out = places[k - 1];
            rows.insert(out.row);
            ASSERT_TRUE(out.points == k || out.points == std::min(k + 1, 6)) << "place " << k;
            if (k > 1 && out.points == places[k - 2].points) ++shared;
        }
        ASSERT_EQ(rows.size(), 6U);
        ASSERT_EQ(places[4].points, 5);
        ASSERT_EQ(places[5].points, 6);
    }
    // A place is shared with the next one at one draw in three: about 1.06 shared pairs a
    // hand (1.44 at one in two, 0.70 at one in six).
    EXPECT_NEAR(shared / 5000.0, 1.06, 0.08);
}

class TournamentRoundTest : public TournamentFixture {
protected:
    std::vector<int> tablePoints(int table) {
        const ResultSet rs = db.query("SELECT * FROM torneo where tavolo='" +
                                      std::to_string(table) + "' order by cognome, nome");
        std::vector<int> out;
        for (int r = 0; r < rs.rows(); ++r) out.push_back(static_cast<int>(rs.at(3, r).integer()));
        return out;
    }
    void visit(int table) {
        tournament.tablecursor = static_cast<std::int16_t>(table);
        simulation.simulateTable();
    }
};

TEST_F(TournamentRoundTest, TableBelowTheGoalPlaysAndATableAtTheGoalIsDone) {
    for (const char* type : {"50 Punti", "Eliminazione 50"}) {
        SCOPED_TRACE(type);
        db.execute("DELETE FROM torneo");
        useGameType(type);
        addTables(2, [](int t, int s) { return s == 0 ? (t == 1 ? 49 : 50) : 0; });
        const auto before1 = tablePoints(1), before2 = tablePoints(2);
        visit(1);
        visit(2);
        EXPECT_NE(tablePoints(1), before1);
        EXPECT_EQ(tablePoints(2), before2);
    }
}

TEST_F(TournamentRoundTest, ATableDoneInOneSeatingPlaysAgainInTheNext) {
    useGameType("50 Punti");
    addTables(2, [](int t, int s) { return t == 2 && s == 0 ? 50 : 0; });
    for (int tick = 0; tick < 4; ++tick) simulation.simulationTick();
    const auto done = tablePoints(2);
    EXPECT_EQ(done[0] + done[1], 50);  // the table at the goal is left as it was
    // A new seating puts the table below the goal again: it plays again.
    db.execute("UPDATE torneo SET punti=0 WHERE tavolo=2");
    ++tournament.seatings;
    const long hands = simulation.handsSimulated();
    for (int tick = 0; tick < 4; ++tick) simulation.simulationTick();
    EXPECT_GT(simulation.handsSimulated(), hands + 2);
    EXPECT_NE(tablePoints(2), std::vector<int>(6, 0));
}

TEST_F(TournamentRoundTest, HumansTableIsNeverSimulated) {
    for (const char* type : {"25 Punti", "Piatto 500", "Eliminazione 25"}) {
        SCOPED_TRACE(type);
        db.execute("DELETE FROM torneo");
        useGameType(type);
        addHumansTable(1, {0, 3, 0, 1, 2, 0});
        const auto before = tablePoints(1);
        for (int tick = 0; tick < 20; ++tick) simulation.simulationTick();
        EXPECT_EQ(tablePoints(1), before);
    }
}

TEST_F(TournamentRoundTest, EliminationVisitGivesEachEntrantOneToSixOnce) {
    useGameType("Eliminazione 100");
    addTables(1, [](int, int s) { return s * 10; });
    const auto before = tablePoints(1);
    visit(1);
    const auto after = tablePoints(1);
    std::vector<int> gains;
    for (int s = 0; s < 6; ++s) gains.push_back(after[s] - before[s]);
    std::sort(gains.begin(), gains.end());
    EXPECT_GE(gains.front(), 1);
    EXPECT_LE(gains.back(), 6);
}

TEST_F(TournamentRoundTest, PastTheLastTableTheCursorWrapsAndASpentLimitStopsEveryTable) {
    for (const char* type : {"25 Punti", "Piatto 500", "Eliminazione 25"}) {
        SCOPED_TRACE(type);
        db.execute("DELETE FROM torneo");
        useGameType(type, "Limite 10 Mani");
        addTables(2, [](int, int) { return 0; });
        tournament.passesleft = 0;
        const auto before = tablePoints(1);
        visit(3);  // past table 2: a new pass over the field, which spends the limit
        EXPECT_EQ(tournament.tablecursor, 1);
        EXPECT_EQ(tournament.passesleft, -1);
        EXPECT_EQ(tablePoints(1), before);
        visit(2);
        EXPECT_EQ(tablePoints(2), before);
    }
    // Without a limit the passes are not counted.
    useGameType("25 Punti");
    tournament.passesleft = -1;
    visit(3);
    EXPECT_EQ(tournament.passesleft, -1);
}

TEST_F(TournamentRoundTest, TickVisitsTwoTablesOrOneAfterAnEliminationHand) {
    struct Case {
        const char* type;
        int firstTablePoints;
        int cursorAfter;
    };
    for (const Case& c : {Case{"25 Punti", 0, 3}, Case{"Piatto 500", 0, 3},
                          Case{"Eliminazione 25", 0, 2}, Case{"Eliminazione 25", 30, 3}}) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.firstTablePoints));
        db.execute("DELETE FROM torneo");
        useGameType(c.type);
        addTables(3, [&](int t, int) { return t == 1 ? c.firstTablePoints : 0; });
        tournament.tablecursor = 1;
        simulation.simulationTick();
        EXPECT_EQ(tournament.tablecursor, c.cursorAfter);
    }
}

TEST_F(TournamentRoundTest, RoundWaitsForEveryTableThenEndsAtOnceWhenTheLimitIsSpent) {
    useGameType("50 Punti", "Limite 10 Mani");
    addHumansTable(1, {50, 0, 0, 0, 0, 0});
    addPoolTable(2, 5, {0, 0, 0, 0, 0, 0});
    tournament.passesleft = 3;
    tournament.roundnumber = 1;
    surface.setVisible(ctl::Frame6, true);
    roundEnd.checkRoundEnd();
    EXPECT_EQ(tournament.roundnumber, 1);  // table 2 still plays

    tournament.passesleft = -1;
    roundEnd.checkRoundEnd();
    EXPECT_EQ(tournament.roundnumber, 2);
}

TEST_F(TournamentRoundTest, FinalTableEndsTheTournamentWithoutAdvancing) {
    useGameType("25 Punti");
    addHumansTable(1, {12, 26, 3, 0, 0, 0});
    tournament.roundnumber = 9;
    surface.setVisible(ctl::Frame6, true);
    surface.setVisible(ctl::Picture1, true);
    surface.setWindowEnabled(false);
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) surface.setEnabled(timer, true);
    roundEnd.checkRoundEnd();
    ASSERT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(surface.messages()[0].text, "Partita terminata");
    EXPECT_EQ(rowsOf("SELECT * FROM torneo "), 6);
    EXPECT_EQ(rowsOf("SELECT * FROM classifica where eliminato='1'"), 0);
    EXPECT_EQ(tournament.roundnumber, 9);
    EXPECT_FALSE(surface.visible(ctl::Picture1));
    EXPECT_FALSE(surface.visible(ctl::Frame6));
    EXPECT_TRUE(surface.windowEnabled());
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        EXPECT_FALSE(surface.enabled(timer));
    // Then the final standings, the player's row lit (second, with 12), and back to the menu.
    EXPECT_TRUE(surface.visible(ctl::Picture27));
    EXPECT_TRUE(surface.visible(ctl::PlayersStandingsRow));
    EXPECT_EQ(surface.top(ctl::PlayersStandingsRow), 15 * (122 + 26));
    standings.closeStandings();
    EXPECT_FALSE(surface.visible(ctl::Picture27));
    EXPECT_FALSE(surface.visible(ctl::Picture1));
    EXPECT_EQ(rowsOf("SELECT * FROM classifica"), 0);
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        EXPECT_FALSE(surface.enabled(timer));
}

TEST_F(TournamentRoundTest, HumanOutOfTheBestThreeIsToldHeIsEliminated) {
    useGameType("25 Punti");
    addHumansTable(1, {2, 26, 3, 4, 5, 0});
    addTables(
        1, [](int, int s) { return s == 0 ? 30 : 1; }, 2);
    surface.setVisible(ctl::Frame6, true);
    roundEnd.checkRoundEnd();
    ASSERT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(surface.messages()[0].text, "Partita terminata\nSei stato eliminato dal torneo");
    EXPECT_EQ(rowsOf("SELECT * FROM torneo "), 6);
    EXPECT_EQ(entrantPoints(kHumanSurname, kHumanFirstName, "classifica"), 2);
    EXPECT_FALSE(surface.enabled(ctl::Timer2));
}

TEST_F(TournamentRoundTest, NextRoundSeatsTheHumansNewTableWithTheirCarriedPoints) {
    useGameType("25 Punti", "Limite 20 Mani");
    addHumansTable(1, {27, 26, 3, 4, 5, 0});
    addPoolTable(2, 5, {30, 29, 28, 27, 26, 25});
    surface.setVisible(ctl::Frame6, true);
    surface.setWindowEnabled(false);
    display.aids().showLastTrick(1);  // the last trick of his old table
    roundEnd.checkRoundEnd();

    EXPECT_TRUE(surface.messages().empty());
    EXPECT_EQ(tournament.roundnumber, 2);
    EXPECT_EQ(surface.items(ctl::Combo7), std::vector<std::string>{"1"});
    // The human and the best two of his table (27, 26, 5) with the best three of table 2.
    EXPECT_EQ(session.seatstats[0].surname, kHumanSurname);
    EXPECT_EQ(session.seatstats[0].score, 2);
    std::multiset<int> carried;
    for (int seat = 1; seat < 6; ++seat) carried.insert(session.seatstats[seat].score);
    EXPECT_EQ(carried, (std::multiset<int>{1, -20, 5, 4, 3}));
    EXPECT_EQ(surface.caption(ctl::Label48), "Max 20 Mani al Termine");
    EXPECT_EQ(tournament.handsleft, 20);
    EXPECT_EQ(tournament.passesleft, 20);
    EXPECT_EQ(surface.caption(ctl::Label47), "2* Turno - 6 Giocatori - 1 Tavoli");
    // He is told how he went on, and the table waits for him to read it.
    EXPECT_TRUE(surface.visible(ctl::RoundLine));
    EXPECT_FALSE(surface.visible(ctl::LastTrickTitle)) << "the last table's last trick";
    EXPECT_EQ(surface.caption(ctl::RoundLine), "Sei passato al turno 2 con 2 punti (27 − 25)");
    EXPECT_GT(surface.tableHolds(), 0);
    EXPECT_FALSE(surface.visible(ctl::Frame6));
    EXPECT_TRUE(surface.windowEnabled());
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        EXPECT_TRUE(surface.enabled(timer));
}

TEST(CarriedPointsLineTest, ShowsTheSubtractionWithTrueMinusSigns) {
    const std::tuple<int, int, int, const char*> cases[] = {
        {2, 32, 25, "Sei passato al turno 2 con 7 punti (32 − 25)"},
        {4, 15, 25, "Sei passato al turno 4 con −10 punti (15 − 25)"},
        {9, -3, 50, "Sei passato al turno 9 con −53 punti (−3 − 50)"},
    };
    for (const auto& [round, points, goal, line] : cases)
        EXPECT_EQ(carriedPointsLine(round, points, goal), line);
}

TEST_F(TournamentRoundTest, BestThreeGoOnWithThePointsBeyondTheGoal) {
    // 57, 51, 40 go on with 7, 1, -10; 33, 20, 12 leave with their totals, raised by the goal
    // of every round passed.
    for (const int round : {1, 3}) {
        SCOPED_TRACE(round);
        db.execute("DELETE FROM torneo");
        db.execute("DELETE FROM classifica ");
        useGameType("50 Punti");
        const std::array<int, 6> points{12, 57, 33, 51, 20, 40};
        addTables(2, [&](int t, int s) { return t == 1 ? points[s] : 0; });
        tournament.roundnumber = static_cast<std::int16_t>(round);
        advanceRound(db, tournament, session.options);

        EXPECT_EQ(tournament.roundnumber, round + 1);
        EXPECT_EQ(entrantPoints("E1-1", "Nome"), 7);
        EXPECT_EQ(entrantPoints("E1-3", "Nome"), 1);
        EXPECT_EQ(entrantPoints("E1-5", "Nome"), -10);
        const int raise = (round - 1) * 50;
        EXPECT_EQ(entrantPoints("E1-2", "Nome", "classifica"), 33 + raise);
        EXPECT_EQ(entrantPoints("E1-4", "Nome", "classifica"), 20 + raise);
        EXPECT_EQ(entrantPoints("E1-0", "Nome", "classifica"), 12 + raise);
        const ResultSet out = db.query("SELECT * FROM classifica");
        for (int r = 0; r < out.rows(); ++r) {
            EXPECT_EQ(out.at("tavolo", r).text(), "-");
            EXPECT_EQ(out.at("eliminato", r).text(), "1");
        }
        EXPECT_EQ(rowsOf("SELECT * FROM torneo where tavolo='1' "), 6);
    }
}

TEST_F(TournamentRoundTest, QualifiersOfTwoTablesFillOneNewTable) {
    useGameType("Piatto 1000");
    addTables(4, [](int t, int s) { return t * 1000 + 300 + s; });
    advanceRound(db, tournament, session.options);
    EXPECT_EQ(entrantPoints("E1-5", "Nome"), 305);
    EXPECT_EQ(entrantPoints("E4-3", "Nome"), 3303);
    for (const auto& [old, now] : {std::pair{1, 1}, {2, 1}, {3, 2}, {4, 2}}) {
        for (int s = 3; s < 6; ++s) {
            const ResultSet rs =
                db.query("SELECT * FROM torneo where cognome='" + entrantName(old, s) + "'");
            ASSERT_EQ(rs.rows(), 1);
            EXPECT_EQ(rs.at("tavolo", 0).integer(), now);
        }
    }
    EXPECT_EQ(rowsOf("SELECT * FROM torneo "), 12);
    EXPECT_EQ(rowsOf("SELECT * FROM classifica"), 12);
}

TEST_F(TournamentRoundTest, ApostropheSurnamesAreUpdatedAndDeleted) {
    useGameType("25 Punti");
    addEntrant("D'Angelo", "Pia", 1, 40);
    addEntrant("O'Brien", "Sean", 1, 1);
    for (int s = 0; s < 4; ++s) addEntrant(entrantName(1, s), "Nome", 1, 10 + s);
    advanceRound(db, tournament, session.options);
    EXPECT_EQ(entrantPoints("D'Angelo", "Pia"), 15);
    EXPECT_EQ(entrantPoints("O'Brien", "Sean", "classifica"), 1);
    EXPECT_EQ(rowsOf("SELECT * FROM torneo where cognome='O''Brien'"), 0);
}

}  // namespace
}  // namespace zelvaro::tabletest
