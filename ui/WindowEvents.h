// What the window reports, each event addressed by the control it happened on. The game's
// application receives them; tests can listen in its place.
#pragma once

#include <exception>
#include <optional>

#include "front/KeyboardPlay.h"
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
    // A handler failed; `timer` is the timer whose tick it was. The receiver answers it by
    // the game's failure policy (front/FailurePolicy).
    virtual void failed(std::exception_ptr failure, std::optional<Control> timer) = 0;
    // A key of the game; false when it means nothing where the player is.
    virtual bool keyPressed(GameKey key) {
        (void)key;
        return false;
    }
    // The hand place the keys' outline frames, -1 for none.
    virtual int outlinedPlace() { return -1; }
    // The window is closing, by "Esci" or otherwise.
    virtual void windowClosing() {}
    // "Avanti veloce": whether a run is on, and one stretch of it of about `ms`
    // milliseconds, the timers' ticks fired one after another.
    virtual bool fastForwarding() { return false; }
    virtual void fastForwardFor(int ms) { (void)ms; }
};

}  // namespace zelvaro::ui
