// Temporary folders and databases for the tests.
#pragma once

#include <stdlib.h>

#include <filesystem>
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
        std::string pattern = (std::filesystem::temp_directory_path() / "zelvaro-test-XXXXXX").string();
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

// A database of its own in a fresh folder, with the tables and fixed rows a new game has.
struct SeededDatabase {
    SeededDatabase() {
        db.open(folder.path() / Database::kFileName);
        ensureSchema(db);
    }
    TempFolder folder;
    Database db;
};

}  // namespace zelvaro::testsupport
