// Saving the match or tournament in progress at every hand's start, and continuing it:
// everything the game holds in memory goes into one record (the table, the tournament, the
// random sequence, the stored number, the window and its timers), and the field and the
// standings are kept beside it as they stood, so that continuing deals the same cards and
// plays on exactly as if the game had never stopped.
#pragma once

#include <string>

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class GameSession;
class Random;
class Simulation;
class TableDisplay;
class TableEngine;
struct Tournament;

class MatchCheckpoint {
public:
    MatchCheckpoint(Surface& surface, Database& db, Random& random, GameSession& session,
                    Tournament& tournament, TableEngine& engine, TableDisplay& display,
                    Simulation& simulation)
        : surface_(surface), db_(db), random_(random), session_(session), tournament_(tournament),
          engine_(engine), display_(display), simulation_(simulation) {}

    // After an event that dealt a hand: the game is saved as it stands, while it is on the
    // table.
    void saveAtHandStart();
    // Saves the game as it stands now.
    void save();
    // What "Continua" would continue, empty when nothing is saved.
    std::string savedDescription();
    // "Continua": puts the saved game back and plays on. A saved game that cannot be
    // continued is told, removed after the player's OK, and nothing else changes.
    bool continueSaved();
    // Starting a new game while one is saved: asks, and drops the saved one on "Sì".
    bool mayStartNewGame();
    // Whether a saved game exists, as last seen.
    bool exists();

private:
    std::string describe() const;
    std::string record() const;
    void restore(const std::string& record);
    void refuse(const std::string& why);

    Surface& surface_;
    Database& db_;
    Random& random_;
    GameSession& session_;
    Tournament& tournament_;
    TableEngine& engine_;
    TableDisplay& display_;
    Simulation& simulation_;
};

}  // namespace zelvaro
