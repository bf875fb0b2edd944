// The start of a tournament: the field drawn from the pool, the table list, the human's table.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/unit/TournamentFixture.h"

namespace zelvaro::tabletest {
namespace {

class FieldSetupTest : public TournamentFixture {
protected:
    FieldSetupTest() {
        useGameType("25 Punti");
        surface.setCaption(ctl::Label22, std::string(kHumanSurname) + " " + kHumanFirstName);
        surface.setVisible(ctl::Frame3, true);
        surface.setVisible(ctl::Frame5, true);
        for (Control c : kMenuLabels) surface.setEnabled(c, false);
    }
    // Entrants per table number.
    std::map<int, int> tableSizes() {
        std::map<int, int> sizes;
        const ResultSet rs = db.query("SELECT * FROM torneo ");
        for (int r = 0; r < rs.rows(); ++r) ++sizes[static_cast<int>(rs.at(2, r).integer())];
        return sizes;
    }
};

TEST_F(FieldSetupTest, TheWholePoolEntersOnceEachApostrophesIncluded) {
    // 20 computer players and the human: every pool player is drawn until each is in once.
    tournament.fieldsize = 21;
    session.humanprofile = PlayerProfile{kHumanSurname, kHumanFirstName, "Italia", "1980", "1"};
    ASSERT_TRUE(setup.buildField());
    const ResultSet rs = db.query("SELECT * FROM torneo ");
    std::set<std::string> names;
    for (int r = 0; r < rs.rows(); ++r) {
        names.insert(rs.at(0, r).text() + " " + rs.at(1, r).text());
        EXPECT_EQ(rs.at("punti", r).integer(), 0);
        EXPECT_EQ(rs.at("eliminato", r).integer(), 0);
    }
    EXPECT_EQ(rs.rows(), 21);
    EXPECT_EQ(names.size(), 21U);
    EXPECT_TRUE(names.count("D'Angelo Pia") && names.count("O'Brien Sean") &&
                names.count("Rossi Mario"));
    EXPECT_EQ(tableSizes(), (std::map<int, int>{{1, 6}, {2, 6}, {3, 6}, {4, 3}}));
    EXPECT_TRUE(surface.windowEnabled());
}

TEST_F(FieldSetupTest, StartSeatsTheHumansTableAndListsEveryTable) {
    tournament.fieldsize = 18;
    setup.startTournament();
    EXPECT_TRUE(surface.messages().empty());
    EXPECT_EQ(tableSizes(), (std::map<int, int>{{1, 6}, {2, 6}, {3, 6}}));
    EXPECT_EQ(surface.items(ctl::Combo7), (std::vector<std::string>{"1", "2", "3"}));
    // The list opens on the player's own table, which its rows show.
    const ResultSet self = db.query("SELECT * FROM torneo where cognome='Rossi' and nome='Mario'");
    EXPECT_EQ(surface.caption(ctl::Combo7), self.at("tavolo", 0).text());
    EXPECT_NE(surface.caption(ctl::Label42).find("Rossi\n"), std::string::npos);
    EXPECT_EQ(surface.caption(ctl::Label4), "Rossi Mario");

    // The human's table is seated (the whole-tournament runs check who sits there).
    EXPECT_EQ(session.seatstats[0].surname, kHumanSurname);
    EXPECT_GT(session.opponents[0].foto, 0);

    EXPECT_EQ(tournament.roundnumber, 1);
    EXPECT_EQ(tournament.tablecursor, 1);
    EXPECT_EQ(surface.caption(ctl::Label47), "1* Turno - 18 Giocatori - 3 Tavoli");
    EXPECT_EQ(surface.interval(ctl::Timer2), 8333);  // 30000 / (18 / 5)
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        EXPECT_TRUE(surface.enabled(timer));
    for (Control c : {ctl::Picture1, ctl::Label52}) EXPECT_TRUE(surface.visible(c));
    for (Control c : {ctl::Frame3, ctl::Frame5}) EXPECT_FALSE(surface.visible(c));
    for (Control c : kMenuLabels) EXPECT_TRUE(surface.enabled(c));
    EXPECT_EQ(linesOf(surface.caption(ctl::Label42)).size(), 6U);
}

TEST_F(FieldSetupTest, APoolTooSmallForTheFieldIsRefusedAndTheFieldStaysEmpty) {
    addTables(1, [](int, int) { return 5; });  // the last tournament's field
    tournament.fieldsize = 24;                 // needs 23 computer players, the pool has 20
    setup.startTournament();
    ASSERT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(surface.messages()[0].text,
              "Non ci sono abbastanza giocatori per formare il torneo.");
    EXPECT_EQ(rowsOf("SELECT * FROM torneo "), 0);
    EXPECT_TRUE(surface.windowEnabled());
    for (Control c : {ctl::Frame3, ctl::Frame5, ctl::Picture1}) EXPECT_FALSE(surface.visible(c));
    for (Control c : kMenuLabels) EXPECT_TRUE(surface.enabled(c));
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        EXPECT_FALSE(surface.enabled(timer));
}

}  // namespace
}  // namespace zelvaro::tabletest
