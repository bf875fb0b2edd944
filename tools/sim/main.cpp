// zelvaro-sim: plays single games, or one tournament, headless on a copy of the database and
// prints how they went. Seat 0 is played through the human's own clicks by a simple legal
// policy. A run that fails says why on stderr, exits with status 1 and writes no --save file.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "rules/MatchOptions.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "tools/sim/HumanPolicy.h"
#include "tools/sim/SaveCopy.h"
#include "tools/sim/ScratchFolder.h"
#include "tools/sim/SeatPolicy.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/SimStatistics.h"
#include "tools/sim/StopPoint.h"
#include "tools/sim/TournamentDriver.h"
#include "tournament/Simulation.h"
#include "tournament/Standings.h"

namespace fs = std::filesystem;
using namespace zelvaro;

namespace {

constexpr const char* kHumanName = "Simulatore Zelvaro";

// How the game tells that the player's tournament is over: the final played, or he is out.
constexpr const char* kTournamentOver = "Partita terminata";
constexpr const char* kEliminated = "Partita terminata\nSei stato eliminato dal torneo";
constexpr const char* kWinnerIs = "Partita terminata\nIl vincitore e' ";

std::string lastMessage(const MemorySurface& surface) {
    return surface.messages().empty() ? std::string() : surface.messages().back().text;
}

// A failure of the run, on stderr: what went wrong, and the game's own words when it has any.
void fail(const std::string& what, const std::string& why = {}) {
    std::fprintf(stderr, "zelvaro-sim: %s%s%s\n", what.c_str(), why.empty() ? "" : ": ",
                 why.c_str());
}

// "Continua" on the menu; false, and why on stderr, when the file holds no game to go on with.
bool continueSavedGame(ZelvaroApp& app, MemorySurface& surface) {
    if (!surface.visible(ctl::Label76)) {
        fail("the database holds no saved game to continue");
        return false;
    }
    app.click(ctl::Label76);
    if (surface.visible(ctl::Picture1)) return true;
    fail("the saved game cannot be continued", lastMessage(surface));
    return false;
}

// The run's next single game: "Continua" for the first one of a --continue run, else
// "Partita", the player's profile and "Avanti". False, and why on stderr, when no table opens.
bool startGame(const SimOptions& options, long game, ZelvaroApp& app, MemorySurface& surface) {
    if (options.resume && game == 0) return continueSavedGame(app, surface);
    app.click(ctl::Label2);
    pickProfile(app, surface, kHumanName);
    app.click(ctl::Label21);
    if (surface.visible(ctl::Picture1) && surface.enabled(ctl::Timer1)) return true;
    fail("game " + std::to_string(game + 1) + " did not start", lastMessage(surface));
    return false;
}

// "Indietro" on the table, and "Sì". The run never comes back to a match it leaves, so its
// saved game goes too, as it goes when a new game is confirmed over it: kept, it would stand
// before every later start, and stay in the --save file as a game to continue.
bool leaveMatch(ZelvaroApp& app, MemorySurface& surface) {
    surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label18);
    if (surface.enabled(ctl::Timer1)) return false;
    Database& db = app.database();
    Transaction dropping(db);
    removeCheckpoint(db);
    dropping.commit();
    return true;
}

// The seat the game named the winner of the match just ended, or -1 when it named none.
int winnerSeat(ZelvaroApp& app, const MemorySurface& surface) {
    const std::string text = lastMessage(surface);
    if (text.rfind(kWinnerIs, 0) != 0) return -1;
    const std::string name = text.substr(std::string(kWinnerIs).size());
    for (int seat = kSeats - 1; seat >= 0; --seat) {
        if (app.session().seatstats[seat].surname == name) return seat;
    }
    return -1;
}

// Where a stopped run stopped; the game is saved as it stands when the program closes.
void sayStopped(ZelvaroApp& app, const StopPoint& stop) {
    std::printf(
        "stopped after %ld of the player's hands, %ld tricks and %ld cards: the game "
        "is saved\n",
        app.engine().handsPlayed(), stop.tricks(), stop.cards());
}

SeatPolicy seatPolicy(const std::string& name) {
    if (name == "highest") return SeatPolicy::Highest;
    if (name == "random") return SeatPolicy::Random;
    if (name == "expert") return SeatPolicy::Expert;
    return SeatPolicy::Lowest;
}

// The seat alone at the top of the scores, -1 when several share it.
int soleLeader(const GameSession& session) {
    int leader = 0, sharing = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        const int score = session.seatstats[seat].score;
        if (score > session.seatstats[leader].score) {
            leader = seat;
            sharing = 1;
        } else if (score == session.seatstats[leader].score) {
            ++sharing;
        }
    }
    return sharing == 1 ? leader : -1;
}

// Single games, one after another; prints each seat's wins, and for "Chips", which never ends
// by itself, which seat led the chips when the match was left. False when one fails.
bool playGames(const SimOptions& options, ZelvaroApp& app, MemorySurface& surface) {
    std::vector<long> wins(kSeats, 0);
    std::vector<long> chipsLeads(kSeats, 0);
    long abandoned = 0;
    SeatPlayer player(seatPolicy(options.policy));
    StopPoint stop(options.stopAfter);
    const auto start = std::chrono::steady_clock::now();
    for (long game = 0; game < options.games; ++game) {
        if (!startGame(options, game, app, surface)) return false;
        // A continued game keeps the level it was played at.
        if (!options.resume || game > 0) app.session().avversari = options.opponents;
        TableEngine& engine = app.engine();
        const bool chips = isText(app.session().options.punteggio, "Chips");
        const long firstHand = engine.handsPlayed();
        bool left = false;
        while (surface.enabled(ctl::Timer1)) {
            if (stop.reached(app.session(), engine)) {
                sayStopped(app, stop);
                return true;
            }
            player.play(app, surface);
            app.timerTick(ctl::Timer1);
            if (chips && engine.handsPlayed() - firstHand >= options.chipsHands) {
                if (const int leader = soleLeader(app.session()); leader >= 0) ++chipsLeads[leader];
                left = leaveMatch(app, surface);
                if (!left) {
                    fail("game " + std::to_string(game + 1) + " could not be left",
                         lastMessage(surface));
                    return false;
                }
            }
        }
        if (left) {
            ++abandoned;
        } else if (const int seat = winnerSeat(app, surface); seat >= 0) {
            ++wins[seat];
        } else {
            fail("game " + std::to_string(game + 1) + " stopped", lastMessage(surface));
            return false;
        }
        surface.clearMessages();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long hands = app.engine().handsPlayed();

    // The games' own options: a continued game keeps those it was saved with.
    const MatchOptions& played = app.session().options;
    std::printf("games: %ld  type: %s  speed: %s  change: %s  two-beats-ace: %s  prize: %s\n",
                options.games, played.punteggio.c_str(), played.tipopartita.c_str(),
                played.cambiocarte.c_str(), played.duesuperaasso.c_str(), played.premio.c_str());
    // The default run prints what it always printed.
    if (app.session().avversari != "Classici" || options.policy != "lowest") {
        std::printf("opponents: %s  seat 0 policy: %s\n", app.session().avversari.c_str(),
                    options.policy.c_str());
    }
    const auto share = [&options](long n) {
        return 100.0 * static_cast<double>(n) / static_cast<double>(options.games);
    };
    for (int seat = 0; seat < kSeats; ++seat) {
        std::printf("seat %d%s wins: %ld (%.1f%%)\n", seat, seat == 0 ? " (human policy)" : "",
                    wins[seat], share(wins[seat]));
    }
    if (abandoned > 0) {
        std::printf("matches left after %ld hands: %ld\n", options.chipsHands, abandoned);
        std::printf("chips leaders when left (alone at the top):");
        for (int seat = 0; seat < kSeats; ++seat) {
            std::printf(" seat %d %ld (%.1f%%)", seat, chipsLeads[seat], share(chipsLeads[seat]));
        }
        std::printf("\n");
    }
    std::printf("hands: %ld  average hands per game: %.2f\n", hands,
                static_cast<double>(hands) / static_cast<double>(options.games));
    std::printf("time: %.2f s  hands per second: %.0f\n", seconds,
                seconds > 0 ? static_cast<double>(hands) / seconds : 0.0);
    return true;
}

// The field's rows, best first, as "surname first name" with their points.
ResultSet fieldByPoints(Database& db) {
    return db.query("SELECT * FROM torneo order by punti desc,cognome asc,nome asc ");
}

// How the player's tournament ended: his place, or the round he went out in, and the winner
// with his points over the whole tournament.
void printOutcome(ZelvaroApp& app, bool eliminated) {
    if (eliminated) {
        std::printf("human: eliminated in round %d\n", app.tournament().roundnumber - 1);
        std::printf("winner: not played out (the tournament ends for the human when he is out)\n");
        return;
    }
    const ResultSet final = fieldByPoints(app.database());
    const PlayerProfile& you = app.session().humanprofile;
    for (int row = 0; row < final.rows(); ++row) {
        if (final.at(0, row).text() == you.cognome && final.at(1, row).text() == you.nome) {
            std::printf("human: place %d of %d at the final\n", row + 1, final.rows());
        }
    }
    if (!final.empty()) {
        const int points = app.standings().totalPoints(static_cast<int>(final.at(3, 0).integer()));
        std::printf("winner: %s %s with %d points\n", final.at(0, 0).text().c_str(),
                    final.at(1, 0).text().c_str(), points);
    }
}

// One tournament, round by round; prints each round's figures and how it ended. False when
// it did not start or stopped before its end.
bool playTournament(const SimOptions& options, ZelvaroApp& app, MemorySurface& surface) {
    Database& db = app.database();
    TournamentDriver driver(app, surface);
    const auto start = std::chrono::steady_clock::now();
    if (options.resume) {
        if (!continueSavedGame(app, surface)) return false;
    } else if (!driver.start(kHumanName)) {
        fail("the tournament did not start", lastMessage(surface));
        return false;
    } else {
        app.session().avversari = options.opponents;
    }
    // The tournament's own options: a continued one keeps those it was saved with.
    const MatchOptions& played = app.session().options;
    std::printf("tournament  type: %s  limit: %s  speed: %s%s\n", played.punteggio.c_str(),
                played.limite.c_str(), played.tipopartita.c_str(),
                options.toTheFinal ? "  (the human always qualifies)" : "");
    // The run stops between two steps, as a closed window does; the file keeps the game.
    struct Stopped {};
    StopPoint stop(options.stopAfter);
    if (options.stopAfter.any()) {
        driver.beforeEveryMove([&] {
            if (stop.reached(app.session(), app.engine())) throw Stopped{};
        });
    }
    // He qualifies from every round; the final he plays as it comes.
    const auto atMatchEnd = [&] {
        if (options.toTheFinal && db.query("SELECT * FROM torneo ").rows() > kSeats) {
            leadHumansTable(app);
        }
    };
    try {
        for (bool running = true; running;) {
            const int round = app.tournament().roundnumber;
            const int entrants = db.query("SELECT * FROM torneo ").rows();
            const long simulated = app.simulation().handsSimulated();
            const long human = app.engine().handsPlayed();
            running = driver.playRound(atMatchEnd);
            const std::string last = lastMessage(surface);
            if (!running && last != kTournamentOver && last != kEliminated) {
                fail("the tournament stopped in round " + std::to_string(round), last);
                return false;
            }
            std::printf("round %d: %d entrants, %d tables, %ld simulated hands, %ld human hands\n",
                        round, entrants, entrants / kSeats,
                        app.simulation().handsSimulated() - simulated,
                        app.engine().handsPlayed() - human);
        }
    } catch (const Stopped&) {
        sayStopped(app, stop);
        return true;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string last = lastMessage(surface);
    printOutcome(app, last == kEliminated);
    std::printf("message: %s\n", last.c_str());
    std::printf("time: %.2f s\n", seconds);
    return true;
}

// The options of a new run, and its player afresh; a game the file kept is not this run's.
void setUpTheRun(Database& db, const SimOptions& options) {
    removeCheckpoint(db);
    db.execute("UPDATE opzioni SET tipopartita='" + options.speed + "'");
    db.execute("UPDATE opzioni SET cambiocarte='" + options.change + "'");
    db.execute("UPDATE opzioni SET \"2superaasso\"='" + options.twoBeatsAce + "'");
    db.execute("UPDATE opzioni SET punteggio='" + options.type + "'");
    db.execute("UPDATE opzioni SET premio='" + options.prize + "'");
    db.execute("UPDATE opzioni SET limite='" + options.limit + "'");
    db.execute("DELETE FROM giocatori where cognome='Simulatore' and nome= 'Zelvaro'");
    db.appendRow("giocatori", {{"cognome", "Simulatore"},
                               {"nome", "Zelvaro"},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
}

int run(const SimOptions& options) {
    const ScratchFolder scratch(fs::temp_directory_path());
    const fs::path& folder = scratch.path();
    if (!options.db.empty()) {
        std::error_code ec;
        fs::copy_file(options.db, folder / Database::kFileName, ec);
        if (ec) {
            fail("cannot copy " + options.db.string(), ec.message());
            return 1;
        }
    }

    MemorySurface surface;
    ZelvaroApp app(surface, folder);
    if (!app.startUp()) {
        fail("cannot open the database", lastMessage(surface));
        return 1;
    }
    app.playUnwatched();
    Database& db = app.database();
    // A game going on keeps the options and the player it was saved with.
    if (!options.resume) setUpTheRun(db, options);

    bool played = true;
    if (options.play) {
        played = options.tournament ? playTournament(options, app, surface)
                                    : playGames(options, app, surface);
    }
    if (played && options.stats) printStatistics(db);
    // Closed as the window closes: a game on the table is saved as it stands.
    app.shutDown();
    if (!played) return 1;
    // Closed, the file holds everything: it can be opened with the game's key.
    if (!options.save.empty() && !saveCopy(folder / Database::kFileName, options.save)) return 1;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const SimOptions options = parseSimOptions(argc, argv);
    // Any failure ends through run's return, so that its folder is taken away.
    try {
        return run(options);
    } catch (const std::exception& error) {
        fail(error.what());
        return 1;
    }
}
