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
    return !session_.holdsCards(kHumanSeat) && surface_.enabled(ctl::Timer1) &&
           surface_.visible(ctl::Picture1) && !surface_.visible(ctl::Picture14);
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
    // The player's cards are looked at first: in a single game, while he holds some (most
    // ticks), nothing else can have changed.
    const bool holds = session_.holdsCards(kHumanSeat);
    if (holds && !active_ && !offeredHand_ && !offeredWait_ && session_.gamemode != "Torneo")
        return;
    const bool hand = !holds && watchingTheHand();
    const bool wait = surface_.visible(ctl::Frame6) && waitingForTheRound();
    if (active_ && !hand && !wait) {
        active_ = false;
        clock_.reset();
    }
    const bool offerHand = hand && !active_;
    const bool offerWait = wait && !active_;
    if (offerHand != offeredHand_) surface_.setVisible(ctl::TableFastForward, offerHand);
    if (offerWait != offeredWait_) surface_.setVisible(ctl::WaitFastForward, offerWait);
    offeredHand_ = offerHand;
    offeredWait_ = offerWait;
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
