// Everything the window shows, every control's properties and where the timers stand, saved
// into a state record and put back: the table of a saved game, exactly as it was left.
#pragma once

#include <string>
#include <vector>

#include "primitives/StateRecord.h"
#include "primitives/Surface.h"

namespace zelvaro {

// One control as the window shows it.
struct ControlLook {
    Control control;
    bool timer = false;
    std::string caption, picture;
    bool visible = false, enabled = false, checked = false;
    int left = 0, top = 0, width = 0, height = 0;
    std::uint32_t color = 0;
    std::vector<std::string> items;
    int interval = 0, remaining = 0;
};

struct SavedSurface {
    bool windowEnabled = true;
    std::vector<ControlLook> looks;
};

void saveSurface(const Surface& surface, StateWriter& out);
// Reading changes nothing, so that a record that does not read leaves the window as it was.
SavedSurface readSurface(StateReader& in);
void applySurface(Surface& surface, const SavedSurface& saved);

}  // namespace zelvaro
