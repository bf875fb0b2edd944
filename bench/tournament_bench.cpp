// Tournament costs on the in-memory surface with the real database: the start of a
// 1536-entrant tournament, one Timer2 tick with and without the round-end check, the standings
// screen opened and paged, and a whole nine-round "50 Punti" tournament played headless with
// the human always qualifying.
//
// Usage: tournament_bench [starts]
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/GameSession.h"
#include "engine/HeadlessClock.h"
#include "front/MatchCheckpoint.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "tools/sim/TournamentDriver.h"

namespace fs = std::filesystem;
using namespace zelvaro;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kHumanName = "Banco Prova";

double millisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time this thread has used, in ms: what a step costs, without the time the
// machine gave to other programs meanwhile.
double threadCpuMillis() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Spread {
    double median = 0, p99 = 0, worst = 0;
    std::size_t samples = 0;
};

Spread spreadOf(std::vector<double> values) {
    Spread s;
    s.samples = values.size();
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    s.median = values[values.size() / 2];
    s.p99 = values[std::min(values.size() - 1, values.size() * 99 / 100)];
    s.worst = values.back();
    return s;
}

void printSpread(const char* what, const Spread& s, const char* target) {
    std::printf("%-44s median %7.3f ms  p99 %7.3f ms  worst %7.3f ms  (%zu samples)%s\n", what,
                s.median, s.p99, s.worst, s.samples, target);
}

// Menu, profile and rules panel; only the rules panel's "Avanti" is timed.
double timedStart(ZelvaroApp& app, MemorySurface& surface) {
    // A tournament left at the table stays saved: a new one drops it.
    if (hasCheckpoint(app.database())) surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label35);
    pickProfile(app, surface, kHumanName);
    app.click(ctl::Label21);
    const auto start = Clock::now();
    app.click(ctl::Label36);
    const double ms = millisSince(start);
    if (!surface.enabled(ctl::Timer2)) {
        std::fprintf(stderr, "tournament_bench: the tournament did not start\n");
        std::exit(1);
    }
    return ms;
}

void leaveTable(ZelvaroApp& app, MemorySurface& surface) {
    surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label18);
}

}  // namespace

int main(int argc, char** argv) {
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::error_code ec;
    const fs::path folder =
        fs::temp_directory_path() / ("zelvaro-tournament-bench-" + std::to_string(::getpid()));
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);

    MemorySurface surface;
    ZelvaroApp app(surface, folder);
    if (!app.startUp()) return 1;
    app.playUnwatched();
    Database& db = app.database();
    db.execute("UPDATE opzioni SET punteggio='50 Punti'");
    db.appendRow("giocatori", {{"cognome", "Banco"},
                               {"nome", "Prova"},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});

    // The start, several times.
    std::vector<double> startMs;
    for (int i = 0; i < starts; ++i) {
        startMs.push_back(timedStart(app, surface));
        leaveTable(app, surface);
    }
    printSpread("startTournament, 1536 entrants", spreadOf(startMs), "  (target < 250 ms)");

    // The standings screen, opened at several moments of round 1 and paged both ways.
    std::vector<double> openMs, turnMs;
    timedStart(app, surface);
    {
        TournamentDriver driver(app, surface);
        for (int visit = 0; visit < 5; ++visit) {
            for (int fired = 0; fired < 400; ++fired) {
                if (surface.enabled(ctl::Timer1)) playHumanTurn(app, surface);
                driver.clock().fireNext();
            }
            auto start = Clock::now();
            app.click(ctl::Label52);
            openMs.push_back(millisSince(start));
            for (int page = 0; page < 10; ++page) {
                start = Clock::now();
                app.click(page < 5 ? ctl::Command4 : ctl::Command3);
                turnMs.push_back(millisSince(start));
            }
            app.click(ctl::Label53);
        }
    }
    leaveTable(app, surface);
    printSpread("openStandings to page 1", spreadOf(openMs), "  (target < 100 ms)");
    printSpread("one page turn", spreadOf(turnMs), "  (target < 10 ms)");

    // Round 1 with a short match at the human's table (every seat one hand from the goal),
    // so that most of the round is the wait in which every tick checks for the round's end.
    std::vector<double> waitTicks, roundEndTicks;
    {
        timedStart(app, surface);
        for (SeatStats& seat : app.session().seatstats) seat.score = 49;
        HeadlessClock timed(surface, [&](Control timer) {
            if (timer != ctl::Timer2) return app.timerTick(timer);
            const bool waiting = surface.visible(ctl::Frame6);
            const int round = app.tournament().roundnumber;
            const auto start = Clock::now();
            app.timerTick(timer);
            const double ms = millisSince(start);
            if (app.tournament().roundnumber != round)
                roundEndTicks.push_back(ms);
            else if (waiting)
                waitTicks.push_back(ms);
        });
        while (roundEndTicks.empty()) {
            if (surface.enabled(ctl::Timer1)) playHumanTurn(app, surface);
            if (!timed.fireNext()) break;
        }
        if (surface.enabled(ctl::Timer1)) leaveTable(app, surface);
    }

    // Save points as the game makes them, half a second of play apart mid-round (the record of
    // the moment and the commit of everything written since), and continuing from the menu.
    std::vector<double> saveMs, saveCpuMs, foldMs, continueMs;
    {
        timedStart(app, surface);
        TournamentDriver driver(app, surface);
        for (int fired = 0; fired < 3000; ++fired) {
            if (surface.enabled(ctl::Timer1)) playHumanTurn(app, surface);
            driver.clock().fireNext();
        }
        // In the window the game's clock is the wall clock, which spaces the save points.
        const std::int64_t spacing = MatchCheckpoint::kSavePointMs.count();
        for (int i = 0; i < 400; ++i) {
            const std::int64_t due = driver.clock().now() + spacing;
            while (driver.clock().now() < due && surface.enabled(ctl::Timer1)) {
                playHumanTurn(app, surface);
                const int logged = db.logFrames();
                const auto tick = Clock::now();
                driver.clock().fireNext();
                // A tick at which the game folded its log into the file: a hand's start or a
                // full trick.
                if (db.logFrames() < logged) foldMs.push_back(millisSince(tick));
            }
            const double cpu = threadCpuMillis();
            const auto start = Clock::now();
            app.checkpoint().saveNow();
            saveMs.push_back(millisSince(start));
            saveCpuMs.push_back(threadCpuMillis() - cpu);
        }
        for (int i = 0; i < 20; ++i) {
            leaveTable(app, surface);
            const auto start = Clock::now();
            app.click(ctl::ContinueEntry);
            continueMs.push_back(millisSince(start));
        }
        leaveTable(app, surface);
    }
    printSpread("a save point, wall time", spreadOf(saveMs), "  (target p99 < 0.5 ms)");
    printSpread("a save point, processor time", spreadOf(saveCpuMs), "  (target p99 < 0.5 ms)");
    printSpread("a tick that folds the log, wall time", spreadOf(foldMs), "");
    printSpread("continuing it from the menu", spreadOf(continueMs), "  (target < 100 ms)");

    // A whole tournament, every Timer2 tick timed on its own.
    std::vector<double> plainTicks;
    const auto whole = Clock::now();
    timedStart(app, surface);
    TournamentDriver driver(app, surface);
    HeadlessClock timed(surface, [&](Control timer) {
        if (timer != ctl::Timer2) return app.timerTick(timer);
        const bool waiting = surface.visible(ctl::Frame6);
        const auto start = Clock::now();
        app.timerTick(timer);
        if (!waiting) plainTicks.push_back(millisSince(start));
    });
    int rounds = 1;
    bool running = true;
    bool waiting = false;
    while (running) {
        if (surface.enabled(ctl::Timer1)) playHumanTurn(app, surface);
        const bool nowWaiting = surface.visible(ctl::Frame6);
        if (nowWaiting && !waiting && db.query("SELECT * FROM torneo ").rows() > 6) {
            leadHumansTable(app);
        }
        waiting = nowWaiting;
        const int round = app.tournament().roundnumber;
        running = timed.fireNext();
        if (app.tournament().roundnumber != round) ++rounds;
    }
    const double wholeSeconds = millisSince(whole) / 1000;
    printSpread("simulationTick", spreadOf(plainTicks), "  (target p99 < 2 ms)");
    printSpread("simulationTick with checkRoundEnd, round 1", spreadOf(waitTicks),
                "  (target p99 < 2 ms)");
    printSpread("the tick that ends round 1", spreadOf(roundEndTicks), "");
    const std::string last = surface.messages().empty() ? "" : surface.messages().back().text;
    std::printf(
        "whole \"50 Punti\" tournament, %d rounds, human always qualifying: %.2f s "
        "(target < 1 s)%s\n",
        rounds, wholeSeconds, last == "Partita terminata" ? "" : "  NOT FINISHED");

    app.database().close();
    fs::remove_all(folder, ec);
    return 0;
}
