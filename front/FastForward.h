// "Avanti veloce": while the player only watches (he has no cards left in the running hand,
// or his tournament match is over and the other tables play on) the timers' ticks may run as
// fast as the machine allows. They are the same ticks in the same order; only the time
// between them changes. The run stops as soon as the player has something to decide.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "primitives/Surface.h"

namespace zelvaro {

class GameSession;
class HeadlessClock;

class FastForward {
public:
    using Until = std::chrono::steady_clock::time_point;

    // `tick` runs one timer tick of the game.
    FastForward(Surface& surface, GameSession& session, std::function<void(Control)> tick);
    ~FastForward();

    // The player's "Avanti veloce" (Command5 on the table, Command6 on the wait panel).
    void start();
    bool active() const { return active_; }
    // After every event: offers the button while the player only watches, and ends a run
    // when he no longer does.
    void refresh();

    // Fires ticks with `fireNext` (a clock's next tick; false when none is due) while the
    // run lasts and the time is not up. Returns whether the run goes on.
    bool run(const std::function<bool()>& fireNext, Until until);
    // The same in the window: the timers' ticks as their own clock fires them, starting
    // from the time each has left.
    bool runFor(std::chrono::milliseconds budget);

private:
    bool watchingTheHand() const;
    bool waitingForTheRound() const;

    Surface& surface_;
    GameSession& session_;
    std::function<void(Control)> tick_;
    std::unique_ptr<HeadlessClock> clock_;
    bool active_ = false;
    // Whether the two buttons are offered now.
    bool offeredHand_ = false;
    bool offeredWait_ = false;
};

}  // namespace zelvaro
