// One running game per data folder: an exclusive lock on the folder itself, taken before
// the database is opened and given up when the game ends, however it ends. It writes
// nothing, so a second copy that finds the folder taken leaves everything as it was.
#pragma once

#include <filesystem>

namespace zelvaro {

class FolderLock {
public:
    enum class Result { Taken, InUse, Unavailable };

    FolderLock() = default;
    ~FolderLock() { release(); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the folder for this game; InUse when another running game holds it,
    // Unavailable when the folder cannot be opened at all.
    Result take(const std::filesystem::path& folder);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace zelvaro
