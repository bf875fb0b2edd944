#include "engine/HeadlessClock.h"

#include <utility>

#include "primitives/Surface.h"

namespace zelvaro {

HeadlessClock::HeadlessClock(Surface& surface, Fire fire)
    : surface_(surface),
      fire_(std::move(fire)),
      ticks_{{{ctl::Timer1}, {ctl::Timer2}, {ctl::Timer3}}} {
    follow(true);
}

void HeadlessClock::follow(bool first) {
    for (Tick& tick : ticks_) {
        const int starts = surface_.timerStarts(tick.timer);
        const int interval = surface_.interval(tick.timer);
        if (!surface_.enabled(tick.timer) || interval <= 0) {
            tick.running = false;
        } else if (first || !tick.running || starts != tick.starts) {
            // Started now, or going on where it stood when the game was saved.
            tick.running = true;
            tick.due = now_ + surface_.timerRemaining(tick.timer);
        }
        tick.starts = starts;
    }
}

bool HeadlessClock::fireNext() {
    follow();
    Tick* next = nullptr;
    for (Tick& tick : ticks_) {
        if (tick.running && (next == nullptr || tick.due < next->due)) next = &tick;
    }
    if (next == nullptr) return false;
    now_ = next->due;
    next->due += surface_.interval(next->timer);
    for (const Tick& tick : ticks_) {
        if (tick.running)
            surface_.tellTimerRemaining(tick.timer, static_cast<int>(tick.due - now_));
    }
    fire_(next->timer);
    return true;
}

}  // namespace zelvaro
