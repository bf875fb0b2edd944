#include "store/DatabaseCompaction.h"

#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <unistd.h>

#include <system_error>

#include "store/Database.h"

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

// Forces a file's content to the disk before it takes the place of another.
bool syncFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

fs::path sidecar(const fs::path& file, const char* suffix) {
    return fs::path(file.string() + suffix);
}

}  // namespace

bool compactDatabase(Database& db, const std::function<bool(int step)>& continueAfterStep) {
    if (!db.isOpen()) return false;
    const fs::path& file = db.file();
    // Through a symbolic link the copy is written beside the file it points to and takes
    // that file's place, so the link stays a link.
    std::error_code ec;
    const fs::path main = fs::is_symlink(file, ec) ? fs::canonical(file, ec) : file;
    if (ec) return false;
    const fs::path folder = main.parent_path();
    const fs::path temp = folder / Database::kTempFileName;
    auto stopHere = [&](int step) { return continueAfterStep && !continueAfterStep(step); };
    // A failure takes away what the compaction wrote; a stop (a crash, in the tests) leaves
    // the files as they stand for the next start to recover.
    auto removeCopy = [&] {
        for (const char* side : {"", "-wal", "-shm"}) fs::remove(sidecar(temp, side), ec);
    };
    auto failed = [&] {
        removeCopy();
        return false;
    };
    try {
        // 1. A complete compacted copy, written with the same key.
        removeCopy();
        // No kept statement may stand on the copy's schema when it is attached or detached.
        db.forgetPreparedStatements();
        db.execute("ATTACH DATABASE " + Database::quoted(temp.string()) + " AS compacted KEY " +
                   Database::quoted(Database::kPassword));
        db.query("PRAGMA compacted.journal_mode=DELETE");
        db.query("SELECT sqlcipher_export('compacted')");
        // The export copies the schema and the rows but not the user version, which tells
        // the next start what the file has already been converted to.
        db.execute("PRAGMA compacted.user_version = " +
                   std::to_string(db.query("PRAGMA main.user_version").at(0, 0).integer()));
        db.forgetPreparedStatements();
        db.execute("DETACH DATABASE compacted");
        // The copy keeps the file's permissions.
        fs::permissions(temp, fs::status(main).permissions(), ec);
        if (ec || !syncFile(temp)) return failed();
        if (stopHere(1)) return false;

        // 2. The copy must open and read back whole before it may replace anything.
        {
            Database check;
            check.open(temp);
            const ResultSet ok = check.query("PRAGMA quick_check");
            if (ok.empty() || ok.at(0, 0).text() != "ok") return failed();
            check.close();
        }
        fs::remove(sidecar(temp, "-wal"), ec);
        fs::remove(sidecar(temp, "-shm"), ec);
        if (stopHere(2)) return false;

        // 3. Close the main file. The last connection to close folds the write-ahead log in
        // and takes it and its index away; when they are still there, another program has the
        // file open (it would go on writing to the replaced file) or the log was not folded
        // in (it would be replayed onto the copy): the file stays as it is.
        db.close();
        if (fs::exists(sidecar(main, "-wal"), ec) || fs::exists(sidecar(main, "-shm"), ec)) {
            return failed();
        }
        if (stopHere(3)) return false;

        // 4. One atomic step: the copy takes the main file's name.
        fs::rename(temp, main, ec);
        if (ec) return failed();
        syncFolder(folder);
        if (stopHere(4)) return false;
        return true;
    } catch (...) {
        try {
            if (db.isOpen()) db.execute("DETACH DATABASE compacted");
        } catch (...) {
        }
        return failed();
    }
}

void recoverInterruptedCompaction(const fs::path& mainFile) {
    std::error_code ec;
    const fs::path main =
        fs::is_symlink(mainFile, ec) ? fs::weakly_canonical(mainFile, ec) : mainFile;
    const fs::path temp = main.parent_path() / Database::kTempFileName;
    if (!fs::exists(temp, ec)) return;
    if (!fs::exists(main, ec)) {
        fs::rename(temp, main, ec);
    } else {
        fs::remove(temp, ec);
    }
    fs::remove(sidecar(temp, "-wal"), ec);
    fs::remove(sidecar(temp, "-shm"), ec);
}

}  // namespace zelvaro
