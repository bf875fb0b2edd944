// Temporary folders and databases for the tests.
#pragma once

#include <gtest/gtest.h>
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
