// The game's message boxes: modal, without an icon, in the game's colours and words, standing
// over the table's upper middle while the table is shown.
#pragma once

#include <QString>

#include "primitives/Surface.h"

class QMainWindow;
class QStyle;

namespace zelvaro::ui {

// Shows the box over `window`, its buttons in `style`, and returns the button pressed;
// closing the box answers as Esc does.
MessageAnswer showGameMessage(QMainWindow& window, QStyle* style, const QString& title,
                              const QString& text, MessageButtons buttons);

}  // namespace zelvaro::ui
