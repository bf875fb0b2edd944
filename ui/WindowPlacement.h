// Where the window stands between runs: its size, its place and whether it fills the screen,
// kept in the player's settings. The first run opens at the design's size, made smaller where
// the screen is smaller, in the middle of the screen.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zelvaro::ui {

class WindowPlacement {
public:
    // The window's first size on a screen with `available` room: the design's, or the
    // largest that keeps its shape and fits beside a title bar `frameHeight` high.
    static QSize firstSize(QSize design, const QRect& available, int frameHeight);
    // Puts the window where it was last time, or where it first belongs.
    static void restore(QWidget& window, QSize design);
    static void save(const QWidget& window);
};

}  // namespace zelvaro::ui
