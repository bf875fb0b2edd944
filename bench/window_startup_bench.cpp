// Start-up time in the real window (offscreen unless a display is given): from the window
// shown to an enabled menu, on an empty folder (database and pool created, the progress bar
// repainted row by row) and again on the same folder.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "front/ZelvaroApp.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"

namespace {

qint64 timedStart(const QString& assets, const QString& folder, bool& ok) {
    zelvaro::ui::MainWindow window(assets);
    zelvaro::ui::QtSurface surface(window, assets);
    zelvaro::ZelvaroApp app(surface, folder.toStdString());
    window.attach(app);
    window.show();
    QElapsedTimer clock;
    clock.start();
    ok = app.startUp() && surface.windowEnabled() && surface.enabled(zelvaro::ctl::Label2);
    QCoreApplication::processEvents();
    const qint64 elapsed = clock.elapsed();
    window.attach(static_cast<zelvaro::ui::WindowEvents*>(nullptr));
    return elapsed;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString assets = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
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
