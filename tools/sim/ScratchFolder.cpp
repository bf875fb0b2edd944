#include "tools/sim/ScratchFolder.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <system_error>

#include "store/Database.h"

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "zelvaro-sim-";

// What a signal handler may remove: the files the game makes in the folder, then the folder,
// as plain C strings built before any signal can come (unlink and rmdir are safe there).
struct SignalCleanup {
    static constexpr int kFiles = 6;
    std::array<std::string, kFiles> files;
    std::string folder;
    bool armed = false;
};
SignalCleanup cleanup;

extern "C" void removeAndStop(int signal) {
    if (cleanup.armed) {
        for (const std::string& file : cleanup.files) ::unlink(file.c_str());
        ::rmdir(cleanup.folder.c_str());
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

bool processExists(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

ScratchFolder::ScratchFolder(const fs::path& base)
    : path_(base / (std::string(kPrefix) + std::to_string(::getpid()))) {
    removeLeftovers(base);
    std::error_code ec;
    fs::remove_all(path_, ec);
    fs::create_directories(path_, ec);
    int k = 0;
    for (const char* name : {Database::kFileName, Database::kTempFileName}) {
        for (const char* side : {"", "-wal", "-shm"})
            cleanup.files[k++] = (path_ / name).string() + side;
    }
    cleanup.folder = path_.string();
    cleanup.armed = true;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::signal(signal, removeAndStop);
}

ScratchFolder::~ScratchFolder() {
    cleanup.armed = false;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

int ScratchFolder::removeLeftovers(const fs::path& base) {
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(base, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kPrefix, 0) != 0 || !entry.is_directory(ec)) continue;
        pid_t pid = 0;
        const char* digits = name.data() + kPrefix.size();
        const auto [end, error] = std::from_chars(digits, name.data() + name.size(), pid);
        if (error != std::errc() || end != name.data() + name.size() || pid <= 0) continue;
        if (pid == ::getpid() || processExists(pid)) continue;
        if (fs::remove_all(entry.path(), ec) > 0 && !ec) ++removed;
    }
    return removed;
}

}  // namespace zelvaro
