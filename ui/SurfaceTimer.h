// One of the game's timers over a QTimer of the window. It runs while the game has it
// enabled and its interval is above zero; it counts its starts, and a running timer given a
// new interval starts over.
#pragma once

class QTimer;

namespace zelvaro::ui {

class SurfaceTimer {
public:
    // Enabled as the clock is now: running or not.
    explicit SurfaceTimer(QTimer& clock);

    QTimer* clock() const { return clock_; }
    void setEnabled(bool enabled);
    // Enabled and, with an interval above zero, running.
    bool enabled() const;
    void setInterval(int ms);
    int interval() const;
    int starts() const { return starts_; }
    // Milliseconds to the next tick; 0 when it is not running.
    int remaining() const;

private:
    // Starts or stops the clock as the setting and the interval allow.
    void run();

    QTimer* clock_;
    bool enabled_;
    int starts_ = 0;
};

}  // namespace zelvaro::ui
