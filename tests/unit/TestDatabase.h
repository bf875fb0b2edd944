// Temporary folders and databases for the tests.
#pragma once

#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

#include "store/Database.h"
#include "store/Schema.h"

namespace zelvaro::testsupport {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zelvaro-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temp folder");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A file's bytes, to compare before and after.
inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Another SQLite program on the game's file (the sqlcipher shell, a backup tool): the game's
// key, and SQLite's own functions only, not the game's.
class StockConnection {
public:
    explicit StockConnection(const std::filesystem::path& file) {
        if (sqlite3_open(file.c_str(), &db_) != SQLITE_OK) throw std::runtime_error("no file");
        run("PRAGMA key = " + Database::quoted(Database::kPassword));
    }
    ~StockConnection() { sqlite3_close(db_); }
    StockConnection(const StockConnection&) = delete;
    StockConnection& operator=(const StockConnection&) = delete;
    sqlite3* handle() const { return db_; }

    // What the shell prints for `sql`: each row's values joined by '|', a line a row; or,
    // once a statement fails, "Error: " and SQLite's message alone.
    std::string run(const std::string& sql) {
        std::string printed;
        char* error = nullptr;
        const auto printRow = [](void* out, int n, char** values, char**) {
            auto& text = *static_cast<std::string*>(out);
            for (int i = 0; i < n; ++i) (text += i ? "|" : "") += values[i] ? values[i] : "";
            text += '\n';
            return 0;
        };
        if (sqlite3_exec(db_, sql.c_str(), printRow, &printed, &error) != SQLITE_OK) {
            printed = std::string("Error: ") + (error ? error : sqlite3_errmsg(db_));
        }
        sqlite3_free(error);
        return printed;
    }

private:
    sqlite3* db_ = nullptr;
};

// A database of its own in a fresh folder, with the tables and fixed rows a new game has.
struct SeededDatabase {
    SeededDatabase() {
        db.open(folder.path() / Database::kFileName);
        ensureSchema(db);
    }
    TempFolder folder;
    Database db;
};

// A suite whose tests share one seeded database, made before the first test and removed
// after the last. `Suite` is the suite itself, so that every suite has a database of its own.
template <class Suite>
class SharedDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { shared_ = new SeededDatabase; }
    static void TearDownTestSuite() {
        delete shared_;
        shared_ = nullptr;
    }
    static Database& db() { return shared_->db; }
    static const std::filesystem::path& folder() { return shared_->folder.path(); }

private:
    static inline SeededDatabase* shared_ = nullptr;
};

}  // namespace zelvaro::testsupport
