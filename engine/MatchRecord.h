// What a finished single game leaves in the player's record.
#pragma once

namespace zelvaro {

class Database;
class GameSession;

// The seat's place in the table ranking: by score, and among equal scores the higher seat
// number first, as the ranking lists them.
int tablePlace(const GameSession& session, int seat);

// A single game has named `winner`: the human's place, score and result go into his record.
void recordSingleGame(Database& db, const GameSession& session, int winner);

}  // namespace zelvaro
