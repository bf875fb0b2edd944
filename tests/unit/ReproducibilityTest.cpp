// From "Avanti" to a running table: the opponents drawn from the pool, the table prepared
// for each hand, and the same stored number giving the same game on every launch.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "front/GameStart.h"
#include "front/ProfilePanel.h"
#include "store/Nummag.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

std::string fullName(const PlayerProfile& p) {
    return p.cognome + " " + p.nome;
}

void setNummag(Database& db, const std::string& value) {
    db.execute("UPDATE temp SET numero1='" + value + "' WHERE descrizione= 'nummag'");
}

class SingleGameStartTest : public TableFixture {
protected:
    SingleGameStartTest()
        : profiles(surface, db),
          start(surface, db, random, session, tournament, profiles, display, engine) {
        session.opponents = {};
        for (int seat = 1; seat < kSeats; ++seat) session.seatstats[seat] = SeatStats{};
    }

    void startSingleGame(const MatchOptions& o) {
        storeOptions(db, o);
        start.openProfilePanel();  // the one user profile, Rossi Mario, is shown
        tournament.tournamentflag = 0;
        start.confirmProfile();
    }

    std::vector<std::string> seatedNames() const {
        std::vector<std::string> names;
        for (const PlayerProfile& p : session.opponents) names.push_back(fullName(p));
        return names;
    }

    ProfilePanel profiles;
    GameStart start;
};

TEST_F(SingleGameStartTest, AvantiWithoutAProfileDoesNothing) {
    surface.setCaption(ctl::Label22, "");
    start.confirmProfile();
    EXPECT_FALSE(surface.visible(ctl::Picture1));
    EXPECT_FALSE(surface.enabled(ctl::Timer1));
    EXPECT_EQ(random.drawsMade(), 0u);
    EXPECT_EQ(session.opponents[0].cognome, "");
}

TEST_F(SingleGameStartTest, SingleGameSeatsTheHumanAndFiveOpponents) {
    MatchOptions o = optionsWith("3 Vinte", "Si", "Si", "Lenta", "2 Carte");
    startSingleGame(o);
    EXPECT_EQ(session.gamemode, "Partita");
    EXPECT_EQ(session.options.punteggio, "3 Vinte");
    EXPECT_EQ(session.options.tipopartita, "Lenta");
    EXPECT_EQ(session.options.duesuperaasso, "Si");
    EXPECT_EQ(session.options.premio, "2 Carte");
    EXPECT_EQ(session.humanprofile.cognome, "Rossi");
    EXPECT_EQ(session.humanprofile.nazionalita, "Italia");
    EXPECT_EQ(surface.caption(ctl::Label4), "Rossi Mario");
    EXPECT_EQ(session.seatstats[0].surname, "Rossi");
    EXPECT_EQ(session.seatstats[0].firstName, "Mario");
    const auto names = seatedNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 5u);
    for (int seat = 1; seat < kSeats; ++seat) {
        EXPECT_EQ(session.seatstats[seat].surname, session.opponents[seat - 1].cognome);
        EXPECT_EQ(session.seatstats[seat].firstName, session.opponents[seat - 1].nome);
        EXPECT_EQ(session.seatstats[seat].score, 0);
        EXPECT_EQ(session.opponents[seat - 1].profilo, "0");
        EXPECT_GE(session.opponents[seat - 1].foto, 1);
    }
    EXPECT_GE(session.trickleader, 0);
    EXPECT_LE(session.trickleader, 5);
    EXPECT_EQ(session.trickwinner, session.trickleader);
    EXPECT_EQ(session.turnseat, session.trickleader);
    EXPECT_TRUE(surface.visible(ctl::Picture1));
    EXPECT_TRUE(surface.enabled(ctl::Timer1));
    EXPECT_FALSE(surface.enabled(ctl::Timer2));
    EXPECT_EQ(surface.picture(ctl::Picture18), "immagini/3 Vinte.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture19), "immagini/Cambio Carte.jpg");
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(session.cardsHeld(seat), 10);
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));
    for (Control c : {ctl::Label40, ctl::Label41, ctl::Label45, ctl::Combo7}) {
        EXPECT_FALSE(surface.visible(c)) << objectName(c);
    }
    EXPECT_FALSE(surface.visible(ctl::Image5[0]));
    EXPECT_FALSE(surface.visible(ctl::Image6[5]));
}

TEST_F(SingleGameStartTest, WithoutCardChangeTheButtonsAreHiddenBeforeTheFirstHand) {
    surface.setVisible(ctl::Command1, true);
    surface.setVisible(ctl::Command2, true);
    startSingleGame(optionsWith("25 Punti", "No"));
    EXPECT_FALSE(surface.visible(ctl::Command1));
    EXPECT_FALSE(surface.visible(ctl::Command2));
    EXPECT_EQ(session.changedecisions, 6);
    EXPECT_EQ(session.pulsanticambio, 1);
    EXPECT_EQ(surface.picture(ctl::Picture19), "immagini/Non Cambio Carte.jpg");
}

TEST_F(SingleGameStartTest, NoOneIsSeatedTwice) {
    for (int game = 0; game < 60; ++game) {
        ASSERT_TRUE(start.drawOpponents());
        const auto names = seatedNames();
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 5u) << game;
    }
}

TEST_F(SingleGameStartTest, NextGameNeverSeatsAPreviousOpponentInTheSlotDrawnFirst) {
    ASSERT_TRUE(start.drawOpponents());
    for (int game = 0; game < 60; ++game) {
        const auto before = seatedNames();
        ASSERT_TRUE(start.drawOpponents());
        const auto after = seatedNames();
        // Each slot is compared with what the five slots hold when it is drawn: the new
        // names before it and the old names from it on.
        for (int slot = 0; slot < 5; ++slot) {
            for (int j = 0; j < slot; ++j) EXPECT_NE(after[slot], after[j]) << game;
            for (int j = slot; j < 5; ++j) EXPECT_NE(after[slot], before[j]) << game << "/" << slot;
        }
    }
}

TEST_F(SingleGameStartTest, SecondSingleGameDoesNotReseatTheFirstGamesOpponentsFirst) {
    startSingleGame(optionsWith("Partita Singola"));
    const auto first = seatedNames();
    startSingleGame(optionsWith("Partita Singola"));
    for (const std::string& name : first) EXPECT_NE(seatedNames()[0], name);
}

TEST_F(SingleGameStartTest, OpponentsFollowTheDefinedDrawOrder) {
    setNummag(db, "2.6");
    // The previous match's opponents still sit in the slots.
    const ResultSet pool = db.query("SELECT * FROM giocatori where profilo='0' ");
    const int c = pool.rows();
    ASSERT_EQ(c, 20);
    const std::array<int, 5> previousRows{3, 4, 5, 6, 7};
    for (int j = 0; j < 5; ++j) {
        session.opponents[j].cognome = pool.at(0, previousRows[j]).text();
        session.opponents[j].nome = pool.at(1, previousRows[j]).text();
    }
    std::array<std::string, 5> expected;
    for (int j = 0; j < 5; ++j) expected[j] = fullName(session.opponents[j]);
    Random reference;
    for (int slot = 0; slot < 5; ++slot) {
        for (;;) {
            reference.discard(3);  // floor(2.6) + 1 draws burnt before each pick
            const int row = static_cast<int>(std::floor(reference.next() * c));
            const std::string name = pool.at(0, row).text() + " " + pool.at(1, row).text();
            bool taken = false;
            for (const std::string& seated : expected) taken = taken || seated == name;
            if (taken) continue;
            expected[slot] = name;
            break;
        }
    }
    ASSERT_TRUE(start.drawOpponents());
    for (int j = 0; j < 5; ++j) EXPECT_EQ(fullName(session.opponents[j]), expected[j]) << j;
    EXPECT_EQ(random.drawsMade(), reference.drawsMade());
}

TEST_F(SingleGameStartTest, PointsTournamentTableTicksEvery98Milliseconds) {
    addTorneoRows(0);
    session.gamemode = "Torneo";
    tournament.fieldsize = 1536;
    startDealtHand(optionsWith("50 Punti"), 0);
    EXPECT_EQ(surface.interval(ctl::Timer2), 98);
    EXPECT_TRUE(surface.enabled(ctl::Timer2));
    EXPECT_TRUE(surface.enabled(ctl::Timer3));
    EXPECT_EQ(surface.caption(ctl::Label47), "1* Turno - 6 Giocatori - 1 Tavoli");
    EXPECT_EQ(surface.caption(ctl::Label34), "");
    EXPECT_TRUE(surface.visible(ctl::Picture16));
    EXPECT_TRUE(surface.visible(ctl::Picture17));
}

TEST_F(SingleGameStartTest, PiattoTournamentTableTicksEvery117Milliseconds) {
    addTorneoRows(0);
    session.gamemode = "Torneo";
    tournament.fieldsize = 1536;
    startDealtHand(optionsWith("Piatto 2000"), 0);
    EXPECT_EQ(surface.interval(ctl::Timer2), 117);
    EXPECT_TRUE(surface.enabled(ctl::Timer2));
}

TEST_F(SingleGameStartTest, PiattoTableShowsThePotCaptionAndNoPrizeCards) {
    startDealtHand(optionsWith("Piatto 500", "No", "No", "Normale", "2 Carte"), 0);
    EXPECT_EQ(surface.caption(ctl::Label34), "Piatto");
    EXPECT_FALSE(surface.visible(ctl::Picture16));
    EXPECT_FALSE(surface.visible(ctl::Picture17));
    EXPECT_EQ(surface.picture(ctl::Picture16), "");
    // Back to a prize game: the pictures return and the caption goes.
    startDealtHand(optionsWith("25 Punti", "No", "No", "Normale", "2 Carte"), 0);
    EXPECT_EQ(surface.caption(ctl::Label34), "");
    EXPECT_TRUE(surface.visible(ctl::Picture16));
    EXPECT_EQ(surface.picture(ctl::Picture16), cardPicture(session.deck[0]));
}

TEST_F(SingleGameStartTest, SingleGameTableLeavesTheTournamentTimersAlone) {
    surface.setInterval(ctl::Timer2, 500);
    startDealtHand(optionsWith("Piatto 500"), 0);
    EXPECT_EQ(surface.interval(ctl::Timer2), 500);
    EXPECT_FALSE(surface.enabled(ctl::Timer2));
    EXPECT_FALSE(surface.enabled(ctl::Timer3));
    EXPECT_EQ(surface.caption(ctl::Label47), "");
}

TEST_F(SingleGameStartTest, PrepareTableReopensTheMenuAndClosesThePanels) {
    for (Control c : kMenuLabels) surface.setEnabled(c, false);
    surface.setVisible(ctl::Frame3, true);
    surface.setVisible(ctl::Frame5, true);
    surface.setVisible(ctl::Frame6, true);
    startDealtHand(optionsWith("25 Punti"), 0);
    for (Control c : kMenuLabels) EXPECT_TRUE(surface.enabled(c)) << objectName(c);
    EXPECT_FALSE(surface.visible(ctl::Frame3));
    EXPECT_FALSE(surface.visible(ctl::Frame5));
    EXPECT_FALSE(surface.visible(ctl::Frame6));
}

// ----- the same launch twice -----

// Everything one launch of the program owns, on its own copy of the database file.
struct Launch {
    explicit Launch(const fs::path& file) {
        db.open(file);
        surface.setMessageTitle("Zelvaro");
        session.buildMasterDeck();
    }

    void startSingleGame() {
        start.openProfilePanel();  // the one user profile, Rossi Mario, is shown
        start.confirmProfile();
    }

    Database db;
    TableSurface surface;
    GameSession session;
    Random random;
    Tournament tournament;
    TableDisplay display{surface, session, tournament, db};
    UnkeptMatch unkept;
    TableEngine engine{session, surface, random, db, display, tournament, unkept};
    ProfilePanel profiles{surface, db};
    GameStart start{surface, db, random, session, tournament, profiles, display, engine};
};

std::unique_ptr<Launch> launchWith(const std::string& folder, const std::string& nummag) {
    auto launch = std::make_unique<Launch>(sharedStore().copyTemplate(folder));
    setNummag(launch->db, nummag);
    MatchOptions o;
    o.tipopartita = "Lenta";
    o.punteggio = "50 Punti";
    storeOptions(launch->db, o);
    updateNummag(launch->db, launch->random, nummag::kStartUp);
    return launch;
}

TEST(ReproducibilityTest, SameStoredNumberAndPoolGiveTheSameGame) {
    auto first = launchWith("launch-a", "1234.5");
    auto second = launchWith("launch-b", "1234.5");
    first->startSingleGame();
    second->startSingleGame();
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(fullName(first->session.opponents[j]), fullName(second->session.opponents[j]));
    }
    EXPECT_EQ(first->session.hands, second->session.hands);
    EXPECT_EQ(first->session.deck, second->session.deck);
    EXPECT_EQ(first->session.trickleader, second->session.trickleader);
    EXPECT_EQ(first->random.drawsMade(), second->random.drawsMade());

    // The two tables go on move for move.
    for (int i = 0; i < 200; ++i) {
        first->engine.tableTick();
        second->engine.tableTick();
        if (first->surface.visible(ctl::Command1)) {
            first->engine.keepClicked();
            second->engine.keepClicked();
        }
        if (first->session.turnseat == 0 && first->session.changedecisions == 6) {
            const int slot = first->session.cardsHeld(0) - 1;
            first->engine.cardClicked(slot);
            second->engine.cardClicked(slot);
        }
    }
    EXPECT_EQ(first->session.hands, second->session.hands);
    EXPECT_EQ(first->session.deck, second->session.deck);
    EXPECT_EQ(first->random.drawsMade(), second->random.drawsMade());
}

TEST(ReproducibilityTest, AnotherStoredNumberGivesAnotherDeal) {
    auto first = launchWith("launch-c", "1234.5");
    auto other = launchWith("launch-d", "4321");
    first->startSingleGame();
    other->startSingleGame();
    EXPECT_NE(first->session.deck, other->session.deck);
    EXPECT_NE(first->session.hands, other->session.hands);
}

}  // namespace
}  // namespace zelvaro::tabletest
