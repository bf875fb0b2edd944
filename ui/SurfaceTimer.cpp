#include "ui/SurfaceTimer.h"

#include <QTimer>
#include <algorithm>

namespace zelvaro::ui {

SurfaceTimer::SurfaceTimer(QTimer& clock) : clock_(&clock), enabled_(clock.isActive()) {}

void SurfaceTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    run();
}

bool SurfaceTimer::enabled() const {
    return enabled_ && (clock_->isActive() || clock_->interval() <= 0);
}

void SurfaceTimer::setInterval(int ms) {
    if (clock_->interval() != ms) {
        if (clock_->isActive()) ++starts_;
        clock_->setInterval(std::max(0, ms));
    }
    run();
}

int SurfaceTimer::interval() const {
    return clock_->interval();
}

int SurfaceTimer::remaining() const {
    return std::max(0, clock_->remainingTime());
}

void SurfaceTimer::run() {
    const bool running = enabled_ && clock_->interval() > 0;
    if (running && !clock_->isActive()) {
        clock_->start();
        ++starts_;
    } else if (!running && clock_->isActive()) {
        clock_->stop();
    }
}

}  // namespace zelvaro::ui
