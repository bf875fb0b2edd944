// The one answer to a failure that reaches the player, wherever it was caught (an event of
// the game, the window's event loop, the program's start): the message he reads, and what
// the game does after it.
#pragma once

#include <exception>
#include <optional>
#include <string>

#include "primitives/Surface.h"

namespace zelvaro {

class GameSession;
class TableDisplay;

class FailurePolicy {
public:
    // A window with no game behind it: the player is told, and a failing timer stops.
    explicit FailurePolicy(Surface& surface) : surface_(surface) {}
    FailurePolicy(Surface& surface, const GameSession& session, TableDisplay& display)
        : surface_(surface), session_(&session), display_(&display) {}

    // What the player reads: a failure of the database in the words of its cause (a full
    // disk, a file that cannot be written...), anything else as an unexpected error.
    static std::string message(std::exception_ptr failure);

    // The timer whose tick failed stops, as its next tick would fail too; the player is told;
    // and a tournament, which cannot go on without its writes, stops where its last write
    // left it, the player back on the menu. A single game goes on.
    void answer(std::exception_ptr failure, std::optional<Control> timer = std::nullopt);

private:
    Surface& surface_;
    const GameSession* session_ = nullptr;
    TableDisplay* display_ = nullptr;
};

}  // namespace zelvaro
