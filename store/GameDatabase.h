// Opening the game's database file at start-up: every reason it cannot be used is found
// before anything is written, and a refused file is left exactly as it was.
#pragma once

#include <filesystem>

namespace zelvaro {

class Database;

// Why the game's database cannot be used; each one is told in its own words.
enum class StoreProblem {
    None,
    InUse,           // another running Zelvaro has it (the folder lock)
    Busy,            // another program holds the file's lock
    Unreadable,      // no permission to read the file
    FileReadOnly,    // no permission to write the file
    FolderReadOnly,  // no permission to write the folder (the log files live there)
    FolderUnusable,  // the folder cannot be opened at all
    Foreign,         // not the game's: not a database, another key, another layout
    Damaged,         // the game's, with pages that do not read or fail the check
    CopyFailed,      // the player's file could not be copied into his folder (no room)
};

struct StoreRefusal {
    StoreProblem problem = StoreProblem::None;
    std::filesystem::path named;  // the file or folder the message names
};

// Opens `file` for the game: checks the permissions, clears a stale shared-memory index,
// opens with the key, checks the tables' layout and every page, and only then makes the
// file ready for the game and creates what a new file lacks. The caller holds the folder.
// Failures to write (a full disk) are thrown; everything else comes back as a refusal.
StoreRefusal openGameDatabase(Database& db, const std::filesystem::path& file);

}  // namespace zelvaro
