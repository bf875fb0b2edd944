// The two ways from the menu to a table: "Partita Singola" and "Torneo", through the profile
// panel's "Avanti" and the tournament rules panel.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/HumanPolicy.h"

namespace zelvaro {
namespace {

using testsupport::TempFolder;

const std::string kPointsRules =
    "Giocatori Partecipanti 1536 su 256 tavoli\n"
    "Turni di Gioco 9\n"
    "Il turno viene passato da chi raggiunge i punti prestabiliti e dal secondo e terzo in "
    "classifica.\n"
    "I giocatori si portano dietro i punti conquistati nel turno precedente e il traguardo non "
    "e' altro che la moltiplicazione tra i punti da raggiungere e il turno al quale si ha "
    "accesso.\n";
const std::string kEliminationRules =
    "Giocatori Partecipanti 1536 su 256 tavoli\n"
    "Turni di Gioco 9\n"
    "Il turno viene passato da chi raggiunge i punti prestabiliti e dal secondo e terzo in "
    "classifica.\n";

// One started program for the whole suite: the first start generates the pool.
class GameEntryTest : public ::testing::Test {
protected:
    struct Program {
        TempFolder folder;
        MemorySurface surface;
        ZelvaroApp app{surface, folder.path()};
    };

    static void SetUpTestSuite() {
        program_ = new Program;
        ASSERT_TRUE(program_->app.startUp());
        program_->app.database().appendRow("giocatori", {{"cognome", "Neri"},
                                                         {"nome", "Ada"},
                                                         {"nazionalita", "Italia"},
                                                         {"anno", 1990},
                                                         {"profilo", "1"},
                                                         {"cambiocarte", "0"},
                                                         {"aggressivita", "0"}});
    }
    static void TearDownTestSuite() {
        delete program_;
        program_ = nullptr;
    }
    void SetUp() override {
        surface().clearMessages();
        // Back at the menu whatever the last test left open.
        surface().setVisible(ctl::Frame3, false);
        surface().setVisible(ctl::Frame5, false);
        surface().setVisible(ctl::Picture1, false);
        surface().setEnabled(ctl::Timer1, false);
        for (Control c : kMenuLabels) surface().setEnabled(c, true);
    }

    static MemorySurface& surface() { return program_->surface; }
    static ZelvaroApp& app() { return program_->app; }
    static void setOption(const std::string& column, const std::string& value) {
        app().database().execute("UPDATE opzioni SET " + column + "='" + value + "'");
    }
    static int classificaRows() {
        return app().database().query("SELECT * FROM classifica").rows();
    }

    static Program* program_;
};

GameEntryTest::Program* GameEntryTest::program_ = nullptr;

TEST_F(GameEntryTest, TorneoRefusesTheGameTypesWithoutAGoal) {
    app().database().appendRow("classifica", {{"cognome", "Vecchio"},
                                              {"nome", "Torneo"},
                                              {"tavolo", "-"},
                                              {"punti", 40},
                                              {"eliminato", "1"},
                                              {"nazionalita", "Italia"}});
    for (const char* type : {"Partita Singola", "3 Vinte", "5 Vinte", "Chips"}) {
        setOption("punteggio", type);
        surface().clearMessages();
        app().click(ctl::Label35);
        ASSERT_EQ(surface().messages().size(), 1U) << type;
        EXPECT_EQ(surface().messages()[0].text,
                  "Il Torneo non puo' essere disputato in modalita' Partita Singola");
        EXPECT_FALSE(surface().visible(ctl::Frame3));
        for (Control c : kMenuLabels) EXPECT_TRUE(surface().enabled(c));
    }
    // The last tournament's standings stay until a tournament really opens.
    EXPECT_EQ(classificaRows(), 1);
    app().database().execute("DELETE FROM classifica ");
}

TEST_F(GameEntryTest, TorneoOpensTheProfilePanelAndSetsTheHandLimit) {
    setOption("punteggio", "50 Punti");
    setOption("limite", "Limite 10 Mani");
    app().database().appendRow("classifica", {{"cognome", "Vecchio"},
                                              {"nome", "Torneo"},
                                              {"tavolo", "-"},
                                              {"punti", 40},
                                              {"eliminato", "1"},
                                              {"nazionalita", "Italia"}});
    app().click(ctl::Label35);
    EXPECT_TRUE(surface().messages().empty());
    EXPECT_EQ(surface().caption(ctl::Label48), "Max 10 Mani al Termine");
    EXPECT_EQ(app().tournament().handsleft, 10);
    EXPECT_EQ(app().tournament().passesleft, 10);
    EXPECT_EQ(app().tournament().tournamentflag, 1);
    EXPECT_EQ(classificaRows(), 0);
    EXPECT_TRUE(surface().visible(ctl::Frame3));
    for (Control c : kMenuLabels) EXPECT_FALSE(surface().enabled(c));
    EXPECT_EQ(surface().caption(ctl::Combo5), "Italia");
    EXPECT_EQ(surface().caption(ctl::Combo6), "1980");
    setOption("limite", "Senza Limite");
}

TEST_F(GameEntryTest, AvantiInATournamentShowsItsRules) {
    setOption("punteggio", "100 Punti");
    app().click(ctl::Label35);
    ASSERT_EQ(surface().caption(ctl::Label22), "Neri Ada");
    app().click(ctl::Label21);
    EXPECT_TRUE(surface().visible(ctl::Frame5));
    EXPECT_EQ(surface().caption(ctl::Label38), kPointsRules);
    EXPECT_EQ(app().session().gamemode, "Torneo");
    EXPECT_EQ(app().tournament().fieldsize, 1536);
    for (Control c : {ctl::Label40, ctl::Label41, ctl::Label42, ctl::Label43, ctl::Label44,
                      ctl::Label45, ctl::Combo7}) {
        EXPECT_TRUE(surface().visible(c));
    }
    EXPECT_FALSE(surface().visible(ctl::Picture1));

    // "Indietro" closes both panels and gives the menu back.
    app().click(ctl::Label37);
    EXPECT_FALSE(surface().visible(ctl::Frame5));
    EXPECT_FALSE(surface().visible(ctl::Frame3));
    for (Control c : kMenuLabels) EXPECT_TRUE(surface().enabled(c));
}

TEST_F(GameEntryTest, TournamentRulesOfThePotAndEliminationTypes) {
    setOption("punteggio", "Piatto 2000");
    app().click(ctl::Label35);
    app().click(ctl::Label21);
    EXPECT_EQ(surface().caption(ctl::Label38), kPointsRules);
    app().click(ctl::Label37);

    setOption("punteggio", "Eliminazione 25");
    app().click(ctl::Label35);
    app().click(ctl::Label21);
    EXPECT_EQ(surface().caption(ctl::Label38), kEliminationRules);
    app().click(ctl::Label37);
}

TEST_F(GameEntryTest, AvantiWithoutASelectedProfileDoesNothing) {
    app().click(ctl::Label2);
    surface().setCaption(ctl::Label22, "");
    app().click(ctl::Label21);
    EXPECT_TRUE(surface().visible(ctl::Frame3));
    EXPECT_FALSE(surface().visible(ctl::Picture1));
    EXPECT_TRUE(surface().messages().empty());
    app().click(ctl::Label9);
    EXPECT_FALSE(surface().visible(ctl::Frame3));
    for (Control c : kMenuLabels) EXPECT_TRUE(surface().enabled(c));
}

TEST_F(GameEntryTest, SingleGameSeatsTheHumanAndFiveDifferentOpponents) {
    setOption("punteggio", "25 Punti");
    surface().setCaption(ctl::Label48, "Max 10 Mani al Termine");
    surface().setCaption(ctl::Label47, "1* Turno");
    surface().setVisible(ctl::Label52, true);
    app().click(ctl::Label2);
    EXPECT_EQ(surface().caption(ctl::Label48), "");
    EXPECT_EQ(surface().caption(ctl::Label47), "");
    EXPECT_FALSE(surface().visible(ctl::Label52));
    EXPECT_EQ(app().tournament().tournamentflag, 0);
    app().click(ctl::Label21);

    const GameSession& session = app().session();
    EXPECT_TRUE(surface().visible(ctl::Picture1));
    EXPECT_FALSE(surface().visible(ctl::Frame3));
    EXPECT_TRUE(surface().enabled(ctl::Timer1));
    EXPECT_EQ(surface().interval(ctl::Timer1), 100);
    EXPECT_EQ(session.gamemode, "Partita");
    EXPECT_EQ(surface().caption(ctl::Label4), "Neri Ada");
    EXPECT_EQ(session.seatstats[0].surname, "Neri");
    std::set<std::string> names{"Neri Ada"};
    for (int slot = 0; slot < kSeats - 1; ++slot) {
        EXPECT_EQ(session.opponents[slot].profilo, "0");
        EXPECT_EQ(session.seatstats[slot + 1].surname, session.opponents[slot].cognome);
        names.insert(session.opponents[slot].displayName());
    }
    EXPECT_EQ(names.size(), 6U);
    EXPECT_GE(session.trickleader, 0);
    EXPECT_LT(session.trickleader, kSeats);
    EXPECT_EQ(session.turnseat, session.trickleader);
    for (Control c : {ctl::Label40, ctl::Label43, ctl::Combo7}) EXPECT_FALSE(surface().visible(c));
    // The menu beneath the table is enabled again, ready for the end of the match.
    for (Control c : kMenuLabels) EXPECT_TRUE(surface().enabled(c));
}

// "Continua" says what it goes on with: the game type and every seat's surname with its score,
// in seat order, as the game it brings back has them, each time the game is left anew.
TEST_F(GameEntryTest, TheSavedGamesLineNamesEverySeatWithTheScoreItGoesOnFrom) {
    setOption("punteggio", "Chips");  // it never ends by itself
    app().click(ctl::Label2);
    if (hasCheckpoint(app().database())) surface().scriptAnswers({MessageAnswer::Yes});
    app().click(ctl::Label21);
    std::string lastLine;
    for (int leg = 0; leg < 3; ++leg) {
        SCOPED_TRACE("left " + std::to_string(leg + 1) + " times");
        const long first = app().engine().handsPlayed();
        for (int tick = 0; tick < 20000 && app().engine().handsPlayed() - first < 3; ++tick) {
            playHumanTurn(app(), surface());
            app().timerTick(ctl::Timer1);
        }
        surface().scriptAnswers({MessageAnswer::Yes});
        app().click(ctl::Label18);
        ASSERT_TRUE(surface().visible(ctl::ContinueEntry));
        const std::string line = surface().caption(ctl::ContinueDescription);
        app().click(ctl::ContinueEntry);
        ASSERT_TRUE(surface().visible(ctl::Picture1));
        std::string seats;
        for (const SeatStats& seat : app().session().seatstats) {
            seats += (seats.empty() ? "" : ", ") + seat.surname + " " + std::to_string(seat.score);
        }
        EXPECT_EQ(line, "Partita Chips \u00b7 " + seats);
        EXPECT_NE(line, lastLine);  // the scores moved since the last time
        lastLine = line;
    }
    surface().scriptAnswers({MessageAnswer::Yes});
    app().click(ctl::Label18);
    removeCheckpoint(app().database());
}

TEST_F(GameEntryTest, ANewGameOpensWithNoWinnerLitFromTheGameLeft) {
    const auto litNames = [] {
        std::string lit;
        for (const Control name :
             {Control(ctl::Label4), Control(ctl::Label6[0]), Control(ctl::Label6[1]),
              Control(ctl::Label6[2]), Control(ctl::Label6[3]), Control(ctl::Label6[4])}) {
            if (surface().foreColor(name) == kHighlightColor) lit += objectName(name) + " ";
        }
        return lit;
    };
    const auto startNew = [] {
        app().click(ctl::Label2);
        if (hasCheckpoint(app().database())) surface().scriptAnswers({MessageAnswer::Yes});
        app().click(ctl::Label21);
    };
    setOption("punteggio", "50 Punti");
    startNew();
    // Left while a full trick is held, its winner lit.
    for (int tick = 0; tick < 20000 && litNames().empty(); ++tick) {
        playHumanTurn(app(), surface());
        app().timerTick(ctl::Timer1);
    }
    ASSERT_FALSE(litNames().empty());
    surface().scriptAnswers({MessageAnswer::Yes});
    app().click(ctl::Label18);
    startNew();
    ASSERT_TRUE(surface().visible(ctl::Picture1));
    EXPECT_EQ(litNames(), "");
    surface().scriptAnswers({MessageAnswer::Yes});
    app().click(ctl::Label18);
    removeCheckpoint(app().database());
}

}  // namespace
}  // namespace zelvaro
