#include "ui/SurfaceTimer.h"

#include <QTimer>
#include <algorithm>

namespace zelvaro::ui {

SurfaceTimer::SurfaceTimer(QTimer& clock)
    : clock_(&clock), enabled_(clock.isActive()), interval_(clock.interval()) {
    connect(clock_, &QTimer::timeout, this, &SurfaceTimer::afterTick);
}

void SurfaceTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    run();
}

bool SurfaceTimer::enabled() const {
    return enabled_ && (clock_->isActive() || interval_ <= 0);
}

void SurfaceTimer::setInterval(int ms) {
    ms = std::max(0, ms);
    if (interval_ != ms || delayed_) {
        if (interval_ != ms && clock_->isActive()) ++starts_;
        interval_ = ms;
        delayed_ = false;
        clock_->setInterval(ms);
    }
    run();
}

int SurfaceTimer::remaining() const {
    return std::max(0, clock_->remainingTime());
}

void SurfaceTimer::delayNextTick(int ms) {
    if (!clock_->isActive() || ms <= 0) return;
    startFirstTickAfter(remaining() + ms);
}

void SurfaceTimer::resume(int firstTickMs) {
    enabled_ = true;
    if (interval_ <= 0) return;
    ++starts_;
    startFirstTickAfter(std::max(0, firstTickMs));
}

void SurfaceTimer::startFirstTickAfter(int ms) {
    delayed_ = true;
    delayedTick_.setRemainingTime(ms, Qt::PreciseTimer);
    clock_->start(ms);
}

void SurfaceTimer::afterTick() {
    // The held tick has come: from it on, the game's own interval. A hold asked for during
    // this very tick is for the next one (a timer may fire a little early, never a whole
    // hold early).
    if (!delayed_ || delayedTick_.remainingTime() > 50) return;
    delayed_ = false;
    if (clock_->isActive()) clock_->start(interval_);
}

void SurfaceTimer::run() {
    const bool running = enabled_ && interval_ > 0;
    if (running && !clock_->isActive()) {
        delayed_ = false;
        clock_->start(interval_);
        ++starts_;
    } else if (!running && clock_->isActive()) {
        clock_->stop();
        delayed_ = false;
    }
}

}  // namespace zelvaro::ui
