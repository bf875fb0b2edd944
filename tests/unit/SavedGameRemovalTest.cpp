// A saved game that cannot be taken up, or whose profile is deleted, is told and taken away.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/SessionRecord.h"
#include "front/MatchCheckpoint.h"
#include "primitives/StateRecord.h"
#include "store/CheckpointStore.h"
#include "tests/unit/ContinueSupport.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

using continuetest::Program;
using continuetest::rowsOf;
using continuetest::startSingleGame;
using continuetest::useOptions;
using testsupport::TempFolder;

TEST(ContinueTest, ASavedGameThatCannotBeContinuedIsToldRemovedAndTouchesNothingElse) {
    const std::string damaged =
        "La partita salvata non può essere ripresa: è danneggiata o di un'altra versione di "
        "Zelvaro, e verrà eliminata.";
    using Edit = std::function<void(Database&, std::string&)>;
    // A statement on the saved copies of a tournament's field and standings.
    const auto onTheField = [](const char* sql) {
        return [sql](Database& db, std::string&) { db.execute(sql); };
    };
    const struct {
        const char* what;
        bool tournament;
        Edit edit;  // of the saved state and its copies
        std::string message;
    } cases[] = {
        {"a score edited by hand", false,
         [](Database&, std::string& s) { s[s.find("\n0\n", s.size() / 3) + 1] = '9'; }, damaged},
        {"cut short", false, [](Database&, std::string& s) { s.resize(s.size() / 2); }, damaged},
        {"of a newer version, well formed", false,
         [](Database&, std::string& s) {
             StateWriter next(kSavedGameVersion + 1);
             next.text(s);
             s = next.finish();
         },
         damaged},
        {"written with other controls in the window", false,
         [](Database&, std::string& s) {
             SavedGame game = readSavedGame(s);
             game.window.controls ^= 1;
             s = writeSavedGame(game);
         },
         damaged},
        {"the player's profile deleted", false,
         [](Database& db, std::string&) {
             db.execute("DELETE FROM giocatori WHERE cognome='Ripresa' and profilo='1'");
         },
         "La partita salvata non può essere ripresa perché il profilo Ripresa Ada non esiste più: "
         "verrà eliminata."},
        {"the field emptied", true, onTheField("DELETE FROM torneo"), damaged},
        {"every row of the field twice", true,
         onTheField("INSERT INTO torneo SELECT * FROM torneo"), damaged},
        {"an entrant twice in place of another", true,
         onTheField("UPDATE torneo SET cognome=(SELECT cognome FROM torneo WHERE rowid=1), "
                    "nome=(SELECT nome FROM torneo WHERE rowid=1) WHERE rowid=2"),
         damaged},
        {"the player gone from the field", true,
         onTheField("UPDATE torneo SET cognome='Nessuno' WHERE cognome='Ripresa'"), damaged},
        {"a table of five beside one of seven", true,
         onTheField("UPDATE torneo SET tavolo=2 WHERE rowid=(SELECT min(rowid) FROM torneo WHERE "
                    "tavolo=1)"),
         damaged},
        {"an entrant both in the field and out", true,
         onTheField("INSERT INTO classifica SELECT cognome, nome, '-', punti, 1, nazionalita FROM "
                    "torneo LIMIT 1"),
         damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        {
            Program program(folder.path());
            Database& db = program.app.database();
            if (c.tournament) {
                useOptions(db, "25 Punti", "Senza Limite");
                TournamentDriver driver(program.app, program.surface);
                ASSERT_TRUE(driver.start("Ripresa Ada"));
            } else {
                startSingleGame(program, "25 Punti");
            }
            // Left, so that the edits below are the file's.
            program.app.checkpoint().leave();
            ASSERT_TRUE(hasCheckpoint(db));
            std::string state = db.query("SELECT stato FROM salvataggio").at(0, 0).text();
            c.edit(db, state);
            db.execute("UPDATE salvataggio SET stato=?", {state});
        }
        // All of the file but the saved game, with the stored number the start moved on from it.
        Program program(folder.path());
        Database& db = program.app.database();
        const auto rest = [&] {
            return rowsOf(db, {"torneo", "classifica", "giocatori", "temp", "opzioni", "nazioni"});
        };
        ASSERT_TRUE(program.surface.visible(ctl::ContinueEntry));
        const std::string before = rest();
        program.surface.clearMessages();
        program.app.click(ctl::ContinueEntry);
        ASSERT_EQ(program.surface.messages().size(), 1U);
        EXPECT_EQ(program.surface.messages()[0].text, c.message);
        EXPECT_FALSE(program.surface.visible(ctl::Picture1));
        EXPECT_FALSE(program.surface.visible(ctl::ContinueEntry));
        EXPECT_FALSE(hasCheckpoint(db));
        EXPECT_EQ(rest(), before);
    }
}

TEST(ContinueTest, DeletingTheProfileOfASavedGameAsksFirstAndTakesBothAway) {
    TempFolder folder;
    Program program(folder.path());
    Database& db = program.app.database();
    startSingleGame(program, "25 Punti");
    db.appendRow("giocatori", {{"cognome", "Altro"},
                               {"nome", "Ugo"},
                               {"nazionalita", "Italia"},
                               {"anno", 1970},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
    program.surface.scriptAnswers({MessageAnswer::Yes});
    program.app.click(ctl::Label18);  // left: the game stays saved
    ASSERT_TRUE(hasCheckpoint(db));
    program.app.click(ctl::Label2);
    const std::string itsGame =
        "Questo profilo ha una partita in corso, che andrà persa: vuoi davvero eliminarlo?";
    const struct {
        const char *surname, *firstName;
        MessageAnswer answer;
        std::string question;
        bool savedAfter, profileAfter;
    } steps[] = {{"Altro", "Ugo", MessageAnswer::Yes, "Vuoi davvero eliminare questo profilo? ",
                  true, false},
                 {"Ripresa", "Ada", MessageAnswer::No, itsGame, true, true},
                 {"Ripresa", "Ada", MessageAnswer::Yes, itsGame, false, false}};
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.surname) +
                     (step.answer == MessageAnswer::Yes ? ", Sì" : ", No"));
        pickProfile(program.app, program.surface, std::string(step.surname) + " " + step.firstName);
        program.surface.clearMessages();
        program.surface.scriptAnswers({step.answer});
        program.app.click(ctl::Label27);
        ASSERT_EQ(program.surface.messages().size(), 1U);
        EXPECT_EQ(program.surface.messages()[0].text, step.question);
        EXPECT_EQ(hasCheckpoint(db), step.savedAfter);
        EXPECT_EQ(
            db.query("SELECT * FROM giocatori where cognome=? and profilo='1'", {step.surname})
                .empty(),
            !step.profileAfter);
    }
}

}  // namespace
}  // namespace zelvaro
