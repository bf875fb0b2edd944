// The game's one database file, password-protected, and the few operations the game needs
// on it. Statements are SQL text with `?` for the values that change from one call to the
// next, handed over apart; the rest is built by the callers, free text through fApici.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "store/ResultSet.h"
#include "store/Value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zelvaro {

class DatabaseError : public std::runtime_error {
public:
    // `code` is SQLite's (extended) result code, 0 for a fault of the caller's.
    explicit DatabaseError(const std::string& what, int code = 0)
        : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }
    // The primary result code: SQLITE_FULL for every kind of full disk, and so on.
    int primaryCode() const { return code_ & 0xFF; }

private:
    int code_;
};

class LogSyncer;

class Database {
public:
    static constexpr const char* kFileName = "zelvaro.mdb";
    static constexpr const char* kTempFileName = "zelvaroTemp.mdb";
    static constexpr const char* kPassword = "kq27053864ramelo";

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file with the game's key, ready for the game (write-ahead log). A missing
    // file is created empty. Throws DatabaseError when the file exists but cannot be read
    // with the key (corrupt, foreign).
    void open(const std::filesystem::path& file);
    // Opens with the key without writing anything yet, so that the file can be looked at
    // before it is accepted; useWriteAheadLog() then makes it ready for the game.
    void openUnchanged(const std::filesystem::path& file);
    void useWriteAheadLog();
    // Opens an existing file with the key only to read it: nothing is written to it, not
    // even the log that a connection folds into the file when it closes.
    void openReadOnly(const std::filesystem::path& file);
    bool isOpen() const { return db_ != nullptr; }
    const std::filesystem::path& file() const { return file_; }

    // The values for a statement's `?` marks, in order.
    using Parameters = std::vector<Value>;
    using RowVisit = std::function<bool(const RowView&)>;

    // Queries are prepared once and kept for the next identical text, so a question asked
    // again and again (the stored number, one table of the field) is only bound and run.
    ResultSet query(const std::string& sql, const Parameters& parameters = {});
    // Runs a query and hands its rows, in order, to `visit` without keeping them; `visit`
    // returns false to stop there. For the hot questions that look at a few cells of many
    // rows.
    void forEachRow(const std::string& sql, const RowVisit& visit) { forEachRow(sql, {}, visit); }
    void forEachRow(const std::string& sql, const Parameters& parameters, const RowVisit& visit);
    // A statement without values is prepared for this one run; one with values is kept, like
    // a query, for the next run with other values.
    void execute(const std::string& sql);
    void execute(const std::string& sql, const Parameters& parameters);
    // Appends one row, assigning the named columns.
    void appendRow(const std::string& table,
                   const std::vector<std::pair<std::string, Value>>& columns);

    // Rows inserted, changed or deleted through this connection since it opened: when it
    // has not moved, nothing that this game stores has changed.
    std::int64_t changesMade() const;

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const;

    // The write-ahead log: how many pages it holds since it last started over, as of the
    // last commit. A commit that takes it past kLogFoldBound folds it back into the file
    // itself; the game folds it sooner where it pauses anyway (foldLog), as that costs the
    // file's flushes to the disk.
    static constexpr int kLogFoldBound = 4000;
    int logFrames() const { return logFrames_; }
    // How many times the log has been flushed to the disk after a commit (LogSyncer).
    std::int64_t logFlushes() const;
    // Leaves commits to the system from now on, no longer flushed soon after: for a run no
    // one plays (a simulation, a benchmark), where a flush on another thread would only slow
    // the commits that meet it.
    void stopFlushingLog();
    // Copies the log's pages into the file and starts the log over; only outside a
    // transaction, and never waiting for another connection's readers.
    void foldLog();

    // Compacts the file in its place and closes; see compactDatabase.
    bool compact(const std::function<bool(int step)>& continueAfterStep = {});
    void close();
    // Finalizes every kept statement: none may stand on a schema that is attached or detached.
    void forgetPreparedStatements();

    // Text with every apostrophe doubled, for a single-quoted SQL literal: O'Neil'S ->
    // O''Neil''S.
    static std::string fApici(std::string_view value);
    // The text as a single-quoted SQL literal: 'O''Neil'.
    static std::string quoted(std::string_view value);
    // Replaces every occurrence of `search` (letter case ignored) from the 1-based position
    // `start` on; inserted text is never scanned again.
    static std::string replace(std::string_view text, std::string_view search,
                               std::string_view replacement, int start);

    // See recoverInterruptedCompaction in DatabaseCompaction.h.
    static void recoverInterruptedCompaction(const std::filesystem::path& mainFile);

private:
    void openWith(const std::filesystem::path& file, int flags);
    void keyAndCheck();
    [[noreturn]] void fail(const std::string& sql) const;
    // The prepared form of a query text, kept for the next identical query: the game asks
    // the same questions (the stored number, the options, the whole tournament field) again
    // and again. It remembers how many rows it last returned, so the next result's columns
    // are sized at once.
    struct KeptQuery {
        sqlite3_stmt* stmt;
        std::size_t lastRows;
    };
    // The kept statement for `sql`, bound to `parameters` and ready to step.
    KeptQuery& preparedQuery(const std::string& sql, const Parameters& parameters);

    static int afterLogCommit(void* self, sqlite3* db, const char* name, int frames);

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    int logFrames_ = 0;
    std::unique_ptr<LogSyncer> logSyncer_;
    std::unordered_map<std::string, KeptQuery> queries_;
};

// Runs its statements inside one transaction; rolls back unless committed. Begun inside
// another one it joins it: its statements go in or stay out with the outer transaction's.
class Transaction {
public:
    explicit Transaction(Database& db) : db_(db), joined_(db.inTransaction()) {
        if (!joined_) db_.beginTransaction();
    }
    ~Transaction() {
        if (!done_ && !joined_) {
            try {
                db_.rollback();
            } catch (...) {
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit() {
        if (!joined_) db_.commit();
        done_ = true;
    }

private:
    Database& db_;
    bool joined_;
    bool done_ = false;
};

}  // namespace zelvaro
