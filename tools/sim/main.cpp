// zelvaro-sim: plays single games, or one tournament, headless on a copy of the database and
// prints how they went. Seat 0 is played through the human's own clicks by a simple legal
// policy.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "engine/GameSession.h"
#include "primitives/MemorySurface.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/StatisticsStore.h"
#include "tools/sim/HumanPolicy.h"
#include "tools/sim/ScratchFolder.h"
#include "tools/sim/TournamentDriver.h"
#include "tournament/Simulation.h"
#include "primitives/Tournament.h"

namespace fs = std::filesystem;
using namespace zelvaro;

namespace {

constexpr const char* kHumanName = "Simulatore Zelvaro";

// The game types a tournament can be played in.
constexpr std::array<std::string_view, 9> kTournamentTypes{
    "25 Punti",         "50 Punti",   "100 Punti",   "Eliminazione 25", "Eliminazione 50",
    "Eliminazione 100", "Piatto 500", "Piatto 1000", "Piatto 2000"};

struct SimOptions {
    bool tournament = false;
    bool toTheFinal = false;
    std::string limit = "Senza Limite";
    fs::path save;
    long games = 100;
    std::string type = "50 Punti";
    std::string speed = "Normale";
    std::string change = "Si";
    std::string twoBeatsAce = "No";
    std::string prize = "1 Carta";
    fs::path db;
    long chipsHands = 50;  // a "Chips" match never ends by itself: it is left after this many
    bool stats = false;    // print the simulated player's record at the end
    bool play = true;      // --stats alone only prints the record the database holds
    long stopAfterHands = -1;  // stop as a closed window would, after this many of the player's hands
    bool resume = false;       // --continue: go on with the game saved in --db
};

constexpr std::array<std::string_view, 2> kYesNo{"Si", "No"};

[[noreturn]] void usage(const std::string& problem) {
    std::fprintf(stderr,
                 "zelvaro-sim: %s\n"
                 "usage: zelvaro-sim [--games N] [--type TEXT] [--speed Lenta|Normale|Turbo]\n"
                 "                   [--change Si|No] [--two-beats-ace Si|No]\n"
                 "                   [--prize Nascosto|\"1 Carta\"|\"2 Carte\"] [--db PATH]\n"
                 "       zelvaro-sim --tournament [--type TEXT] [--limit TEXT] [--speed TEXT]\n"
                 "                   [--db PATH] [--save PATH] [--to-the-final]\n"
                 "       zelvaro-sim --stats --db PATH   (with --games or --tournament: after the run)\n"
                 "       --stop-after-hands N: stop as a closed window would, after N of the player's hands\n"
                 "       --continue --db PATH: go on with the game saved there (the same options as for\n"
                 "                   the run that stopped: --tournament, --to-the-final, --save)\n",
                 problem.c_str());
    std::exit(2);
}

template <typename List>
std::string oneOf(const std::string& option, const std::string& value, const List& allowed) {
    for (std::string_view a : allowed) {
        if (a == value) return value;
    }
    std::string list;
    for (std::string_view a : allowed) {
        list += list.empty() ? "\"" : ", \"";
        list += a;
        list += '"';
    }
    usage("bad value \"" + value + "\" for " + option + " (one of " + list + ")");
}

SimOptions parse(int argc, char** argv) {
    SimOptions o;
    std::string type;
    bool gamesGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--tournament") {
            o.tournament = true;
            continue;
        }
        if (arg == "--to-the-final") {
            o.toTheFinal = true;
            continue;
        }
        if (arg == "--stats") {
            o.stats = true;
            continue;
        }
        if (arg == "--continue") {
            o.resume = true;
            continue;
        }
        if (i + 1 >= argc) usage("missing value for " + arg);
        const std::string value = argv[++i];
        if (arg == "--games") {
            gamesGiven = true;
            char* end = nullptr;
            o.games = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || o.games < 1 || o.games > 100000000) {
                usage("bad value \"" + value + "\" for --games (a whole number from 1)");
            }
        } else if (arg == "--stop-after-hands") {
            char* end = nullptr;
            o.stopAfterHands = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || o.stopAfterHands < 0) usage("bad value \"" + value + "\" for --stop-after-hands");
        } else if (arg == "--type") {
            type = value;
        } else if (arg == "--limit") {
            o.limit = oneOf(arg, value, kHandLimits);
        } else if (arg == "--save") {
            o.save = value;
            const fs::path folder = fs::absolute(o.save).parent_path();
            if (value.empty() || !fs::is_directory(folder)) usage("no folder for --save " + value);
        } else if (arg == "--speed") {
            o.speed = oneOf(arg, value, kSpeeds);
        } else if (arg == "--change") {
            o.change = oneOf(arg, value, kYesNo);
        } else if (arg == "--two-beats-ace") {
            o.twoBeatsAce = oneOf(arg, value, kYesNo);
        } else if (arg == "--prize") {
            o.prize = oneOf(arg, value, kPrizes);
        } else if (arg == "--db") {
            o.db = value;
            if (!fs::is_regular_file(o.db)) usage("no database file at " + value);
        } else {
            usage("unknown option " + arg);
        }
    }
    if (!type.empty()) {
        o.type = o.tournament ? oneOf("--type", type, kTournamentTypes)
                              : oneOf("--type", type, kGameTypes);
    }
    o.play = !o.stats || o.tournament || gamesGiven || o.resume;
    if (!o.tournament && o.toTheFinal) usage("--to-the-final goes with --tournament");
    if (o.resume && o.db.empty()) usage("--continue needs --db PATH, the file of the game that stopped");
    // Going on with a saved single game plays that game only, unless told otherwise.
    if (o.resume && !o.tournament && !gamesGiven) o.games = 1;
    return o;
}

// "Continua" on the menu; false, and why on stderr, when the file holds no game to go on with.
bool continueSavedGame(ZelvaroApp& app, MemorySurface& surface) {
    if (!surface.visible(ctl::Label76)) {
        std::fprintf(stderr, "zelvaro-sim: the database holds no saved game to continue\n");
        return false;
    }
    app.click(ctl::Label76);
    if (surface.visible(ctl::Picture1)) return true;
    const std::string why = surface.messages().empty() ? "" : surface.messages().back().text;
    std::fprintf(stderr, "zelvaro-sim: the saved game cannot be continued: %s\n", why.c_str());
    return false;
}

// Single games, one after another; prints each seat's wins.
void playGames(const SimOptions& options, ZelvaroApp& app, MemorySurface& surface) {
    std::vector<long> wins(kSeats, 0);
    long abandoned = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long game = 0; game < options.games; ++game) {
        if (options.resume && game == 0) {
            if (!continueSavedGame(app, surface)) return;
        } else {
            app.click(ctl::Label2);
            pickProfile(app, surface, kHumanName);
            app.click(ctl::Label21);
        }
        TableEngine& engine = app.engine();
        const long firstHand = engine.handsPlayed();
        while (surface.enabled(ctl::Timer1)) {
            if (options.stopAfterHands >= 0 && engine.handsPlayed() >= options.stopAfterHands) {
                std::printf("stopped after %ld of the player's hands: the game is saved\n", engine.handsPlayed());
                return;
            }
            playHumanTurn(app, surface);
            app.timerTick(ctl::Timer1);
            if (options.type == "Chips" && engine.handsPlayed() - firstHand >= options.chipsHands) {
                surface.scriptAnswers({MessageAnswer::Yes});
                app.click(ctl::Label18);
                ++abandoned;
            }
        }
        if (!surface.messages().empty()) {
            const std::string& text = surface.messages().back().text;
            const std::string prefix = "Il vincitore e' ";
            const auto at = text.find(prefix);
            if (at != std::string::npos) {
                const std::string name = text.substr(at + prefix.size());
                for (int seat = kSeats - 1; seat >= 0; --seat) {
                    if (app.session().seatstats[seat].surname == name) {
                        ++wins[seat];
                        break;
                    }
                }
            }
            surface.clearMessages();
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long hands = app.engine().handsPlayed();

    std::printf("games: %ld  type: %s  speed: %s  change: %s  two-beats-ace: %s  prize: %s\n",
                options.games, options.type.c_str(), options.speed.c_str(),
                options.change.c_str(), options.twoBeatsAce.c_str(), options.prize.c_str());
    for (int seat = 0; seat < kSeats; ++seat) {
        std::printf("seat %d%s wins: %ld (%.1f%%)\n", seat, seat == 0 ? " (human policy)" : "",
                    wins[seat], 100.0 * static_cast<double>(wins[seat]) / static_cast<double>(options.games));
    }
    if (abandoned > 0) std::printf("matches left after %ld hands: %ld\n", options.chipsHands, abandoned);
    std::printf("hands: %ld  average hands per game: %.2f\n", hands,
                static_cast<double>(hands) / static_cast<double>(options.games));
    std::printf("time: %.2f s  hands per second: %.0f\n", seconds,
                seconds > 0 ? static_cast<double>(hands) / seconds : 0.0);
}

// The simulated player's record, one "name: value" line a figure.
void printStatistics(Database& db) {
    const ProfileStatistics stats = readStatistics(db, "Simulatore", "Zelvaro");
    std::printf("matches played: %d\n", stats.gamesPlayed());
    std::printf("matches won: %d\n", stats.gamesWon());
    for (const GameTypeFigures& g : stats.games) {
        const char* type = g.punteggio.c_str();
        std::printf("matches played (%s): %d\n", type, g.played);
        std::printf("matches won (%s): %d\n", type, g.won);
        std::printf("average place (%s): %.2f\n", type, static_cast<double>(g.placeSum) / g.played);
        std::printf("best score (%s): %d\n", type, g.bestScore);
        std::printf("winning streak (%s): %d\n", type, g.streak);
        std::printf("longest winning streak (%s): %d\n", type, g.longestStreak);
    }
    std::printf("tournaments entered: %d\n", stats.tournamentsEntered());
    std::printf("tournaments won: %d\n", stats.tournamentsWon());
    std::printf("finals reached: %d\n", stats.finalsReached());
    if (stats.bestTournamentPlace() > 0) {
        std::printf("best tournament place: %d\n", stats.bestTournamentPlace());
        std::printf("last tournament place: %d\n", stats.recentTournaments.front().place);
    } else {
        std::printf("best tournament place: -\n");
    }
    for (const TournamentFigures& t : stats.tournaments) {
        std::printf("tournaments entered (%s, %s): %d\n", t.punteggio.c_str(), t.limite.c_str(), t.entered);
        std::printf("best tournament place (%s, %s): %d\n", t.punteggio.c_str(), t.limite.c_str(), t.bestPlace);
        std::printf("best round (%s, %s): %d\n", t.punteggio.c_str(), t.limite.c_str(), t.bestRound);
    }
}

// The field's rows, best first, as "surname first name" with their points.
ResultSet fieldByPoints(Database& db) {
    return db.query("SELECT * FROM torneo order by punti desc,cognome asc,nome asc ");
}

// One tournament, round by round; prints each round's figures and how it ended.
void playTournament(const SimOptions& options, ZelvaroApp& app, MemorySurface& surface) {
    Database& db = app.database();
    TournamentDriver driver(app, surface);
    std::printf("tournament  type: %s  limit: %s  speed: %s%s\n", options.type.c_str(),
                options.limit.c_str(), options.speed.c_str(),
                options.toTheFinal ? "  (the human always qualifies)" : "");
    const auto start = std::chrono::steady_clock::now();
    if (options.resume) {
        if (!continueSavedGame(app, surface)) return;
    } else if (!driver.start(kHumanName)) {
        const std::string why = surface.messages().empty() ? "" : surface.messages().back().text;
        std::fprintf(stderr, "zelvaro-sim: the tournament did not start: %s\n", why.c_str());
        return;
    }
    // The run stops between two ticks, as a closed window does; the file keeps the game.
    struct Stopped {};
    if (options.stopAfterHands >= 0) {
        driver.beforeEveryTick([&](Control) {
            if (app.engine().handsPlayed() >= options.stopAfterHands) throw Stopped{};
        });
    }
    // He qualifies from every round; the final he plays as it comes.
    const auto atMatchEnd = [&] {
        if (options.toTheFinal && db.query("SELECT * FROM torneo ").rows() > kSeats) {
            leadHumansTable(app);
        }
    };
    bool running = true;
    while (running) try {
        const int round = app.tournament().roundnumber;
        const int entrants = db.query("SELECT * FROM torneo ").rows();
        const long simulated = app.simulation().handsSimulated();
        const long human = app.engine().handsPlayed();
        running = driver.playRound(atMatchEnd);
        std::printf("round %d: %d entrants, %d tables, %ld simulated hands, %ld human hands\n",
                    round, entrants, entrants / kSeats, app.simulation().handsSimulated() - simulated,
                    app.engine().handsPlayed() - human);
    } catch (const Stopped&) {
        std::printf("stopped after %ld of the player's hands: the game is saved\n", app.engine().handsPlayed());
        return;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const std::string last = surface.messages().empty() ? "" : surface.messages().back().text;
    const PlayerProfile& you = app.session().humanprofile;
    if (last.find("Sei stato eliminato dal torneo") != std::string::npos) {
        std::printf("human: eliminated in round %d\n", app.tournament().roundnumber - 1);
        std::printf("winner: not played out (the tournament ends for the human when he is out)\n");
    } else {
        const ResultSet final = fieldByPoints(db);
        for (int row = 0; row < final.rows(); ++row) {
            if (final.at(0, row).text() == you.cognome && final.at(1, row).text() == you.nome) {
                std::printf("human: place %d of %d at the final\n", row + 1, final.rows());
            }
        }
        if (!final.empty()) {
            std::printf("winner: %s %s with %s points\n", final.at(0, 0).text().c_str(),
                        final.at(1, 0).text().c_str(), final.at(3, 0).text().c_str());
        }
    }
    std::printf("message: %s\n", last.c_str());
    std::printf("time: %.2f s\n", seconds);
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
    db.appendRow("giocatori", {{"cognome", "Simulatore"}, {"nome", "Zelvaro"},
                               {"nazionalita", "Italia"}, {"anno", 1980}, {"profilo", "1"},
                               {"cambiocarte", "0"}, {"aggressivita", "0"}});
}

int run(const SimOptions& options) {
    std::error_code ec;
    const ScratchFolder scratch(fs::temp_directory_path());
    const fs::path& folder = scratch.path();
    if (!options.db.empty()) fs::copy_file(options.db, folder / Database::kFileName, ec);

    MemorySurface surface;
    ZelvaroApp app(surface, folder);
    if (!app.startUp()) {
        std::fprintf(stderr, "zelvaro-sim: cannot open the database\n");
        return 1;
    }
    app.playUnwatched();
    Database& db = app.database();
    // A game going on keeps the options and the player it was saved with.
    if (!options.resume) setUpTheRun(db, options);

    if (options.play && options.tournament) playTournament(options, app, surface);
    if (options.play && !options.tournament) playGames(options, app, surface);
    if (options.stats) printStatistics(db);
    app.database().close();
    int status = 0;
    if (!options.save.empty()) {
        // Closed, the file holds everything: it can be opened with the game's key.
        fs::copy_file(folder / Database::kFileName, options.save, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::fprintf(stderr, "zelvaro-sim: cannot write %s: %s\n", options.save.c_str(),
                         ec.message().c_str());
            status = 1;
        } else {
            std::printf("database saved to %s\n", options.save.c_str());
        }
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const SimOptions options = parse(argc, argv);
    // Any failure ends through run's return, so that its folder is taken away.
    try {
        return run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zelvaro-sim: %s\n", error.what());
        return 1;
    }
}
