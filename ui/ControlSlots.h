// What the surface knows of each of the game's controls: the widget or the timer of the
// window that bears its name, and what the game set that the widget does not keep itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "primitives/Controls.h"
#include "primitives/Surface.h"
#include "ui/SurfaceTimer.h"

class QMainWindow;
class QWidget;

namespace zelvaro::ui {

// One control. Its geometry is kept in twips as the game set it, so that small steps
// (5 twips) add up even though the screen moves in whole pixels.
struct ControlSlot {
    QWidget* widget = nullptr;
    std::optional<SurfaceTimer> timer;
    int left = 0, top = 0, width = 0, height = 0;
    std::uint32_t color = kButtonTextColor;
    std::string picture;
};

class ControlSlots {
public:
    // Looks every control of the game up in `window` by its object name (Form1 is the
    // central widget). Throws std::logic_error naming the controls the window lacks.
    explicit ControlSlots(QMainWindow& window);

    // Throws std::out_of_range for an element the control does not have.
    ControlSlot& at(Control c);
    const ControlSlot& at(Control c) const;

private:
    std::vector<ControlSlot> slots_;
};

}  // namespace zelvaro::ui
