#include "store/Database.h"

#include <sqlcipher/sqlite3.h>

#include <cctype>

#include "store/DatabaseCompaction.h"
#include "store/LogSyncer.h"
#include "store/NameCollation.h"

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

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

int compareNamesOfSqlite(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compareNames({static_cast<const char*>(a), static_cast<std::size_t>(lengthA)},
                        {static_cast<const char*>(b), static_cast<std::size_t>(lengthB)});
}

int bindValue(sqlite3_stmt* stmt, int index, const Value& value) {
    const auto& data = value.data();
    if (const auto* i = std::get_if<std::int64_t>(&data))
        return sqlite3_bind_int64(stmt, index, *i);
    if (const auto* d = std::get_if<double>(&data)) return sqlite3_bind_double(stmt, index, *d);
    if (const auto* s = std::get_if<std::string>(&data)) {
        return sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()),
                                 SQLITE_TRANSIENT);
    }
    return sqlite3_bind_null(stmt, index);
}

// Copies what it can of the log into the file, waiting for no reader; whether that was all.
bool foldWholeLog(sqlite3* db, const char* name) {
    int logged = 0, copied = 0;
    return sqlite3_wal_checkpoint_v2(db, name, SQLITE_CHECKPOINT_PASSIVE, &logged, &copied) ==
               SQLITE_OK &&
           copied == logged;
}

}  // namespace

Database::Database() = default;

Database::~Database() {
    close();
}

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
    const bool logging = query("PRAGMA journal_mode=WAL").at(0, 0).text() == "wal";
    execute("PRAGMA synchronous=NORMAL");
    if (logging) logSyncer_ = std::make_unique<LogSyncer>(file_.string() + "-wal");
    // In place of SQLite's own folding at every 1000 pages, which a save point would pay for
    // wherever it fell.
    sqlite3_wal_hook(db_, &Database::afterLogCommit, this);
}

int Database::afterLogCommit(void* self, sqlite3* db, const char* name, int frames) {
    auto& database = *static_cast<Database*>(self);
    database.logFrames_ = frames;
    if (database.logSyncer_) database.logSyncer_->committed();
    if (frames >= kLogFoldBound && foldWholeLog(db, name)) database.logFrames_ = 0;
    return SQLITE_OK;
}

std::int64_t Database::logFlushes() const {
    return logSyncer_ ? logSyncer_->flushes() : 0;
}

void Database::stopFlushingLog() {
    logSyncer_.reset();
}

void Database::foldLog() {
    if (!db_ || inTransaction() || !foldWholeLog(db_, nullptr)) return;
    logFrames_ = 0;
    // The first commit after a fold starts the log over, a tenth of a millisecond more than
    // any other: a commit of the file's version number, unchanged, takes that on here.
    const std::int64_t version = query("PRAGMA user_version").at(0, 0).integer();
    execute("PRAGMA user_version = " + std::to_string(version));
}

void Database::openReadOnly(const fs::path& file) {
    openWith(file, SQLITE_OPEN_READONLY);
}

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
        // The text columns are declared in the game's name order, by the order's own name:
        // this connection sorts and matches them by compareNames.
        if (sqlite3_create_collation_v2(db_, kNameCollation, SQLITE_UTF8, nullptr,
                                        &compareNamesOfSqlite, nullptr) != SQLITE_OK) {
            fail(kNameCollation);
        }
        keyAndCheck();
    } catch (...) {
        close();
        throw;
    }
}

void Database::keyAndCheck() {
    execute(std::string("PRAGMA key = ") + quoted(kPassword));
    // A second copy of the game on the same file waits its turn briefly instead of failing.
    sqlite3_busy_timeout(db_, 2000);
    // Reading the schema is the first moment a wrong key or a damaged file shows.
    query("SELECT count(*) FROM sqlite_master");
}

void Database::fail(const std::string& sql) const {
    throwError(db_, sql);
}

Database::KeptQuery& Database::preparedQuery(const std::string& sql, const Parameters& parameters) {
    if (!db_) throw DatabaseError("database not open");
    constexpr std::size_t kKeptQueries = 64;
    auto found = queries_.find(sql);
    if (found == queries_.end()) {
        if (queries_.size() >= kKeptQueries) forgetPreparedStatements();
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) !=
            SQLITE_OK) {
            sqlite3_finalize(stmt);
            fail(sql);
        }
        found = queries_.emplace(sql, KeptQuery{stmt, 0}).first;
    }
    sqlite3_stmt* stmt = found->second.stmt;
    if (sqlite3_bind_parameter_count(stmt) != static_cast<int>(parameters.size())) {
        throw DatabaseError("wrong number of values [" + sql + "]");
    }
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (bindValue(stmt, static_cast<int>(i) + 1, parameters[i]) != SQLITE_OK) fail(sql);
    }
    return found->second;
}

void Database::forgetPreparedStatements() {
    for (const auto& [sql, kept] : queries_) sqlite3_finalize(kept.stmt);
    queries_.clear();
}

ResultSet Database::query(const std::string& sql, const Parameters& parameters) {
    KeptQuery& kept = preparedQuery(sql, parameters);
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
    const RowView row(stmt);
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt)) {
        for (int c = 0; c < count; ++c) columns[c].push_back(row.value(c));
    }
    if (rc != SQLITE_DONE) fail(sql);
    kept.lastRows = count > 0 ? columns[0].size() : 0;
    return ResultSet(std::move(names), std::move(columns));
}

void Database::forEachRow(const std::string& sql, const Parameters& parameters,
                          const RowVisit& visit) {
    sqlite3_stmt* stmt = preparedQuery(sql, parameters).stmt;
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

void Database::execute(const std::string& sql, const Parameters& parameters) {
    sqlite3_stmt* stmt = preparedQuery(sql, parameters).stmt;
    const ResetAfterUse reset{stmt};
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) fail(sql);
}

void Database::appendRow(const std::string& table,
                         const std::vector<std::pair<std::string, Value>>& columns) {
    std::string names, marks;
    Parameters values;
    values.reserve(columns.size());
    for (const auto& [name, value] : columns) {
        names += (names.empty() ? "\"" : ", \"") + name + "\"";
        marks += marks.empty() ? "?" : ", ?";
        values.push_back(value);
    }
    execute("INSERT INTO \"" + table + "\" (" + names + ") VALUES (" + marks + ")", values);
}

bool Database::compact(const std::function<bool(int step)>& continueAfterStep) {
    return compactDatabase(*this, continueAfterStep);
}

void Database::recoverInterruptedCompaction(const fs::path& mainFile) {
    zelvaro::recoverInterruptedCompaction(mainFile);
}

std::int64_t Database::changesMade() const {
    return db_ ? sqlite3_total_changes(db_) : 0;
}

// Kept like the statements with values: the tournament opens one transaction a tick.
void Database::beginTransaction() {
    execute("BEGIN IMMEDIATE", {});
}
void Database::commit() {
    execute("COMMIT", {});
}
bool Database::inTransaction() const {
    return db_ != nullptr && sqlite3_get_autocommit(db_) == 0;
}
void Database::rollback() {
    if (db_ && !sqlite3_get_autocommit(db_)) execute("ROLLBACK", {});
}

void Database::close() {
    logSyncer_.reset();
    forgetPreparedStatements();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        logFrames_ = 0;
    }
}

std::string Database::replace(std::string_view text, std::string_view search,
                              std::string_view replacement, int start) {
    std::string copy(text);
    if (search.empty()) return copy;
    auto upper = [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    };
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

std::string Database::fApici(std::string_view value) {
    return replace(value, "'", "''", 1);
}

std::string Database::quoted(std::string_view value) {
    std::string literal = "'";
    literal += fApici(value);
    literal += '\'';
    return literal;
}

}  // namespace zelvaro
