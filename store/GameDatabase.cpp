#include "store/GameDatabase.h"

#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <unistd.h>

#include <string>
#include <system_error>

#include "store/Database.h"
#include "store/Schema.h"

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

fs::path sidecar(const fs::path& file, const char* suffix) {
    return fs::path(file.string() + suffix);
}

bool may(const fs::path& path, int mode) {
    return ::access(path.c_str(), mode) == 0;
}

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

// What is wrong with a file that opened with the key: not the game's, or damaged pages.
StoreProblem soundnessOf(Database& db) {
    if (databaseLayout(db) == Layout::Foreign) return StoreProblem::Foreign;
    const ResultSet check = db.query("PRAGMA quick_check");
    return check.rows() == 1 && check.at(0, 0).text() == "ok" ? StoreProblem::None
                                                              : StoreProblem::Damaged;
}

// Whether a process has the database open through this shared-memory index: every
// connection holds a read lock on the index's byte 128 for as long as it is open.
bool indexInUse(const fs::path& index) {
    const int fd = ::open(index.c_str(), O_RDONLY);
    if (fd < 0) return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 128;
    lock.l_len = 1;
    const bool held = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

StoreProblem problemOf(const DatabaseError& error) {
    // A file that cannot be read with the key is no database of the game's (with the
    // encryption, random bytes and a first page gone bad look alike); any other failure of
    // the reading is a damaged file.
    switch (error.primaryCode()) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return StoreProblem::Busy;
        case SQLITE_NOTADB:
            return StoreProblem::Foreign;
        default:
            return StoreProblem::Damaged;
    }
}

}  // namespace

StoreRefusal openGameDatabase(Database& db, const fs::path& file) {
    std::error_code ec;
    Database::recoverInterruptedCompaction(file);
    const fs::path real = fs::is_symlink(file, ec) ? fs::weakly_canonical(file, ec) : file;
    const fs::path folder = real.parent_path().empty() ? fs::path(".") : real.parent_path();
    if (const StoreRefusal refusal = permissionProblem(real, folder);
        refusal.problem != StoreProblem::None) {
        return refusal;
    }
    // The shared-memory index beside the file belongs to SQLite's locking: another program
    // that has the file open shares it, so it is never taken away while one does. Only a
    // stale one that this user cannot write (left by another user) goes; SQLite makes a new
    // one from the log.
    const fs::path index = sidecar(real, "-shm");
    if (fs::exists(index, ec) && !may(index, R_OK | W_OK)) {
        if (indexInUse(index)) return {StoreProblem::Busy, real};
        fs::remove(index, ec);
        if (ec) return {StoreProblem::FileReadOnly, index};
    }

    const fs::path log = sidecar(real, "-wal");
    const bool hadLog = fs::exists(log, ec);
    const bool hadIndex = fs::exists(index, ec);
    StoreProblem problem = StoreProblem::None;
    try {
        if (hadLog && fs::exists(real, ec)) {
            // A log left by a program that stopped is folded into the file when the
            // connection closes: only into a file that is accepted, so this one is looked at
            // through a connection that cannot write.
            Database look;
            look.openReadOnly(real);
            problem = soundnessOf(look);
        }
        if (problem == StoreProblem::None) {
            db.openUnchanged(real);
            if (!hadLog) problem = soundnessOf(db);
        }
    } catch (const DatabaseError& error) {
        problem = problemOf(error);
    }
    if (problem != StoreProblem::None) {
        // A refused file keeps its bytes and gets back no file it did not have, unless another
        // program has it open and the files are that program's.
        db.close();
        if (!indexInUse(index)) {
            if (!hadIndex) fs::remove(index, ec);
            if (!hadLog) fs::remove(log, ec);
        }
        return {problem, real};
    }
    try {
        db.useWriteAheadLog();
        ensureSchema(db);
    } catch (const DatabaseError& error) {
        // Another program inside a write of its own past the wait: nothing was written.
        if (problemOf(error) != StoreProblem::Busy) throw;
        db.close();
        return {StoreProblem::Busy, real};
    }
    return {};
}

}  // namespace zelvaro
