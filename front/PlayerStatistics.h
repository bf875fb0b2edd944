// What a finished game leaves in the player's statistics: a single game's place, score and
// result; a tournament's place, last round and points; and the line that sets a tournament's
// place against his best under the final standings.
#pragma once

#include <string>

namespace zelvaro {

class Database;
class GameSession;
class Standings;
class Surface;
struct Tournament;

// The seat's place at its table by score; seats level share the best of their places, as in
// any sport's table.
int tablePlace(const GameSession& session, int seat);

// A single game has named `winner`: the player's place, score and result go into his record.
void recordSingleGame(Database& db, const GameSession& session, int winner);

// "37° · il tuo migliore: 12°"
std::string bestPlaceLine(int place, int best);

// The player's tournament is over (he is out, or the final has been played): his place as
// the final standings list him (entrants level share the best of their places), the last
// round he played and his points go into his record.
void recordTournamentEnd(Database& db, const GameSession& session, const Tournament& tournament,
                         const Standings& standings, int roundReached);

// Under the final standings: the place just recorded against the best of his record.
void showBestPlaceLine(Surface& surface, Database& db, const GameSession& session);

}  // namespace zelvaro
