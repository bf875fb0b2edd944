// The end of a round's bookkeeping: the best three of every table go on with the points they
// scored beyond the goal, six to a new table; the others leave the field for the standings.
#pragma once

namespace zelvaro {

class Database;
struct MatchOptions;
struct Tournament;

// Rewrites `torneo` for the next round, appends the eliminated to `classifica` with their
// total points, and moves the round number on; all in one transaction. Game types without a
// goal only move the round number.
void advanceRound(Database& db, Tournament& tournament, const MatchOptions& options);

}  // namespace zelvaro
