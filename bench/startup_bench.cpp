// Start-up time to an enabled menu: the first start on an empty folder (database created,
// pool generated) and a warm start on the same folder.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/Schema.h"

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

    // The same file opened for the game with and without the check, best of five.
    const fs::path file = folder / Database::kFileName;
    double checked = 1e9, unchecked = 1e9, pages = 1e9;
    for (int run = 0; run < 5; ++run) {
        auto start = Clock::now();
        {
            Database db;
            if (openGameDatabase(db, file).problem != StoreProblem::None) return 1;
        }
        checked = std::min(checked, std::chrono::duration<double>(Clock::now() - start).count());
        start = Clock::now();
        {
            Database db;
            db.open(file);
            ensureSchema(db);
        }
        unchecked =
            std::min(unchecked, std::chrono::duration<double>(Clock::now() - start).count());
        Database db;
        db.open(file);
        start = Clock::now();
        db.query("PRAGMA quick_check");
        pages = std::min(pages, std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::printf(
        "database opened for the game: %.1f ms with the check, %.1f ms without: the check "
        "costs %.1f ms (target < 20), of which every page read back %.1f ms (file of %.0f KB)\n",
        checked * 1000, unchecked * 1000, (checked - unchecked) * 1000, pages * 1000,
        static_cast<double>(fs::file_size(file)) / 1024);
    fs::remove_all(folder, ec);
    return 0;
}
