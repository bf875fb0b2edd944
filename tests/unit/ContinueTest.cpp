// A match or tournament saved at a hand's start and continued in a fresh program, from a copy
// of the file alone, ends exactly as the same one played without a stop: the same field,
// standings, scores, cards and draws, whatever hand it stopped at.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
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
#include "store/OpponentLevel.h"
#include "tests/unit/ContinueSupport.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using continuetest::Program;
using continuetest::rowsOf;
using continuetest::startSingleGame;
using continuetest::useOptions;
using testsupport::TempFolder;

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
    const char* limit = nullptr;  // none: a single game
    std::string_view opponents = kClassicOpponents;
};
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
            } else if (writeOpponentLevel(app.database(), game.opponents); game.limit) {
                useOptions(app.database(), game.type, game.limit);
                EXPECT_TRUE(driver.start("Ripresa Ada"));
            } else {
                startSingleGame(program, game.type);
            }
            // The player's table plays at the level chosen, and a continued game at its own.
            EXPECT_EQ(app.session().avversari, game.opponents);
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
          Game{"Eliminazione 25", "Limite 10 Mani"}, Game{"Piatto 500", "Limite 20 Mani"},
          // The expert seats remember the cards gone: a hand stopped halfway goes on with them.
          Game{"25 Punti", nullptr, kExpertOpponents},
          Game{"Piatto 500", nullptr, kExpertOpponents},
          Game{"Eliminazione 25", "Limite 10 Mani", kExpertOpponents}}) {
        SCOPED_TRACE(std::string(game.type) + (game.limit ? " tournament " : " ") +
                     std::string(game.opponents));
        // Against the expert seats the player may well be out after the first round.
        const bool experts = game.opponents == kExpertOpponents;
        const std::vector<StopAt> inATournamentHeMayLose = {firstHand, midTrick, heldTrick,
                                                            handsOn(3)};
        const std::vector<StopAt>& stops = !game.limit ? inAGame
                                           : experts   ? inATournamentHeMayLose
                                                       : inATournament;
        EXPECT_EQ(play(game, stops), play(game));
    }
}

// Two cards marked at the change question, the window closed: continued, "Cambia Carte" gives
// those two.
// Left with "Indietro", the mouse on it, the table comes back with no button lit.
TEST(ContinueTest, AContinuedTableComesBackWithNoButtonLit) {
    TempFolder folder;
    Program program(folder.path());
    startSingleGame(program, "50 Punti");
    program.app.mouseMove(ctl::Label18);
    ASSERT_EQ(program.surface.foreColor(ctl::Label18), kHighlightColor);
    program.surface.scriptAnswers({MessageAnswer::Yes});
    program.app.click(ctl::Label18);
    program.app.click(ctl::ContinueEntry);
    ASSERT_TRUE(program.surface.visible(ctl::Picture1));
    for (const Control button : {ctl::Label18, ctl::Label33, ctl::Label52})
        EXPECT_EQ(program.surface.foreColor(button), kButtonTextColor) << button.index;
}

// The log is folded into the file only where the table pauses (a hand's start, a full trick
// held before it is taken) and only once it is long; a save point mid-trick only appends.
TEST(ContinueTest, TheLogIsFoldedOnlyWhereTheTablePausesOnceItIsLong) {
    const struct {
        const char* name;
        bool handStarted;
        int cardsOnTable;  // laid in the trick, from its first place
        bool longLog, folds;
    } moments[] = {
        {"a trick being laid", false, 3, true, false},
        {"a full trick", false, 6, true, true},
        {"a hand's start", true, 0, true, true},
        {"a full trick, the log short", false, 6, false, false},
    };
    for (const auto& m : moments) {
        SCOPED_TRACE(m.name);
        TempFolder folder;
        Program program(folder.path());
        startSingleGame(program, "50 Punti");
        Database& db = program.app.database();
        // The game's transaction takes some pages more, and a save point commits them.
        db.execute("CREATE TABLE zavorra (testo TEXT)");
        for (int i = 0; m.longLog && i < MatchCheckpoint::kLongLogFrames; ++i)
            db.execute("INSERT INTO zavorra VALUES (?)", {std::string(700, 'z')});
        program.app.checkpoint().saveNow();
        const int logged = db.logFrames();
        ASSERT_EQ(logged >= MatchCheckpoint::kLongLogFrames, m.longLog);
        for (int place = 0; place < kSeats; ++place) {
            program.app.session().trick[place] =
                place < m.cardsOnTable ? Card(2 + place, 'c') : Card();
        }
        program.app.checkpoint().afterEvent(m.handStarted, false, false);
        EXPECT_EQ(db.logFrames() < logged, m.folds) << db.logFrames() << " pages after " << logged;
        EXPECT_TRUE(db.inTransaction()) << "the game's writes are no longer kept together";
    }
}

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

// Where a program had got to, written by it as it plays and read by the one that kills it:
// the draws it had made after its ticks, and when, a few samples a millisecond at most.
struct Progress {
    static constexpr int kSamples = 1 << 14;
    std::atomic<int> written{0};
    std::array<std::int64_t, kSamples> nanos{};
    std::array<std::uint64_t, kSamples> draws{};

    static std::int64_t now() {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void note(std::uint64_t made) {
        const int n = written.load();
        if (n > 0 && now() - nanos[(n - 1) % kSamples] < 300'000) return;
        nanos[n % kSamples] = now();
        draws[n % kSamples] = made;
        written.store(n + 1);
    }
    // When the program had made `made` draws: the first sample at or past them, the last
    // when none is yet; -1 when the samples no longer reach back that far.
    std::int64_t whenAt(std::uint64_t made) const {
        const int n = written.load();
        const int oldest = std::max(0, n - kSamples);
        for (int i = oldest; i < n; ++i) {
            if (draws[i % kSamples] < made) continue;
            return i == oldest && oldest > 0 ? -1 : nanos[i % kSamples];
        }
        return n > 0 ? nanos[(n - 1) % kSamples] : -1;
    }
};

TEST(ContinueTest, ATournamentKilledAtRandomMomentsGoesOnToTheSameEnd) {
    const Game game{"50 Punti", "Limite 10 Mani"};
    const std::string through = play(game);
    // Shared with the killed program, which writes it as it plays.
    void* shared = ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    std::mt19937 draw(20261209);
    int continued = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        SCOPED_TRACE("attempt " + std::to_string(attempt));
        auto* progress = new (shared) Progress;
        TempFolder folder;
        const pid_t child = ::fork();
        if (child == 0) {  // the player's program, killed whenever the parent says
            // Each tick takes a little time, as a table's ticks do, so that the kills fall
            // across the tournament.
            const StopAt noteProgress = [progress](Program& p) {
                progress->note(p.app.random().drawsMade());
                std::this_thread::sleep_for(std::chrono::microseconds(20));
                return false;
            };
            play(game, {noteProgress}, folder.path());
            ::_exit(0);
        }
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(300, 2500)(draw)));
        ::kill(child, SIGKILL);
        const std::int64_t killedAt = Progress::now();
        ::waitpid(child, nullptr, 0);

        // What the file kept: at most about a second of play is done again.
        const auto twice = copyOfTheFile(folder.path());
        std::string record;
        {
            const auto lookedAt = copyOfTheFile(folder.path());
            Program looking(lookedAt->path());
            record = savedRecord(looking.app.database());
            looking.app.shutDown();
        }
        if (record.empty()) continue;  // killed before the first save point or after the end
        const std::int64_t savedAt = progress->whenAt(readSavedGame(record).draws);
        ASSERT_GE(savedAt, 0) << "the saved moment is older than the samples";
        EXPECT_LT(killedAt - savedAt, 1'500'000'000) << "ns of play done again";

        // Continued, and continued again from the same file: the same end as never stopped.
        EXPECT_EQ(play(game, {}, folder.path(), true), through);
        EXPECT_EQ(play(game, {}, twice->path(), true), through);
        ++continued;
    }
    ::munmap(shared, sizeof(Progress));
    EXPECT_GT(continued, 0) << "no kill fell inside the tournament";
}

}  // namespace
}  // namespace zelvaro
