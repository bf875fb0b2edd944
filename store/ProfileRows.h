// Player profiles read from `giocatori` rows, by column position.
#pragma once

#include <cstdint>

#include "primitives/PlayerProfile.h"

namespace zelvaro {

class Database;
class ResultSet;

// Columns 0 to 6 of the row, and the face (column 7) for a computer player.
PlayerProfile profileFromRow(const ResultSet& rs, int row, bool withFace);

// The user's profile in row `rowId` goes into `human`; false, and `human` as it was, when
// that row is no user profile.
bool loadUserProfile(Database& db, std::int64_t rowId, PlayerProfile& human);

}  // namespace zelvaro
