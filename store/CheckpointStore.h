// The saved game in the database: one match or tournament that can be continued. Its state
// is a record of the program's own, written in one transaction with everything the game wrote
// since the record before, so the file's field and standings are always those of the record's
// moment. Records of earlier versions kept a copy of the field beside them, still read.
#pragma once

#include <optional>
#include <string>

namespace zelvaro {

class Database;

// The tables that hold it, made when the file lacks them.
void ensureCheckpointTables(Database& db);

struct Checkpoint {
    std::string description;         // what the menu says would continue
    std::string state;               // the program's record
    std::string surname, firstName;  // the player's profile
};

// Replaces the saved game. Its field and standings are the file's own tables as they stand:
// the caller writes it in the transaction that holds the game's writes since the last one.
void saveCheckpoint(Database& db, const Checkpoint& checkpoint);
std::optional<Checkpoint> loadCheckpoint(Database& db);
// What the field and standings saved beside a game must hold to be put back: in a
// tournament the round's `entrants`, six to a table, the player among them, and every other
// of the `fieldSize` in the standings; any game, no row and no entrant twice.
struct SavedFieldShape {
    bool tournament = false;
    int fieldSize = 0;
    int entrants = 0;
    std::string surname, firstName;  // the player's
    bool copied = false;             // a record of an earlier version, with its copy of the field
};
// Whether the saved field and standings (the file's own, or an earlier record's copy of them)
// can be taken up as they are.
bool savedFieldIsWhole(Database& db, const SavedFieldShape& shape);
// Puts back the field and the standings saved with it; the caller holds the transaction.
void restoreCheckpointField(Database& db);
void removeCheckpoint(Database& db);
bool hasCheckpoint(Database& db);
// Whether the saved game is played by this profile (letter case ignored, as names are).
bool checkpointPlayedBy(Database& db, const std::string& surname, const std::string& firstName);

}  // namespace zelvaro
