// The tournament tick (Timer2): the other tables of the round are played one after another
// by the random model and their points written to `torneo` at once, so the standings move
// while the human plays; once his match is over the tick also looks for the round's end.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class GameSession;
class Random;
class RoundEnd;
class Standings;
class Transaction;
struct Tournament;

class Simulation {
public:
    Simulation(Surface& surface, Database& db, Random& random, GameSession& session,
               Tournament& tournament, Standings& standings, RoundEnd& roundEnd)
        : surface_(surface),
          db_(db),
          random_(random),
          session_(session),
          tournament_(tournament),
          standings_(standings),
          roundEnd_(roundEnd) {}

    // Visits two tables (in the elimination types one, when it played a hand).
    void simulationTick();
    // Visits the table at the cursor, wrapping to table 1 past the last one, and plays one
    // hand there (six in the pot types) unless the table is done. Returns true when an
    // elimination hand was played.
    bool simulateTable();

    // Hands played by the simulated tables since the program started.
    long handsSimulated() const { return handsSimulated_; }

    // The field was put back as it was saved: nothing known of its tables holds any more.
    void forgetTables();

private:
    // simulateTable's work, its writes made inside `writes`, which the first of them begins.
    bool visitTable(std::optional<Transaction>& writes);
    struct TableRows;
    TableRows readTable(int table);
    // A table whose seats cannot play: not six of them, one at the goal, or the player's.
    static bool seatsDone(const TableRows& table, int goal);
    void forgetAnEarlierSeating();
    // The table's rows, none past the last table, or nothing for a table known to be done.
    std::optional<TableRows> tableAt(int table);
    void rememberDone(int table);

    Surface& surface_;
    Database& db_;
    Random& random_;
    GameSession& session_;
    Tournament& tournament_;
    Standings& standings_;
    RoundEnd& roundEnd_;
    long handsSimulated_ = 0;
    // Within one seating, a table that is done stays done (points only grow, nobody moves),
    // and the tables end where they ended: both are remembered, so the tick reads only the
    // tables still playing.
    std::uint32_t knownSeating_ = 0;
    std::vector<bool> doneTables_;
    int firstEmptyTable_ = 0;
    std::int64_t changesAfterLastTick_ = -1;
};

}  // namespace zelvaro
