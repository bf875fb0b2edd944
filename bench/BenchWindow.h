// The real window with the game attached and shown, its database in `folder`, for the
// window's benchmarks (offscreen unless a display is given).
#pragma once

#include <QApplication>
#include <QString>

#include "front/ZelvaroApp.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"
#include "ui/WindowEvents.h"

// The benchmarks' application: offscreen unless a display is given, the pictures beside the
// program's folder.
class BenchApplication : public QApplication {
public:
    BenchApplication(int& argc, char** argv) : QApplication(offscreenUnlessDisplay(argc), argv) {}
    static QString assets() { return applicationDirPath() + QStringLiteral("/.."); }

private:
    static int& offscreenUnlessDisplay(int& argc) {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};

struct BenchWindow {
    BenchWindow(const QString& assets, const QString& folder)
        : window(assets), surface(window, assets), app(surface, folder.toStdString()) {
        window.attach(app);
        window.show();
    }
    ~BenchWindow() { window.attach(static_cast<zelvaro::ui::WindowEvents*>(nullptr)); }
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    zelvaro::ui::MainWindow window;
    zelvaro::ui::QtSurface surface;
    zelvaro::ZelvaroApp app;
};
