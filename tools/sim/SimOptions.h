// The simulator's command line: what to play, with which options, and where the file goes.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "tools/sim/StopPoint.h"

namespace zelvaro {

// The game types a tournament can be played in.
inline constexpr std::array<std::string_view, 2> kOpponentLevels{"Classici", "Esperti"};
inline constexpr std::array<std::string_view, 4> kSeatPolicies{"lowest", "highest", "random",
                                                               "expert"};
inline constexpr std::array<std::string_view, 9> kTournamentTypes{
    "25 Punti",         "50 Punti",   "100 Punti",   "Eliminazione 25", "Eliminazione 50",
    "Eliminazione 100", "Piatto 500", "Piatto 1000", "Piatto 2000"};

struct SimOptions {
    bool tournament = false;
    bool toTheFinal = false;
    std::string limit = "Senza Limite";
    std::filesystem::path save;
    long games = 100;
    std::string type = "50 Punti";
    std::string speed = "Normale";
    std::string change = "Si";
    std::string twoBeatsAce = "No";
    std::string prize = "1 Carta";
    std::filesystem::path db;
    long chipsHands = 50;  // a "Chips" match never ends by itself: it is left after this many
    bool stats = false;    // print the simulated player's record at the end
    bool play = true;      // --stats alone only prints the record the database holds
    // Stop as a closed window would, after this many of the player's hands, tricks taken or
    // cards laid at his table.
    StopAfter stopAfter;
    bool resume = false;                 // --continue: go on with the game saved in --db
    std::string opponents = "Classici";  // the computer seats' level: "Classici" or "Esperti"
    std::string policy = "lowest";       // seat 0: "lowest", "highest", "random", "expert"
};

// Reads the command line. --help (or -h) prints the usage on stdout and ends the program with
// status 0; an unknown option, a missing or bad value prints what is wrong, the allowed
// values and the usage on stderr and ends it with status 2.
SimOptions parseSimOptions(int argc, char** argv);

}  // namespace zelvaro
