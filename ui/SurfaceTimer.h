// One of the game's timers over a QTimer of the window. It runs while the game has it
// enabled and its interval is above zero; it counts its starts, and a running timer given a
// new interval starts over. A hold moves its next tick later without the game seeing any
// change: neither its interval nor its starts.
#pragma once

#include <QDeadlineTimer>
#include <QObject>

class QTimer;

namespace zelvaro::ui {

class SurfaceTimer : public QObject {
    Q_OBJECT
public:
    // Enabled as the clock is now: running or not.
    explicit SurfaceTimer(QTimer& clock);

    QTimer* clock() const { return clock_; }
    void setEnabled(bool enabled);
    // Enabled and, with an interval above zero, running.
    bool enabled() const;
    void setInterval(int ms);
    int interval() const { return interval_; }
    int starts() const { return starts_; }
    // Milliseconds to the next tick; 0 when it is not running.
    int remaining() const;
    // The next tick comes `ms` later than it would have; the ones after it keep the interval.
    void delayNextTick(int ms);
    // Enabled, with the first tick after `firstTickMs` and the next ones every interval.
    void resume(int firstTickMs);

private:
    // Starts or stops the clock as the setting and the interval allow.
    void run();
    void afterTick();
    void startFirstTickAfter(int ms);

    QTimer* clock_;
    bool enabled_;
    int interval_;
    bool delayed_ = false;        // the clock's interval is a held first wait, not the game's
    QDeadlineTimer delayedTick_;  // when the held tick is due
    int starts_ = 0;
};

}  // namespace zelvaro::ui
