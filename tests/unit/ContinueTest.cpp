// A match or tournament saved at a hand's start and continued in a fresh program, from a copy
// of the file alone, ends exactly as the same one played without a stop: the same field,
// standings, scores, cards and draws, whatever hand it stopped at.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/GameSession.h"
#include "engine/HeadlessClock.h"
#include "engine/SessionRecord.h"
#include "front/MatchCheckpoint.h"
#include "primitives/Random.h"
#include "primitives/StateRecord.h"
#include "store/CheckpointStore.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

// One run of the program on a folder of its own.
struct Program {
    explicit Program(const fs::path& folder) : app(surface, folder) {
        if (!app.startUp()) throw std::runtime_error("no start");
    }
    MemorySurface surface;
    ZelvaroApp app;
};

void useOptions(Database& db, const std::string& type, const std::string& limit) {
    db.appendRow("giocatori", {{"cognome", "Ripresa"},
                               {"nome", "Ada"},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
    db.execute("UPDATE opzioni SET punteggio=?", {type});
    db.execute("UPDATE opzioni SET limite=?", {limit});
}

// "Partita" for Ripresa Ada: the first hand is dealt and saved.
void startSingleGame(Program& program, const std::string& type) {
    useOptions(program.app.database(), type, "Senza Limite");
    program.app.click(ctl::Label2);
    pickProfile(program.app, program.surface, "Ripresa Ada");
    program.app.click(ctl::Label21);
}

// The rows of `tables`, one line a row.
std::string rowsOf(Database& db, std::initializer_list<const char*> tables) {
    std::string out;
    for (const char* table : tables) {
        const ResultSet rs = db.query(std::string("SELECT * FROM ") + table + " ORDER BY rowid");
        for (int r = 0; r < rs.rows(); ++r) {
            for (int c = 0; c < rs.columnCount(); ++c) out += rs.at(c, r).text() + "|";
            out += "\n";
        }
    }
    return out;
}

// Everything a finished run leaves: the field, the standings, the stored number, the seats'
// scores and cards, the draws made and the last message.
std::string outcomeOf(Program& program) {
    ZelvaroApp& app = program.app;
    std::string out = rowsOf(app.database(), {"torneo", "classifica", "temp"});
    for (const SeatStats& seat : app.session().seatstats)
        out += seat.surname + " " + std::to_string(seat.score) + "\n";
    for (const Hand& hand : app.session().hands) {
        for (const Card card : hand) out += std::to_string(card.value) + card.suit;
    }
    out += "\ndraws " + std::to_string(app.random().drawsMade()) + "\n";
    for (auto m = program.surface.messages().rbegin(); m != program.surface.messages().rend();
         ++m) {
        if (m->text != "C'è una partita in corso: vuoi abbandonarla?") return out + m->text;
    }
    return out;
}

// A copy of the file as a stop leaves it: the database and its log, nothing else.
std::unique_ptr<TempFolder> copyOfTheFile(const fs::path& from) {
    auto to = std::make_unique<TempFolder>();
    for (const std::string& name :
         {std::string(Database::kFileName), std::string(Database::kFileName) + "-wal"}) {
        if (fs::exists(from / name)) fs::copy_file(from / name, to->path() / name);
    }
    return to;
}

struct Game {
    const char* type;
    const char* limit = nullptr;
};  // no limit: a single game
// Where a program stops, between two ticks as a closed window or a killed process does;
// looked at before every tick, with the hands that program has played.
using StopAt = std::function<bool(Program&)>;

// The saved game's record as the file holds it.
std::string savedRecord(Database& db) {
    const ResultSet rows = db.query("SELECT stato FROM salvataggio");
    return rows.empty() ? std::string() : rows.at(0, 0).text();
}

// Plays `game` to its end, a "Chips" game, which never ends by itself, to its 12th hand: from its
// start, in `first` or a new folder, or with `saved` from the game saved in `first` ("" when none
// is). At each of `stops` in turn the program's window is closed and a fresh program goes on
// from a copy of the file: it takes up the very moment, the record it saves at once the same
// to the byte as the one the closed program left.
std::string play(const Game& game, const std::vector<StopAt>& stops = {},
                 const fs::path& first = {}, bool saved = false) {
    struct Stopped {};
    struct Ended {};
    auto copy = first.empty() ? std::make_unique<TempFolder>() : nullptr;
    long hands = 0;    // played by the programs stopped so far: each engine counts only its own
    std::string left;  // the record the last closed program left
    for (std::size_t next = 0;; ++next) {
        try {
            Program program(copy ? copy->path() : first);
            ZelvaroApp& app = program.app;
            TournamentDriver driver(app, program.surface);
            const auto stopWhenDue = [&] {
                if (next < stops.size() && stops[next](program)) {
                    hands += app.engine().handsPlayed();
                    app.checkpoint().leave();
                    left = savedRecord(app.database());
                    app.shutDown();
                    throw Stopped{};
                }
            };
            driver.beforeEveryMove(stopWhenDue);
            driver.beforeEveryTick([&](Control) {
                stopWhenDue();
                if (std::string(game.type) == "Chips" && hands + app.engine().handsPlayed() >= 12)
                    throw Ended{};
            });
            if (saved || next > 0) {
                if (!program.surface.visible(ctl::ContinueEntry)) return "";
                app.click(ctl::ContinueEntry);
                if (next > 0) {
                    app.checkpoint().saveNow();
                    EXPECT_EQ(savedRecord(app.database()), left)
                        << "continued at stop " << next - 1;
                }
            } else if (game.limit) {
                useOptions(app.database(), game.type, game.limit);
                EXPECT_TRUE(driver.start("Ripresa Ada"));
            } else {
                startSingleGame(program, game.type);
            }
            try {
                while (driver.playRound()) {
                }
                EXPECT_FALSE(hasCheckpoint(app.database())) << "the end leaves nothing saved";
            } catch (const Ended&) {
            }
            EXPECT_EQ(next, stops.size()) << "the game ended before stop " << next;
            return outcomeOf(program);
        } catch (const Stopped&) {
        }
        copy = copyOfTheFile(copy ? copy->path() : first);
    }
}

TEST(ContinueTest, AGameStoppedAtSeveralMomentsEndsAsIfItNeverStopped) {
    const StopAt firstHand = [](Program& p) { return p.app.engine().running(); };
    const auto handsOn = [](long n) {
        return [n](Program& p) { return p.app.engine().handsPlayed() >= n; };
    };
    // A moment of the table's, from the program's `hands`-th hand on.
    const auto when = [](long hands,
                         std::function<bool(const GameSession&, const Surface&)> moment) {
        return [hands, moment](Program& p) {
            return p.app.engine().handsPlayed() >= hands && p.app.engine().running() &&
                   moment(p.app.session(), p.surface);
        };
    };
    const StopAt changeQuestion =
        when(0, [](const GameSession&, const Surface& s) { return s.visible(ctl::Command1); });
    const StopAt midTrick = when(1, [](const GameSession& g, const Surface&) {
        return g.trick[1].isReal() && g.trick[kSeats - 1].empty();
    });
    const StopAt heldTrick =
        when(1, [](const GameSession& g, const Surface&) { return !g.trick[kSeats - 1].empty(); });
    const StopAt lastTrick = when(0, [](const GameSession& g, const Surface&) {
        return g.seatsHoldingCards() <= 2 && g.trick[0].isReal();
    });
    const std::vector<StopAt> inAGame = {changeQuestion, midTrick, heldTrick, lastTrick};
    const std::vector<StopAt> inATournament = {
        firstHand,
        heldTrick,
        handsOn(3),
        [](Program& p) { return p.surface.visible(ctl::Frame6); },  // his match over
        [](Program& p) { return p.app.tournament().roundnumber >= 2; },
        midTrick};
    for (const Game& game :
         {Game{"25 Punti"}, Game{"3 Vinte"}, Game{"Chips"}, Game{"Eliminazione 25"},
          Game{"Piatto 500"}, Game{"50 Punti", "Senza Limite"},
          Game{"Eliminazione 25", "Limite 10 Mani"}, Game{"Piatto 500", "Limite 20 Mani"}}) {
        SCOPED_TRACE(std::string(game.type) + (game.limit ? " tournament" : ""));
        EXPECT_EQ(play(game, game.limit ? inATournament : inAGame), play(game));
    }
}

// Two cards marked at the change question, the window closed: continued, "Cambia Carte" gives
// those two.
TEST(ContinueTest, MarksMadeAtTheChangeQuestionAreTakenUpWithIt) {
    TempFolder folder;
    Hand marked{};
    {
        Program program(folder.path());
        startSingleGame(program, "25 Punti");
        HeadlessClock clock(program.surface, [&](Control t) { program.app.timerTick(t); });
        for (int ticks = 0; !program.surface.visible(ctl::Command1) && ticks < 10000; ++ticks)
            clock.fireNext();
        ASSERT_TRUE(program.surface.visible(ctl::Command1));
        program.app.click(ctl::Picture2[0]);
        program.app.click(ctl::Picture2[2]);
        marked = program.app.session().hands[kHumanSeat];
        program.app.shutDown();
    }
    Program program(folder.path());
    program.app.click(ctl::ContinueEntry);
    ASSERT_TRUE(program.surface.visible(ctl::Command1));
    program.app.click(ctl::Command1);
    EXPECT_FALSE(program.surface.visible(ctl::TableHint))
        << program.surface.caption(ctl::TableHint);
    EXPECT_FALSE(program.surface.visible(ctl::Command1));
    // The two marked cards went to the pile: of the hand, only the others are still held.
    const Hand& now = program.app.session().hands[kHumanSeat];
    for (const int gone : {0, 2}) {
        const Card card = marked[gone];
        const auto held = [&](const Hand& hand) {
            return std::count(hand.begin(), hand.end(), card);
        };
        EXPECT_EQ(held(now), held(marked) - 1) << card.value << card.suit;
    }
}

TEST(ContinueTest, ATournamentKilledAtRandomMomentsGoesOnToTheSameEnd) {
    const Game game{"50 Punti", "Limite 10 Mani"};
    const std::string through = play(game);
    std::mt19937 draw(20261209);
    int continued = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        SCOPED_TRACE("attempt " + std::to_string(attempt));
        TempFolder folder;
        const pid_t child = ::fork();
        if (child == 0) {  // the player's program, killed whenever the parent says
            play(game, {}, folder.path());
            ::_exit(0);
        }
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(150, 900)(draw)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string outcome = play(game, {}, folder.path(), true);
        if (outcome.empty()) continue;  // killed before the first hand or after the end
        EXPECT_EQ(outcome, through);
        ++continued;
    }
    EXPECT_GT(continued, 0) << "no kill fell inside the tournament";
}

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
