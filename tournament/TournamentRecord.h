// What a tournament leaves in the player's record when it ends for him, and the line that
// sets his place against his best under the final standings.
#pragma once

#include <string>

namespace zelvaro {

class Database;
class GameSession;
class Standings;
class Surface;
struct Tournament;

// "37° · il tuo migliore: 12°"
std::string bestPlaceLine(int place, int best);

// The player's tournament is over (he is out, or the final has been played): his place as
// the final standings will list him, the last round he played and his points go into his
// record, inside the caller's transaction when there is one.
void recordTournamentEnd(Database& db, const GameSession& session, const Tournament& tournament,
                         const Standings& standings, int roundReached);

// Under the final standings: the place just recorded against the best of his record.
void showBestPlaceLine(Surface& surface, Database& db, const GameSession& session);

}  // namespace zelvaro
