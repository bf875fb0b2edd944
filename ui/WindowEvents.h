// What the window reports, each event addressed by the control it happened on. The game's
// application receives them; tests can listen in its place.
#pragma once

#include "primitives/Controls.h"

namespace zelvaro::ui {

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void click(Control c) = 0;
    virtual void mouseMove(Control c) = 0;
    virtual void mouseDown(Control c) = 0;
    virtual void comboSelected(Control c) = 0;
    virtual void timerTick(Control timer) = 0;
    // The window is closing, by "Esci" or otherwise.
    virtual void windowClosing() {}
    // "Avanti veloce": whether a run is on, and one stretch of it of about `ms`
    // milliseconds, the timers' ticks fired one after another.
    virtual bool fastForwarding() { return false; }
    virtual void fastForwardFor(int ms) { (void)ms; }
};

}  // namespace zelvaro::ui
