// The keyboard's keys that mean something to the game, as the game's own keys.
#pragma once

#include <optional>

#include "front/KeyboardPlay.h"

namespace zelvaro::ui {

// The game's key for Qt's `key` pressed alone (the keypad's digits too); none for any other.
std::optional<GameKey> gameKeyOf(int key);

}  // namespace zelvaro::ui
