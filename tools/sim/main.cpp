// zelvaro-sim: plays single games headless on a copy of the database and prints how the
// seats fared. Seat 0 is played through the human's own clicks by a simple legal policy.
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
#include "engine/MemorySurface.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "tools/sim/HumanPolicy.h"

namespace fs = std::filesystem;
using namespace zelvaro;

namespace {

struct SimOptions {
    long games = 100;
    std::string type = "50 Punti";
    std::string speed = "Normale";
    std::string change = "Si";
    std::string twoBeatsAce = "No";
    std::string prize = "1 Carta";
    fs::path db;
    long chipsHands = 50;  // a "Chips" match never ends by itself: it is left after this many
};

constexpr std::array<std::string_view, 2> kYesNo{"Si", "No"};

[[noreturn]] void usage(const std::string& problem) {
    std::fprintf(stderr,
                 "zelvaro-sim: %s\n"
                 "usage: zelvaro-sim [--games N] [--type TEXT] [--speed Lenta|Normale|Turbo]\n"
                 "                   [--change Si|No] [--two-beats-ace Si|No]\n"
                 "                   [--prize Nascosto|\"1 Carta\"|\"2 Carte\"] [--db PATH]\n",
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
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) usage("missing value for " + arg);
        const std::string value = argv[++i];
        if (arg == "--games") {
            char* end = nullptr;
            o.games = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || o.games < 1 || o.games > 100000000) {
                usage("bad value \"" + value + "\" for --games (a whole number from 1)");
            }
        } else if (arg == "--type") {
            o.type = oneOf(arg, value, kGameTypes);
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
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const SimOptions options = parse(argc, argv);
    std::error_code ec;
    const fs::path folder = fs::temp_directory_path() / ("zelvaro-sim-" + std::to_string(::getpid()));
    fs::create_directories(folder, ec);
    if (!options.db.empty()) fs::copy_file(options.db, folder / Database::kFileName, ec);

    MemorySurface surface;
    ZelvaroApp app(surface, folder);
    if (!app.startUp()) {
        std::fprintf(stderr, "zelvaro-sim: cannot open the database\n");
        fs::remove_all(folder, ec);
        return 1;
    }
    Database& db = app.database();
    db.execute("UPDATE opzioni SET tipopartita='" + options.speed + "'");
    db.execute("UPDATE opzioni SET cambiocarte='" + options.change + "'");
    db.execute("UPDATE opzioni SET \"2superaasso\"='" + options.twoBeatsAce + "'");
    db.execute("UPDATE opzioni SET punteggio='" + options.type + "'");
    db.execute("UPDATE opzioni SET premio='" + options.prize + "'");
    db.execute("DELETE FROM giocatori where cognome='Simulatore' and nome= 'Zelvaro'");
    db.appendRow("giocatori", {{"cognome", "Simulatore"}, {"nome", "Zelvaro"},
                               {"nazionalita", "Italia"}, {"anno", 1980}, {"profilo", "1"},
                               {"cambiocarte", "0"}, {"aggressivita", "0"}});

    std::vector<long> wins(kSeats, 0);
    long abandoned = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long game = 0; game < options.games; ++game) {
        app.click(ctl::Label2);
        surface.setCaption(ctl::Label22, "Simulatore Zelvaro");
        app.click(ctl::Label21);
        TableEngine& engine = app.engine();
        const long firstHand = engine.handsPlayed();
        while (surface.enabled(ctl::Timer1)) {
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
    app.database().close();
    fs::remove_all(folder, ec);
    return 0;
}
