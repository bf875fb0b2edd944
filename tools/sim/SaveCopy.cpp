#include "tools/sim/SaveCopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

// Waits until the file's bytes are on the disk; a full disk may only tell here.
std::error_code syncToDisk(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) return {errno, std::generic_category()};
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    return synced == 0 ? std::error_code() : std::error_code(error, std::generic_category());
}

}  // namespace

bool saveCopy(const fs::path& from, const fs::path& to) {
    const fs::path part = to.string() + ".zelvaro-sim-part";
    std::error_code ec;
    fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec);
    if (!ec) ec = syncToDisk(part);
    if (!ec) fs::rename(part, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(part, ignored);
        std::fprintf(stderr, "zelvaro-sim: cannot write %s: %s\n", to.c_str(),
                     ec.message().c_str());
        return false;
    }
    std::printf("database saved to %s\n", to.c_str());
    return true;
}

}  // namespace zelvaro
