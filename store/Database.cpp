#include "store/Database.h"

#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <unistd.h>

#include <cctype>
#include <system_error>

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

std::string sqlLiteral(std::string_view text) {
    std::string literal = "'";
    literal += Database::fApici(text);
    literal += '\'';
    return literal;
}

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

[[noreturn]] void throwError(sqlite3* db, const std::string& sql) {
    throw DatabaseError(std::string(sqlite3_errmsg(db)) + " [" + sql + "]",
                        sqlite3_extended_errcode(db));
}

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
            SQLITE_OK) {
            sqlite3_finalize(stmt_);
            throwError(db, sql);
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// A kept statement is reset after every use, so it holds no read lock between queries.
struct ResetAfterUse {
    sqlite3_stmt* stmt;
    ~ResetAfterUse() { sqlite3_reset(stmt); }
};

Value readCell(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_INTEGER:
            return Value(static_cast<std::int64_t>(sqlite3_column_int64(stmt, column)));
        case SQLITE_FLOAT:
            return Value(sqlite3_column_double(stmt, column));
        case SQLITE_NULL:
            return Value();
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            return Value(std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))));
        }
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const Value& value) {
    const auto& data = value.data();
    if (const auto* i = std::get_if<std::int64_t>(&data)) {
        sqlite3_bind_int64(stmt, index, *i);
    } else if (const auto* d = std::get_if<double>(&data)) {
        sqlite3_bind_double(stmt, index, *d);
    } else if (const auto* s = std::get_if<std::string>(&data)) {
        sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    } else {
        sqlite3_bind_null(stmt, index);
    }
}

}  // namespace

ResultSet::ResultSet(std::vector<std::string> names, std::vector<std::vector<Value>> columns)
    : names_(std::move(names)), columns_(std::move(columns)) {}

int ResultSet::column(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == name) return static_cast<int>(i);
    }
    throw DatabaseError("no column " + std::string(name));
}

Database::~Database() { close(); }

void Database::open(const fs::path& file) {
    openUnchanged(file);
    try {
        useWriteAheadLog();
    } catch (...) {
        close();
        throw;
    }
}

void Database::openUnchanged(const fs::path& file) {
    openWith(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void Database::useWriteAheadLog() {
    query("PRAGMA journal_mode=WAL");
    execute("PRAGMA synchronous=NORMAL");
}

void Database::openReadOnly(const fs::path& file) { openWith(file, SQLITE_OPEN_READONLY); }

void Database::openWith(const fs::path& file, int flags) {
    // The game never reads SQLite's memory statistics, and keeping them takes one lock shared
    // by every connection on every allocation: connections on two threads would queue on it.
    // The setting must come before SQLite starts; later it is refused and changes nothing.
    static const bool noMemoryStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    (void)noMemoryStatistics;
    close();
    file_ = file;
    // A connection serves one thread at a time (the window's, or one benchmark table's), so
    // SQLite need not lock it on every call.
    if (sqlite3_open_v2(file.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        const int code = db_ ? sqlite3_extended_errcode(db_) : SQLITE_NOMEM;
        close();
        throw DatabaseError(message, code);
    }
    try {
        keyAndCheck();
    } catch (...) {
        close();
        throw;
    }
}

void Database::keyAndCheck() {
    execute(std::string("PRAGMA key = ") + sqlLiteral(kPassword));
    // A second copy of the game on the same file waits its turn briefly instead of failing.
    sqlite3_busy_timeout(db_, 2000);
    // Reading the schema is the first moment a wrong key or a damaged file shows.
    query("SELECT count(*) FROM sqlite_master");
}


void Database::fail(const std::string& sql) const { throwError(db_, sql); }

Database::KeptQuery& Database::preparedQuery(const std::string& sql) {
    constexpr std::size_t kKeptQueries = 64;
    if (const auto found = queries_.find(sql); found != queries_.end()) return found->second;
    if (queries_.size() >= kKeptQueries) forgetQueries();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(sql);
    }
    return queries_.emplace(sql, KeptQuery{stmt, 0}).first->second;
}

void Database::forgetQueries() {
    for (const auto& [sql, kept] : queries_) sqlite3_finalize(kept.stmt);
    queries_.clear();
}

ResultSet Database::query(const std::string& sql) {
    if (!db_) throw DatabaseError("database not open");
    KeptQuery& kept = preparedQuery(sql);
    sqlite3_stmt* stmt = kept.stmt;
    const ResetAfterUse reset{stmt};
    // The columns are read after the first step: a kept statement whose tables changed is
    // prepared again by that step, and only then names the columns as they are now.
    int rc = sqlite3_step(stmt);
    const int count = sqlite3_column_count(stmt);
    std::vector<std::string> names(count);
    for (int c = 0; c < count; ++c) names[c] = sqlite3_column_name(stmt, c);
    std::vector<std::vector<Value>> columns(count);
    for (std::vector<Value>& column : columns) column.reserve(kept.lastRows);
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt)) {
        for (int c = 0; c < count; ++c) columns[c].push_back(readCell(stmt, c));
    }
    if (rc != SQLITE_DONE) fail(sql);
    kept.lastRows = count > 0 ? columns[0].size() : 0;
    return ResultSet(std::move(names), std::move(columns));
}

std::int64_t RowView::integer(int column) const {
    if (sqlite3_column_type(stmt_, column) == SQLITE_INTEGER) return sqlite3_column_int64(stmt_, column);
    return readCell(stmt_, column).integer();
}

std::string_view RowView::text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text == nullptr ? std::string_view()
                           : std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

void Database::forEachRow(const std::string& sql, const std::function<bool(const RowView&)>& visit) {
    if (!db_) throw DatabaseError("database not open");
    sqlite3_stmt* stmt = preparedQuery(sql).stmt;
    const ResetAfterUse reset{stmt};
    const RowView row(stmt);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (!visit(row)) return;
    }
    if (rc != SQLITE_DONE) fail(sql);
}

void Database::execute(const std::string& sql) {
    if (!db_) throw DatabaseError("database not open");
    Statement stmt(db_, sql);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) fail(sql);
}

void Database::appendRow(const std::string& table,
                         const std::vector<std::pair<std::string, Value>>& columns) {
    std::string names, marks;
    for (const auto& [name, value] : columns) {
        names += (names.empty() ? "\"" : ", \"") + name + "\"";
        marks += marks.empty() ? "?" : ", ?";
    }
    const std::string sql = "INSERT INTO \"" + table + "\" (" + names + ") VALUES (" + marks + ")";
    if (!db_) throw DatabaseError("database not open");
    Statement stmt(db_, sql);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        bindValue(stmt.get(), static_cast<int>(i) + 1, columns[i].second);
    }
    if (sqlite3_step(stmt.get()) != SQLITE_DONE) fail(sql);
}

void Database::beginTransaction() { execute("BEGIN IMMEDIATE"); }
void Database::commit() { execute("COMMIT"); }
void Database::rollback() {
    if (db_ && !sqlite3_get_autocommit(db_)) execute("ROLLBACK");
}

bool Database::compact(const std::function<bool(int step)>& continueAfterStep) {
    if (!db_) return false;
    // Through a symbolic link the copy is written beside the file it points to and takes
    // that file's place, so the link stays a link.
    std::error_code ec;
    const fs::path main = fs::is_symlink(file_, ec) ? fs::canonical(file_, ec) : file_;
    if (ec) return false;
    const fs::path folder = main.parent_path();
    const fs::path temp = folder / kTempFileName;
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
        forgetQueries();
        execute("ATTACH DATABASE " + sqlLiteral(temp.string()) + " AS compacted KEY " +
                sqlLiteral(kPassword));
        query("PRAGMA compacted.journal_mode=DELETE");
        query("SELECT sqlcipher_export('compacted')");
        forgetQueries();
        execute("DETACH DATABASE compacted");
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

        // 3. Close the main file; its write-ahead log must be folded in and gone, or it would
        // be replayed onto the copy.
        close();
        if (fs::exists(sidecar(main, "-wal")) && fs::file_size(sidecar(main, "-wal"), ec) > 0) {
            return failed();
        }
        fs::remove(sidecar(main, "-wal"), ec);
        fs::remove(sidecar(main, "-shm"), ec);
        if (stopHere(3)) return false;

        // 4. One atomic step: the copy takes the main file's name.
        fs::rename(temp, main, ec);
        if (ec) return failed();
        syncFolder(folder);
        if (stopHere(4)) return false;
        return true;
    } catch (...) {
        try {
            if (db_) execute("DETACH DATABASE compacted");
        } catch (...) {
        }
        return failed();
    }
}

void Database::close() {
    forgetQueries();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

std::string Database::replace(std::string_view text, std::string_view search,
                              std::string_view replacement, int start) {
    std::string copy(text);
    if (search.empty()) return copy;
    auto upper = [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
    std::size_t pos = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
    while (pos + search.size() <= copy.size()) {
        bool match = true;
        for (std::size_t k = 0; k < search.size(); ++k) {
            if (upper(copy[pos + k]) != upper(search[k])) {
                match = false;
                break;
            }
        }
        if (match) {
            copy.replace(pos, search.size(), replacement);
            pos += replacement.size();
        } else {
            ++pos;
        }
    }
    return copy;
}

std::string Database::fApici(std::string_view value) { return replace(value, "'", "''", 1); }

void Database::recoverInterruptedCompaction(const fs::path& mainFile) {
    std::error_code ec;
    const fs::path main = fs::is_symlink(mainFile, ec) ? fs::weakly_canonical(mainFile, ec) : mainFile;
    const fs::path temp = main.parent_path() / kTempFileName;
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
