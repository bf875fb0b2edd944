// A match or tournament saved at a hand's start and continued in a fresh program, from a copy
// of the file alone, ends exactly as the same one played without a stop: the same field,
// standings, scores, cards and draws, whatever hand it stopped at.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "primitives/StateRecord.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/HumanPolicy.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

constexpr const char* kProfile = "Ripresa Ada";
constexpr const char* kDropQuestion = "C'è una partita in corso: vuoi abbandonarla?";

// One run of the program on a folder of its own.
struct Program {
    explicit Program(const fs::path& folder) : app(surface, folder) {
        if (!app.startUp()) throw std::runtime_error("no start");
    }
    MemorySurface surface;
    ZelvaroApp app;
};

void useOptions(Database& db, const std::string& type, const std::string& limit) {
    db.appendRow("giocatori", {{"cognome", "Ripresa"}, {"nome", "Ada"}, {"nazionalita", "Italia"},
                               {"anno", 1980}, {"profilo", "1"}, {"cambiocarte", "0"}, {"aggressivita", "0"}});
    db.execute("UPDATE opzioni SET punteggio=?", {type});
    db.execute("UPDATE opzioni SET limite=?", {limit});
}

// Everything a finished run leaves: the field, the standings, the stored number, the seats'
// scores and cards, the draws made and the last message.
std::string outcomeOf(ZelvaroApp& app, const MemorySurface& surface) {
    std::string out;
    for (const char* table : {"torneo", "classifica", "temp"}) {
        const ResultSet rs = app.database().query(std::string("SELECT * FROM ") + table + " ORDER BY rowid");
        for (int r = 0; r < rs.rows(); ++r) {
            for (int c = 0; c < rs.columnCount(); ++c) out += rs.at(c, r).text() + "|";
            out += "\n";
        }
    }
    for (const SeatStats& seat : app.session().seatstats) out += seat.surname + " " + std::to_string(seat.score) + "\n";
    for (const Hand& hand : app.session().hands) {
        for (const Card card : hand) out += std::to_string(card.value) + card.suit;
    }
    out += "\ndraws " + std::to_string(app.random().drawsMade()) + "\n";
    for (auto m = surface.messages().rbegin(); m != surface.messages().rend(); ++m) {
        if (m->text != kDropQuestion) return out + m->text;
    }
    return out;
}

// Where a run stops, looked at after every tick; never, for the run played through.
using StopAt = std::function<bool(ZelvaroApp&, const MemorySurface&)>;

// A copy of the file as a stop leaves it: the database and its log, nothing else.
void copyTheFile(const fs::path& from, const fs::path& to) {
    for (const char* suffix : {"", "-wal"}) {
        const fs::path file = from / (std::string(Database::kFileName) + suffix);
        if (fs::exists(file)) fs::copy_file(file, to / (std::string(Database::kFileName) + suffix));
    }
}

struct TournamentCase {
    const char* type;
    const char* limit;
    const char* where;
    StopAt stop;
};

// Plays a tournament to its end for the player; with `stop`, only until it says so, and
// then on from a copy of the file in a fresh program.
std::string playTournament(const TournamentCase& run, bool stopping) {
    TempFolder first;
    std::string outcome;
    {
        Program program(first.path());
        useOptions(program.app.database(), run.type, run.limit);
        TournamentDriver driver(program.app, program.surface);
        // The program stops between two ticks, as a closed window or a killed process does.
        struct Stopped {};
        driver.beforeEveryTick([&](Control) {
            if (stopping && run.stop(program.app, program.surface)) throw Stopped{};
        });
        try {
            EXPECT_TRUE(driver.start(kProfile));
            while (driver.playRound()) {
            }
            return outcomeOf(program.app, program.surface);
        } catch (const Stopped&) {
        }
    }
    TempFolder second;
    copyTheFile(first.path(), second.path());
    Program program(second.path());
    EXPECT_TRUE(program.surface.visible(ctl::Label76)) << run.where;
    program.app.click(ctl::Label76);
    EXPECT_TRUE(program.surface.visible(ctl::Picture1)) << run.where;
    TournamentDriver driver(program.app, program.surface);
    while (driver.playRound()) {
    }
    EXPECT_FALSE(hasCheckpoint(program.app.database())) << run.where << ": the end leaves nothing saved";
    return outcomeOf(program.app, program.surface);
}

bool handsPlayed(ZelvaroApp& app, long hands) { return app.engine().handsPlayed() >= hands; }

TEST(ContinueTest, ATournamentContinuedFromAnyHandEndsAsIfItNeverStopped) {
    const TournamentCase cases[] = {
        {"50 Punti", "Senza Limite", "the first hand", [](ZelvaroApp& a, const MemorySurface&) { return handsPlayed(a, 0) && a.engine().running(); }},
        {"50 Punti", "Senza Limite", "mid-round", [](ZelvaroApp& a, const MemorySurface&) { return handsPlayed(a, 4); }},
        {"50 Punti", "Senza Limite", "the hand that ends his match",
         [](ZelvaroApp&, const MemorySurface& s) { return s.visible(ctl::Frame6); }},
        {"50 Punti", "Senza Limite", "a new round", [](ZelvaroApp& a, const MemorySurface&) { return a.tournament().roundnumber >= 2; }},
        {"Eliminazione 25", "Limite 10 Mani", "mid-round", [](ZelvaroApp& a, const MemorySurface&) { return handsPlayed(a, 3); }},
        {"Piatto 500", "Limite 20 Mani", "mid-round", [](ZelvaroApp& a, const MemorySurface&) { return handsPlayed(a, 6); }},
    };
    std::map<std::string, std::string> through;
    for (const TournamentCase& run : cases) {
        SCOPED_TRACE(std::string(run.type) + ", stopped at " + run.where);
        // One run played through for each kind of tournament.
        const std::string kind = std::string(run.type) + run.limit;
        if (!through.count(kind)) through[kind] = playTournament(run, false);
        EXPECT_EQ(playTournament(run, true), through[kind]);
    }
}

// Every entrant once: the field and those out of it, 1536 different names.
void expectEveryEntrantOnce(Database& db) {
    const ResultSet rows = db.query(
        "SELECT count(*), count(DISTINCT cognome || '|' || nome) FROM (SELECT cognome, nome FROM torneo "
        "UNION ALL SELECT cognome, nome FROM classifica WHERE eliminato='1')");
    EXPECT_EQ(rows.at(0, 0).integer(), 1536);
    EXPECT_EQ(rows.at(1, 0).integer(), 1536);
}

TEST(ContinueTest, ATournamentKilledAtRandomMomentsGoesOnToTheSameEnd) {
    const std::string through = playTournament({"50 Punti", "Limite 10 Mani", "never", {}}, false);
    std::mt19937 draw(20261209);
    int continued = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        TempFolder folder;
        const pid_t child = ::fork();
        if (child == 0) {
            // The player's program, killed whenever the parent says.
            Program program(folder.path());
            useOptions(program.app.database(), "50 Punti", "Limite 10 Mani");
            TournamentDriver driver(program.app, program.surface);
            driver.start(kProfile);
            while (driver.playRound()) {
            }
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(150, 900)(draw)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        SCOPED_TRACE("attempt " + std::to_string(attempt));
        Program program(folder.path());
        if (!program.surface.visible(ctl::Label76)) continue;  // killed before the first hand or after the end
        program.app.click(ctl::Label76);
        ASSERT_TRUE(program.surface.visible(ctl::Picture1));
        expectEveryEntrantOnce(program.app.database());
        TournamentDriver driver(program.app, program.surface);
        while (driver.playRound()) {
        }
        EXPECT_EQ(outcomeOf(program.app, program.surface), through);
        ++continued;
    }
    EXPECT_GT(continued, 0) << "no kill fell inside the tournament";
}

struct GameCase {
    const char* type;
    long stopAfterHands;
};

std::string playSingleGame(const GameCase& run, bool stopping) {
    constexpr long kChipsHands = 12;  // a "Chips" match never ends by itself
    TempFolder first;
    // `handsBefore`: played by an earlier program, since the engine counts its own.
    const auto playOn = [&](Program& program, bool mayStop, long handsBefore) {
        ZelvaroApp& app = program.app;
        while (program.surface.enabled(ctl::Timer1)) {
            if (mayStop && app.engine().handsPlayed() >= run.stopAfterHands) return false;
            playHumanTurn(app, program.surface);
            app.timerTick(ctl::Timer1);
            if (std::string(run.type) == "Chips" && handsBefore + app.engine().handsPlayed() >= kChipsHands) break;
        }
        return true;
    };
    {
        Program program(first.path());
        useOptions(program.app.database(), run.type, "Senza Limite");
        program.app.click(ctl::Label2);
        pickProfile(program.app, program.surface, kProfile);
        program.app.click(ctl::Label21);
        if (playOn(program, stopping, 0)) return outcomeOf(program.app, program.surface);
    }
    TempFolder second;
    copyTheFile(first.path(), second.path());
    Program program(second.path());
    program.app.click(ctl::Label76);
    playOn(program, false, run.stopAfterHands);
    return outcomeOf(program.app, program.surface);
}

TEST(ContinueTest, ASingleGameOfEachFamilyContinuedEndsAsIfItNeverStopped) {
    const GameCase cases[] = {{"25 Punti", 2}, {"3 Vinte", 1}, {"Chips", 5}, {"Eliminazione 25", 2}, {"Piatto 500", 3}};
    for (const GameCase& run : cases) {
        SCOPED_TRACE(run.type);
        const std::string through = playSingleGame(run, false);
        EXPECT_EQ(playSingleGame(run, true), through);
    }
}

// Everything of the file but the saved game.
std::string fileWithoutTheSavedGame(Database& db) {
    std::string out;
    for (const char* table : {"torneo", "classifica", "giocatori", "temp", "opzioni", "nazioni"}) {
        const ResultSet rs = db.query(std::string("SELECT * FROM ") + table + " ORDER BY rowid");
        for (int r = 0; r < rs.rows(); ++r) {
            for (int c = 0; c < rs.columnCount(); ++c) out += rs.at(c, r).text() + "|";
        }
    }
    return out;
}

TEST(ContinueTest, ASavedGameThatCannotBeContinuedIsToldRemovedAndTouchesNothingElse) {
    const std::string damaged =
        "La partita salvata non può essere ripresa: è danneggiata o di un'altra versione di Zelvaro, e verrà eliminata.";
    struct Case {
        const char* what;
        std::function<void(Database&)> spoil;
        std::string message;
    };
    const auto editState = [](Database& db, const std::function<void(std::string&)>& edit) {
        std::string state = db.query("SELECT stato FROM salvataggio").at(0, 0).text();
        edit(state);
        db.execute("UPDATE salvataggio SET stato=?", {state});
    };
    const Case cases[] = {
        {"a byte gone bad", [&](Database& db) { editState(db, [](std::string& s) { s[s.size() / 2] ^= 0x20; }); }, damaged},
        {"a score edited by hand", [&](Database& db) { editState(db, [](std::string& s) {
             const std::size_t at = s.find("\n0\n", s.size() / 3);
             s[at + 1] = '9';
         }); }, damaged},
        {"cut short", [&](Database& db) { editState(db, [](std::string& s) { s.resize(s.size() / 2); }); }, damaged},
        {"of a newer version", [&](Database& db) { editState(db, [](std::string& s) {
             // A record of the next version, well formed and with its check.
             StateWriter next(2);
             next.text(s);
             s = next.finish();
         }); }, damaged},
        {"the player's profile deleted",
         [](Database& db) { db.execute("DELETE FROM giocatori WHERE cognome='Ripresa' and profilo='1'"); },
         "La partita salvata non può essere ripresa perché il profilo Ripresa Ada non esiste più: verrà eliminata."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        {
            Program program(folder.path());
            useOptions(program.app.database(), "25 Punti", "Senza Limite");
            program.app.click(ctl::Label2);
            pickProfile(program.app, program.surface, kProfile);
            program.app.click(ctl::Label21);
            ASSERT_TRUE(hasCheckpoint(program.app.database()));
            c.spoil(program.app.database());
        }
        Program program(folder.path());
        Database& db = program.app.database();
        ASSERT_TRUE(program.surface.visible(ctl::Label76));
        const std::string before = fileWithoutTheSavedGame(db);
        program.surface.clearMessages();
        program.app.click(ctl::Label76);
        ASSERT_EQ(program.surface.messages().size(), 1U);
        EXPECT_EQ(program.surface.messages()[0].text, c.message);
        EXPECT_FALSE(program.surface.visible(ctl::Picture1));
        EXPECT_FALSE(hasCheckpoint(db));
        EXPECT_FALSE(program.surface.visible(ctl::Label76));
        EXPECT_EQ(fileWithoutTheSavedGame(db), before);
    }
}

TEST(ContinueTest, DeletingTheProfileOfASavedGameAsksFirstAndTakesBothAway) {
    TempFolder folder;
    Program program(folder.path());
    ZelvaroApp& app = program.app;
    Database& db = app.database();
    useOptions(db, "25 Punti", "Senza Limite");
    db.appendRow("giocatori", {{"cognome", "Altro"}, {"nome", "Ugo"}, {"nazionalita", "Italia"}, {"anno", 1970},
                               {"profilo", "1"}, {"cambiocarte", "0"}, {"aggressivita", "0"}});
    app.click(ctl::Label2);
    pickProfile(app, program.surface, kProfile);
    app.click(ctl::Label21);
    program.surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label18);  // left: the game stays saved
    ASSERT_TRUE(hasCheckpoint(db));

    const std::string itsGame =
        "Questo profilo ha una partita in corso, che andrà persa: vuoi davvero eliminarlo?";
    const struct {
        const char* profile;
        MessageAnswer answer;
        std::string question;
        bool savedAfter, profileAfter;
    } steps[] = {
        {"Altro Ugo", MessageAnswer::Yes, "Vuoi davvero eliminare questo profilo? ", true, false},
        {"Ripresa Ada", MessageAnswer::No, itsGame, true, true},
        {"Ripresa Ada", MessageAnswer::Yes, itsGame, false, false},
    };
    app.click(ctl::Label2);  // the panel opens with the game still saved
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.profile) + (step.answer == MessageAnswer::Yes ? ", Sì" : ", No"));
        pickProfile(app, program.surface, step.profile);
        program.surface.clearMessages();
        program.surface.scriptAnswers({step.answer});
        app.click(ctl::Label27);
        ASSERT_EQ(program.surface.messages().size(), 1U);
        EXPECT_EQ(program.surface.messages()[0].text, step.question);
        EXPECT_EQ(hasCheckpoint(db), step.savedAfter);
        const std::string surname = std::string(step.profile).substr(0, std::string(step.profile).find(' '));
        EXPECT_EQ(db.query("SELECT * FROM giocatori where cognome=? and profilo='1'", {surname}).empty(),
                  !step.profileAfter);
    }
}

}  // namespace
}  // namespace zelvaro
