// Start-up time to an enabled menu: the first start on an empty folder (database created,
// pool generated) and a warm start on the same folder.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/MemorySurface.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"

namespace fs = std::filesystem;
using namespace zelvaro;
using Clock = std::chrono::steady_clock;

namespace {

double timedStart(const fs::path& folder, bool& ok) {
    MemorySurface surface;
    ZelvaroApp app(surface, folder);
    const auto start = Clock::now();
    ok = app.startUp() && surface.windowEnabled() && surface.enabled(ctl::Label2);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    app.database().close();
    return seconds;
}

}  // namespace

int main() {
    std::error_code ec;
    const fs::path folder =
        fs::temp_directory_path() / ("zelvaro-start-" + std::to_string(::getpid()));
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    bool ok = false;
    const double first = timedStart(folder, ok);
    if (!ok) return 1;
    const double warm = timedStart(folder, ok);
    if (!ok) return 1;
    std::printf("first start (database and pool created): %.0f ms (target < 1000)\n", first * 1000);
    std::printf("warm start: %.0f ms\n", warm * 1000);
    fs::remove_all(folder, ec);
    return 0;
}
