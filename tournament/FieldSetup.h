// The start of a tournament: the field of entrants drawn from the computer pool into `torneo`,
// the list of tables, and the human's table seated at the live table.
#pragma once

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class GameSession;
class Random;
class Standings;
class TableDisplay;
class TableEngine;
struct Tournament;

class FieldSetup {
public:
    FieldSetup(Surface& surface, Database& db, Random& random, GameSession& session,
               Tournament& tournament, TableDisplay& display, TableEngine& engine,
               Standings& standings)
        : surface_(surface),
          db_(db),
          random_(random),
          session_(session),
          tournament_(tournament),
          display_(display),
          engine_(engine),
          standings_(standings) {}

    // "Avanti" on the tournament rules panel (Label36): builds the field around the player in
    // the session, seats his table and starts the three timers.
    void startTournament();
    // Draws `fieldsize` entrants, six to a table, the human among them. Returns false, with
    // `torneo` untouched, when the pool holds too few distinct players to fill the field.
    bool buildField();
    // Combo7 lists every table that has entrants and shows the player's.
    void listActiveTables();
    // Seats the human's table: the human at seat 0, his five table mates at seats 1 to 5,
    // each starting from 0 or, with `carry`, from the points he brings from the last round.
    void seatHumanTable(bool carry);

private:
    void returnToMenu();

    Surface& surface_;
    Database& db_;
    Random& random_;
    GameSession& session_;
    Tournament& tournament_;
    TableDisplay& display_;
    TableEngine& engine_;
    Standings& standings_;
};

}  // namespace zelvaro
