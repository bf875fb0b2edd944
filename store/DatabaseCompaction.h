// Compaction at the game's exit, and the recovery of one that a stopped program left half
// done. The copy replaces the file only when it is complete, on the disk and readable.
#pragma once

#include <filesystem>
#include <functional>

namespace zelvaro {

class Database;

// Writes a compacted copy beside the database's file and puts it in the file's place in one
// step; closes the connection. Any failure ends it silently and leaves the original intact.
// `continueAfterStep` (tests only) may stop the work after step 1..4 as a crash would.
bool compactDatabase(Database& db, const std::function<bool(int step)>& continueAfterStep = {});

// A leftover compacted copy (beside `mainFile`) from a run stopped mid-exit: when the main
// file is missing, the copy takes its place; when both exist, the copy is an unfinished one
// and goes.
void recoverInterruptedCompaction(const std::filesystem::path& mainFile);

}  // namespace zelvaro
