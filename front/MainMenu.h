// The main menu's six entries and the hover highlighting of every clickable label.
#pragma once

#include "primitives/Surface.h"

namespace zelvaro {

class MainMenu {
public:
    explicit MainMenu(Surface& surface) : surface_(surface) {}

    // The six menu labels: Label2, Label3, Label10, Label20, Label15, Label35.
    void enableMenu();
    void disableMenu();
    // Mouse moved over a label or a panel background (Form1 is the window background).
    // Applies the highlight table; controls without a row are ignored.
    void mouseMoved(Control over);
    // Mouse button pressed: only Label53 lights up on a press.
    void mousePressed(Control on);
    // The table's buttons as with the mouse on the table: a continued game comes back without
    // the light of the button it was left with.
    void unlightTable() { mouseMoved(ctl::Picture1); }

private:
    Surface& surface_;
};

}  // namespace zelvaro
