#include "store/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace zelvaro {

FolderLock::Result FolderLock::take(const std::filesystem::path& folder) {
    release();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Result::Unavailable;
    // The system lets the lock go with the process, so a game that was killed never leaves
    // its folder taken.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool inUse = errno == EWOULDBLOCK;
        ::close(fd);
        return inUse ? Result::InUse : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Taken;
}

void FolderLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing the last descriptor gives the lock up
    fd_ = -1;
}

}  // namespace zelvaro
