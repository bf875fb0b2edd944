// The tournament's rankings: the table list, the overall top six and the paged standings
// screen with its snapshot of the field.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "engine/display/TableLayout.h"
#include "tests/unit/TournamentFixture.h"

namespace zelvaro::tabletest {
namespace {

class StandingsTest : public TournamentFixture {
protected:
    std::vector<std::string> column(int k) { return linesOf(surface.caption(ctl::Label51[k])); }
    // The page's line of the entrant whose display name is `name`.
    int lineOf(const std::string& name) {
        const auto names = column(1);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == name) return static_cast<int>(i);
        }
        throw std::runtime_error("not on the page: " + name);
    }
    // The page line behind the lit band, or -1 with no band.
    int litLine() {
        if (!surface.visible(ctl::PlayersStandingsRow)) return -1;
        return (surface.top(ctl::PlayersStandingsRow) / kTwipsPerPixel -
                layout::kStandingsRowsTop) /
               layout::kStandingsRowHeight;
    }

    // 21 tables of six, the entrants' points all different and even, from 262 down to 12, and the
    // player with `points` at table 22, his mates on none: 132 rows on seven pages. Or the player
    // `out` of the field with his points: 127 rows.
    void fieldOfSevenPages(int points, bool out = false) {
        useGameType("25 Punti");
        addTables(21, [](int t, int s) { return 2 * (6 * t + s); });
        if (!out) return addHumansTable(22, {points, 0, 0, 0, 0, 0});
        db.appendRow("classifica", {{"cognome", kHumanSurname},
                                    {"nome", kHumanFirstName},
                                    {"tavolo", "-"},
                                    {"punti", points},
                                    {"eliminato", "1"},
                                    {"nazionalita", "Italia"}});
    }
};

TEST_F(StandingsTest, ClassificaOpensOnThePlayersPageAndItsButtonsTurnPagesWithHisRowLit) {
    // Places 1, 20 and 21 about the first page break, a middle page and the last; out of the
    // field, it opens on page 1 during play and on his own page at the end.
    const auto rows = {std::tuple{263, false, false, 1, 1},
                       {225, false, false, 1, 20},
                       {223, false, false, 2, 21},
                       {165, false, false, 3, 50},
                       {1, false, false, 7, 127},
                       {3, true, false, 1, 127},
                       {3, true, true, 7, 127}};
    // Each step one button: F "|<<", P "<<", N ">>", L ">>|".
    const std::string steps = "PPPNFFLNNLPPPPPPPPPNNNFPL";
    for (const auto& [points, out, atTheEnd, opens, place] : rows) {
        SCOPED_TRACE(testing::Message() << "place " << place << (out ? ", out" : "")
                                        << (atTheEnd ? ", at the end" : ""));
        db.execute("DELETE FROM torneo");
        db.execute("DELETE FROM classifica");
        fieldOfSevenPages(points, out);
        atTheEnd ? standings.openFinalStandings() : standings.openStandings();
        EXPECT_EQ(surface.caption(ctl::Label54), "7");
        int page = opens;
        for (std::size_t i = 0; i <= steps.size(); ++i) {
            SCOPED_TRACE("after " + steps.substr(0, i));
            ASSERT_EQ(surface.caption(ctl::Label56), std::to_string(page));
            // The page's own places, and the band on the player's row only.
            EXPECT_EQ(column(0).front(), std::to_string(20 * page - 19));
            EXPECT_EQ(column(0).size(), page < 7 ? 20U : out ? 7U : 12U);
            const bool his = page == (place + 19) / 20;
            EXPECT_EQ(litLine(), his ? lineOf("Rossi Mario") : -1);
            if (his) {
                EXPECT_EQ(column(0)[lineOf("Rossi Mario")], std::to_string(place));
            }
            if (i == steps.size()) break;
            switch (steps[i]) {
                case 'F':
                    standings.firstPage();
                    page = 1;
                    break;
                case 'P':
                    standings.previousPage();
                    page = std::max(1, page - 1);
                    break;
                case 'N':
                    standings.nextPage();
                    page = std::min(7, page + 1);
                    break;
                case 'L':
                    standings.lastPage();
                    page = 7;
                    break;
            }
        }
    }
}

TEST_F(StandingsTest, TheTableListTurnsToThePlayersNewTableAtTheNextRound) {
    // Tables 1 and 2 make the new table 1, tables 3 (the player's) and 4 the new table 2.
    useGameType("25 Punti");
    addTables(2, [](int, int s) { return s == 0 ? 30 : s; });
    addHumansTable(3, {27, 26, 3, 4, 5, 0});
    addPoolTable(4, 5, {30, 29, 28, 27, 26, 25});
    surface.setCaption(ctl::Combo7, "1");  // the player had looked at table 1
    surface.setVisible(ctl::Frame6, true);
    roundEnd.checkRoundEnd();
    ASSERT_TRUE(surface.messages().empty());
    EXPECT_EQ(surface.items(ctl::Combo7), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(surface.caption(ctl::Combo7), "2");
    const auto names = linesOf(surface.caption(ctl::Label42));
    EXPECT_NE(std::find(names.begin(), names.end(), kHumanSurname), names.end());
}

TEST_F(StandingsTest, ListsShowStoredPointsAndTheScreenShowsTotals) {
    // Third round of "50 Punti": 12 stored points are 112 in the tournament.
    useGameType("50 Punti");
    tournament.roundnumber = 3;
    addPoolTable(1, 0, {12, 30, 7, 5, 3, 1});
    surface.setCaption(ctl::Combo7, "1");
    standings.refreshTableStandings();
    standings.refreshOverallTop();
    EXPECT_EQ(surface.caption(ctl::Label41), "30\n12\n7\n5\n3\n1\n");
    EXPECT_EQ(surface.caption(ctl::Label42),
              "D'Angelo\nBianchi\nDupont\nO'Brien\nMuller\nGarcia\n");
    EXPECT_EQ(surface.picture(ctl::Image5[1]), "bandiere/Svizzera.jpg");
    EXPECT_EQ(surface.caption(ctl::Label44), "30\n12\n7\n5\n3\n1\n");
    EXPECT_EQ(linesOf(surface.caption(ctl::Label45))[1], "Bianchi  (Tav.1)");

    standings.openStandings();
    EXPECT_EQ(column(2)[lineOf("Bianchi Luca")], "112");
    EXPECT_EQ(linesOf(surface.caption(ctl::Label41))[1], "12");
}

TEST_F(StandingsTest, GapsAtTheTableAndTheEliminated) {
    useGameType("25 Punti");
    tournament.roundnumber = 2;
    addPoolTable(1, 0, {20, 14, 14, 9, 2, 0});
    db.appendRow("classifica", {{"cognome", "Verdi"},
                                {"nome", "Anna"},
                                {"tavolo", "-"},
                                {"punti", 100},
                                {"eliminato", "1"},
                                {"nazionalita", "Francia"}});
    standings.openStandings();
    // Totals 45, 39, 39, 34, 27, 25 below the eliminated entrant's 100.
    EXPECT_EQ(column(0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
    const int out = lineOf("Verdi Anna");
    EXPECT_EQ(out, 0);
    for (int k : {3, 4, 5, 6}) EXPECT_EQ(column(k)[out], "-") << k;
    struct Row {
        const char* name;
        const char* place;
        const char* behind;
        const char* ahead;
    };
    for (const Row& row : {Row{"Bianchi Luca", "1", "0", "6"}, Row{"Dupont Jean", "3", "0", "5"},
                           Row{"Garcia Pablo", "6", "2", "0"}}) {
        const int line = lineOf(row.name);
        EXPECT_EQ(column(3)[line], "1") << row.name;
        EXPECT_EQ(column(4)[line], row.place) << row.name;
        EXPECT_EQ(column(5)[line], row.behind) << row.name;
        EXPECT_EQ(column(6)[line], row.ahead) << row.name;
    }
    EXPECT_EQ(column(4)[lineOf("D'Angelo Pia")], "2");
    EXPECT_TRUE(surface.visible(ctl::Image7[6]));
    EXPECT_FALSE(surface.visible(ctl::Image7[7]));
}

TEST_F(StandingsTest, AFullFieldPagesFromOneToSeventySevenAndBack) {
    useGameType("100 Punti");
    addTables(256, [](int t, int s) { return (t * 7 + s * 13) % 97; });
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) surface.setEnabled(timer, true);
    surface.setVisible(ctl::Picture1, true);

    standings.openStandings();
    EXPECT_EQ(rowsOf("SELECT * FROM classifica"), 1536);
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        EXPECT_FALSE(surface.enabled(timer));
    EXPECT_TRUE(surface.visible(ctl::Picture27));
    EXPECT_FALSE(surface.visible(ctl::Picture1));
    EXPECT_EQ(surface.caption(ctl::Label54), "77");
    EXPECT_EQ(surface.caption(ctl::Label56), "1");
    EXPECT_EQ(column(0).front(), "1");
    EXPECT_EQ(column(0).back(), "20");
    EXPECT_EQ(column(2).front(), "96");

    standings.previousPage();  // "<<" on page 1
    EXPECT_EQ(surface.caption(ctl::Label56), "1");
    for (int turn = 0; turn < 80; ++turn) standings.nextPage();  // ">>" stops at the last page
    EXPECT_EQ(surface.caption(ctl::Label56), "77");
    EXPECT_EQ(column(0).front(), "1521");
    EXPECT_EQ(column(0).back(), "1536");
    EXPECT_EQ(column(1).size(), 16U);
    EXPECT_TRUE(surface.visible(ctl::Image7[15]));
    EXPECT_FALSE(surface.visible(ctl::Image7[16]));
    standings.previousPage();
    EXPECT_EQ(surface.caption(ctl::Label56), "76");
    EXPECT_EQ(column(0).front(), "1501");

    standings.closeStandings();
    EXPECT_EQ(rowsOf("SELECT * FROM classifica"), 0);
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        EXPECT_TRUE(surface.enabled(timer));
    EXPECT_FALSE(surface.visible(ctl::Picture27));
    EXPECT_TRUE(surface.visible(ctl::Picture1));
}

}  // namespace
}  // namespace zelvaro::tabletest
