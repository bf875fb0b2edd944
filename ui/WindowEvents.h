// What the window reports, each event addressed by the control it happened on. The game's
// application receives them; tests can listen in its place.
#pragma once

#include "engine/Controls.h"

namespace zelvaro::ui {

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void click(Control c) = 0;
    virtual void mouseMove(Control c) = 0;
    virtual void mouseDown(Control c) = 0;
    virtual void comboSelected(Control c) = 0;
    virtual void timerTick(Control timer) = 0;
};

}  // namespace zelvaro::ui
