// Start-up time in the real window (offscreen unless a display is given): from the window
// shown to an enabled menu, on an empty folder (database and pool created, the progress bar
// repainted row by row) and again on the same folder.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/BenchWindow.h"

namespace {

qint64 timedStart(const QString& assets, const QString& folder, bool& ok) {
    BenchWindow game(assets, folder);
    QElapsedTimer clock;
    clock.start();
    ok = game.app.startUp() && game.surface.windowEnabled() &&
         game.surface.enabled(zelvaro::ctl::Label2);
    QCoreApplication::processEvents();
    return clock.elapsed();
}

}  // namespace

int main(int argc, char* argv[]) {
    BenchApplication application(argc, argv);
    const QString assets = BenchApplication::assets();
    QTemporaryDir folder;
    bool ok = false;
    const qint64 first = timedStart(assets, folder.path(), ok);
    if (!ok) return 1;
    const qint64 warm = timedStart(assets, folder.path(), ok);
    if (!ok) return 1;
    std::printf("window, first start (database and pool created): %lld ms (target < 500)\n",
                static_cast<long long>(first));
    std::printf("window, warm start: %lld ms (target < 300)\n", static_cast<long long>(warm));
    return 0;
}
