#include "tools/sim/SimOptions.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "rules/MatchOptions.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 2> kYesNo{"Si", "No"};
constexpr long kMostGames = 100'000'000;  // also the most hands any count option takes

constexpr const char* kUsage =
    "usage: zelvaro-sim [--games N] [--type TEXT] [--speed Lenta|Normale|Turbo]\n"
    "                   [--change Si|No] [--two-beats-ace Si|No]\n"
    "                   [--prize Nascosto|\"1 Carta\"|\"2 Carte\"] [--db PATH] [--save PATH]\n"
    "                   [--chips-hands N] [--opponents Classici|Esperti]\n"
    "                   [--policy lowest|highest|random|expert]\n"
    "       zelvaro-sim --tournament [--type TEXT] [--limit TEXT] [--speed TEXT]\n"
    "                   [--db PATH] [--save PATH] [--to-the-final]\n"
    "                   [--opponents Classici|Esperti]\n"
    "       zelvaro-sim --stats --db PATH   (with --games or --tournament: after the run)\n"
    "       zelvaro-sim --help\n"
    "  --chips-hands N: a \"Chips\" match never ends by itself; it is left after N hands\n"
    "                   (from 1, 50 unless given), and its saved game dropped\n"
    "  --opponents: the level of the five computer seats at the player's table (also in a\n"
    "                   tournament)\n"
    "  --policy: how seat 0 plays its single games: it keeps its hand and lays its lowest,\n"
    "                   highest or a random card the rules accept, or it changes and lays\n"
    "                   as an expert seat would\n"
    "  --stop-after-hands N, --stop-after-tricks N, --stop-after-cards N: stop as a closed\n"
    "                   window would, after N of the player's hands, or N tricks taken or\n"
    "                   cards laid at his table (from 0); the game is saved as it stands\n"
    "                   (a trick half laid too) and stays in the file for --continue\n"
    "  --continue --db PATH: go on with the game saved there (the same options as for the\n"
    "                   run that stopped: --tournament, --to-the-final, --save); the game\n"
    "                   keeps its own type, limit and rules\n"
    "A bad option or value exits with status 2, a run that fails with status 1; either way\n"
    "the reason is on stderr and no --save file is written.\n";

[[noreturn]] void usage(const std::string& problem) {
    std::fprintf(stderr, "zelvaro-sim: %s\n%s", problem.c_str(), kUsage);
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

// A count: digits only, from `least` to kMostGames.
long wholeNumber(const std::string& option, const std::string& value, long least) {
    long number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (value.empty() || error != std::errc() || stop != end || number < least ||
        number > kMostGames) {
        usage("bad value \"" + value + "\" for " + option + " (a whole number from " +
              std::to_string(least) + " to " + std::to_string(kMostGames) + ")");
    }
    return number;
}

}  // namespace

SimOptions parseSimOptions(int argc, char** argv) {
    SimOptions o;
    std::string type;
    bool gamesGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        bool* flag = arg == "--tournament"     ? &o.tournament
                     : arg == "--to-the-final" ? &o.toTheFinal
                     : arg == "--stats"        ? &o.stats
                     : arg == "--continue"     ? &o.resume
                                               : nullptr;
        if (flag != nullptr) {
            *flag = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) usage("unknown option " + arg);
        if (i + 1 >= argc) usage("missing value for " + arg);
        const std::string value = argv[++i];
        if (arg == "--games") {
            gamesGiven = true;
            o.games = wholeNumber(arg, value, 1);
        } else if (arg == "--stop-after-hands") {
            o.stopAfter.hands = wholeNumber(arg, value, 0);
        } else if (arg == "--stop-after-tricks") {
            o.stopAfter.tricks = wholeNumber(arg, value, 0);
        } else if (arg == "--stop-after-cards") {
            o.stopAfter.cards = wholeNumber(arg, value, 0);
        } else if (arg == "--chips-hands") {
            o.chipsHands = wholeNumber(arg, value, 1);
        } else if (arg == "--type") {
            type = value;
        } else if (arg == "--limit") {
            o.limit = oneOf(arg, value, kHandLimits);
        } else if (arg == "--save") {
            o.save = value;
            if (value.empty() || !fs::is_directory(fs::absolute(o.save).parent_path())) {
                usage("no folder for --save " + value);
            }
        } else if (arg == "--speed") {
            o.speed = oneOf(arg, value, kSpeeds);
        } else if (arg == "--change") {
            o.change = oneOf(arg, value, kYesNo);
        } else if (arg == "--two-beats-ace") {
            o.twoBeatsAce = oneOf(arg, value, kYesNo);
        } else if (arg == "--opponents") {
            o.opponents = oneOf(arg, value, kOpponentLevels);
        } else if (arg == "--policy") {
            o.policy = oneOf(arg, value, kSeatPolicies);
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
    if (o.tournament && o.policy != "lowest") usage("--policy goes with single games");
    if (o.resume && o.db.empty()) {
        usage("--continue needs --db PATH, the file of the game that stopped");
    }
    // Going on with a saved single game plays that game only, unless told otherwise.
    if (o.resume && !o.tournament && !gamesGiven) o.games = 1;
    return o;
}

}  // namespace zelvaro
