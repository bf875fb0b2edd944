// Player profiles read from `giocatori` rows, by column position.
#pragma once

#include <string>

#include "primitives/PlayerProfile.h"

namespace zelvaro {

class Database;
class ResultSet;

// Columns 0 to 6 of the row, and the face (column 7) for a computer player.
PlayerProfile profileFromRow(const ResultSet& rs, int row, bool withFace);

// The user's profile whose display name is `displayName` (the Label22 caption) goes into
// `human`; with several, the last one wins; with none, `human` stays as it was.
void loadUserProfile(Database& db, const std::string& displayName, PlayerProfile& human);

}  // namespace zelvaro
