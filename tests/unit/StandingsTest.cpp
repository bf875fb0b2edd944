// The tournament's rankings: the table list, the overall top six and the paged standings
// screen with its snapshot of the field.
#include <gtest/gtest.h>

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
};

TEST_F(StandingsTest, ListsShowStoredPointsAndTheScreenShowsTotals) {
    // Third round of "50 Punti": 12 stored points are 112 in the tournament.
    useGameType("50 Punti");
    tournament.roundnumber = 3;
    addPoolTable(1, 0, {12, 30, 7, 5, 3, 1});
    surface.setCaption(ctl::Combo7, "1");
    standings.refreshTableStandings();
    standings.refreshOverallTop();
    EXPECT_EQ(surface.caption(ctl::Label41), "30\n12\n7\n5\n3\n1\n");
    EXPECT_EQ(surface.caption(ctl::Label42), "D'Angelo\nBianchi\nDupont\nO'Brien\nMuller\nGarcia\n");
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
    db.appendRow("classifica", {{"cognome", "Verdi"}, {"nome", "Anna"}, {"tavolo", "-"},
                                {"punti", 100}, {"eliminato", "1"}, {"nazionalita", "Francia"}});
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
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) EXPECT_FALSE(surface.enabled(timer));
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
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) EXPECT_TRUE(surface.enabled(timer));
    EXPECT_FALSE(surface.visible(ctl::Picture27));
    EXPECT_TRUE(surface.visible(ctl::Picture1));
}

}  // namespace
}  // namespace zelvaro::tabletest
