#include "front/FastForward.h"

#include <utility>

#include "engine/GameSession.h"
#include "engine/HeadlessClock.h"

namespace zelvaro {

FastForward::FastForward(Surface& surface, GameSession& session, std::function<void(Control)> tick)
    : surface_(surface), session_(session), tick_(std::move(tick)) {}

FastForward::~FastForward() = default;

bool FastForward::watchingTheHand() const {
    // Out of the hand: no card left, and none on the table that could still win him two.
    return surface_.enabled(ctl::Timer1) && surface_.visible(ctl::Picture1) &&
           !session_.holdsCards(kHumanSeat) && !surface_.visible(ctl::Picture14);
}

bool FastForward::waitingForTheRound() const {
    return surface_.visible(ctl::Frame6) && surface_.enabled(ctl::Timer2);
}

void FastForward::start() {
    if (!watchingTheHand() && !waitingForTheRound()) return;
    active_ = true;
    refresh();
}

void FastForward::refresh() {
    const bool hand = watchingTheHand();
    const bool wait = waitingForTheRound();
    if (active_ && !hand && !wait) {
        active_ = false;
        clock_.reset();
    }
    surface_.setVisible(ctl::Command5, hand && !active_);
    surface_.setVisible(ctl::Command6, wait && !active_);
}

bool FastForward::run(const std::function<bool()>& fireNext, Until until) {
    while (active_ && std::chrono::steady_clock::now() < until) {
        if (!fireNext()) break;
        refresh();
    }
    return active_;
}

bool FastForward::runFor(std::chrono::milliseconds budget) {
    if (!active_) return false;
    if (!clock_) clock_ = std::make_unique<HeadlessClock>(surface_, tick_);
    return run([this] { return clock_->fireNext(); }, std::chrono::steady_clock::now() + budget);
}

}  // namespace zelvaro
