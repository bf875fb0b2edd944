#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace zelvaro::ui {
namespace {

constexpr const char* kGeometryKey = "finestra/geometria";
constexpr const char* kFullScreenKey = "finestra/schermoIntero";

}  // namespace

QSize WindowPlacement::firstSize(QSize design, const QRect& available, int frameHeight) {
    const double room = std::min({1.0, available.width() / double(design.width()),
                                  (available.height() - frameHeight) / double(design.height())});
    return (QSizeF(design) * std::max(room, 0.1)).toSize();
}

void WindowPlacement::restore(QWidget& window, QSize design) {
    const QSettings settings;
    if (!window.restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        const QScreen* screen = window.screen();
        const QRect available =
            screen != nullptr ? screen->availableGeometry() : QRect(QPoint(), design);
        // A title bar and the window's edges, before the window manager has told their size.
        constexpr int kFrameHeight = 40;
        const QSize size = firstSize(design, available, kFrameHeight);
        window.resize(size);
        // move() places the frame, title bar included.
        window.move(available.center() -
                    QPoint(size.width() / 2, (size.height() + kFrameHeight) / 2));
    }
    if (settings.value(kFullScreenKey, false).toBool()) {
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
    }
}

void WindowPlacement::save(const QWidget& window) {
    QSettings settings;
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.setValue(kFullScreenKey, window.isFullScreen());
}

}  // namespace zelvaro::ui
