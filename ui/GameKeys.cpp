#include "ui/GameKeys.h"

#include <Qt>

namespace zelvaro::ui {

std::optional<GameKey> gameKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return GameKey::Left;
        case Qt::Key_Right:
            return GameKey::Right;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return GameKey::Lay;
        case Qt::Key_C:
            return GameKey::Change;
        case Qt::Key_N:
            return GameKey::Keep;
        case Qt::Key_F:
            return GameKey::FastForward;
        case Qt::Key_Escape:
            return GameKey::Back;
        case Qt::Key_F1:
            return GameKey::Rules;
        case Qt::Key_H:
            return GameKey::Hint;
        case Qt::Key_0:
            return GameKey::Card10;
        default:
            break;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return cardKey(key - Qt::Key_1);
    return std::nullopt;
}

}  // namespace zelvaro::ui
