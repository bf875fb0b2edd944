#include "store/GameDatabase.h"

#include <sqlcipher/sqlite3.h>
#include <unistd.h>

#include <string>
#include <system_error>

#include "store/Database.h"
#include "store/Schema.h"

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

fs::path sidecar(const fs::path& file, const char* suffix) { return fs::path(file.string() + suffix); }

bool may(const fs::path& path, int mode) { return ::access(path.c_str(), mode) == 0; }

// What stands in the way before the file is even opened.
StoreRefusal permissionProblem(const fs::path& file, const fs::path& folder) {
    std::error_code ec;
    if (fs::exists(file, ec)) {
        if (!may(file, R_OK)) return {StoreProblem::Unreadable, file};
        if (!may(file, W_OK)) return {StoreProblem::FileReadOnly, file};
    }
    // The write-ahead log and its index are made beside the file.
    if (!may(folder, W_OK | X_OK)) return {StoreProblem::FolderReadOnly, folder};
    const fs::path log = sidecar(file, "-wal");
    if (fs::exists(log, ec) && !may(log, R_OK | W_OK)) return {StoreProblem::FileReadOnly, log};
    return {};
}

bool pagesAreSound(Database& db) {
    const ResultSet check = db.query("PRAGMA quick_check");
    return check.rows() == 1 && check.at(0, 0).text() == "ok";
}

}  // namespace

StoreRefusal openGameDatabase(Database& db, const fs::path& file) {
    std::error_code ec;
    Database::recoverInterruptedCompaction(file);
    const fs::path real = fs::is_symlink(file, ec) ? fs::weakly_canonical(file, ec) : file;
    const fs::path folder = real.parent_path().empty() ? fs::path(".") : real.parent_path();
    if (const StoreRefusal refusal = permissionProblem(real, folder); refusal.problem != StoreProblem::None) {
        return refusal;
    }
    // No other game has the folder, so a shared-memory index left beside the file is stale
    // (possibly made by another user, unwritable); SQLite makes a new one from the log.
    const fs::path index = sidecar(real, "-shm");
    fs::remove(index, ec);
    if (ec) return {StoreProblem::FileReadOnly, index};

    const fs::path log = sidecar(real, "-wal");
    const bool hadLog = fs::exists(log, ec);
    if (fs::exists(real, ec)) {
        // Looked at through a connection that writes nothing; a refused file gets back no
        // file it did not have.
        StoreProblem problem = StoreProblem::None;
        try {
            Database look;
            look.openReadOnly(real);
            if (databaseLayout(look) == Layout::Foreign || !pagesAreSound(look)) {
                problem = StoreProblem::DamagedOrForeign;
            }
        } catch (const DatabaseError& error) {
            const int code = error.primaryCode();
            problem = code == SQLITE_BUSY || code == SQLITE_LOCKED ? StoreProblem::Busy
                                                                   : StoreProblem::DamagedOrForeign;
        }
        fs::remove(index, ec);
        if (problem != StoreProblem::None) {
            if (!hadLog) fs::remove(log, ec);
            return {problem, real};
        }
    }
    db.open(real);
    ensureSchema(db);
    return {};
}

}  // namespace zelvaro
