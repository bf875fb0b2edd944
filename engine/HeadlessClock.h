// The window's three timers without a window: fires the enabled ones in the order of their
// due times, each with its current interval, so a match or a whole tournament plays headless
// exactly as the window would play it, as fast as the CPU allows and always the same way.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "primitives/Controls.h"

namespace zelvaro {

class Surface;

class HeadlessClock {
public:
    using Fire = std::function<void(Control timer)>;
    // The timers running now tick first after their remaining time, then every interval.
    HeadlessClock(Surface& surface, Fire fire);

    // Fires the timer due next; of timers due together, Timer1 first, then Timer2, Timer3.
    // Returns false, firing nothing, when no timer runs.
    bool fireNext();
    // The clock's time in milliseconds since it was made.
    std::int64_t now() const { return now_; }

private:
    struct Tick {
        Control timer;
        bool running = false;
        int starts = 0;
        std::int64_t due = 0;
    };
    // Takes in what the last handler did: timers started, stopped or given a new interval.
    void follow(bool first = false);

    Surface& surface_;
    Fire fire_;
    std::array<Tick, 3> ticks_;
    std::int64_t now_ = 0;
};

}  // namespace zelvaro
