#include "engine/display/PlayerAids.h"

#include <algorithm>
#include <cstdlib>

#include "engine/display/TableLayout.h"
#include "rules/CardWords.h"

namespace zelvaro {
namespace {

// How long a full trick stays on the table: long enough to see the last card and the winner
// at either pace.
constexpr int kFullTrickMs = 1000;
constexpr int kFullTrickSlowMs = 2000;
constexpr int kSlowPaceMs = 1000;
constexpr int kResultLineMs = 2500;

Control seatName(int seat) {
    return seat == kHumanSeat ? ctl::Label4 : ctl::Label6[seat - 1];
}

std::string handResultLine(const GameSession& session, const std::array<int, kSeats>& before) {
    // The seats that gained or lost, the most gained first; at equal gains in seat order.
    std::array<int, kSeats> order{0, 1, 2, 3, 4, 5};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return session.seatstats[a].score - before[a] > session.seatstats[b].score - before[b];
    });
    std::string line;
    for (const int seat : order) {
        const int gain = session.seatstats[seat].score - before[seat];
        if (gain == 0) continue;
        if (!line.empty()) line += " · ";
        line += session.seatstats[seat].surname + (gain > 0 ? " +" : " −") +
                std::to_string(std::abs(gain));
    }
    return line.empty() ? "Nessun punto in questa mano" : line;
}

}  // namespace

void PlayerAids::holdFullTrick(unsigned winners, int paceMs) {
    if (!watched_) return;
    heldWinner_ = -1;
    for (int seat = 0; seat < kSeats; ++seat) {
        if ((winners & (1u << seat)) == 0) continue;
        surface_.setForeColor(seatName(seat), kHighlightColor);
        // One winner is framed; winners who share a pot are lit alike, none framed.
        heldWinner_ = heldWinner_ == -1 ? seat : kSeveralWinners;
    }
    litTableNames_ = winners;
    // While the trick is held the eye goes to who took it, not to who lays next: the turn's
    // marker comes back with the next trick.
    surface_.setVisible(ctl::Shape5, false);
    showTurnPrompt();
    surface_.holdTable(paceMs >= kSlowPaceMs ? kFullTrickSlowMs : kFullTrickMs);
}

void PlayerAids::unlightTableNames() {
    for (int seat = 0; seat < kSeats && litTableNames_ != 0; ++seat) {
        if ((litTableNames_ & (1u << seat)) != 0)
            surface_.setForeColor(seatName(seat), kButtonTextColor);
    }
    litTableNames_ = 0;
}

void PlayerAids::showLastTrick(int winner) {
    unlightTableNames();
    if (!watched_) return;
    // Each seat's card in its own place, so that only the cards change from trick to trick
    // (the names are written with the seats, at every hand).
    static const std::string kNoCard;
    for (int seat = 0; seat < kSeats; ++seat) {
        const Card card = session_.trick[session_.trickSlotOfSeat(seat)];
        // A pass or an empty place shows no card.
        const std::string& picture = card.isReal() ? cardPicture(card) : kNoCard;
        if (lastTrick_.pictures[seat] != &picture) {
            surface_.setPicture(ctl::LastTrickCards[seat], picture);
            lastTrick_.pictures[seat] = &picture;
        }
    }
    if (winner != lastTrick_.lit) {
        if (lastTrick_.lit >= 0)
            surface_.setForeColor(ctl::LastTrickNames[lastTrick_.lit], kButtonTextColor);
        surface_.setForeColor(ctl::LastTrickNames[winner], kHighlightColor);
        lastTrick_.lit = winner;
    }
    if (!lastTrick_.shown) {
        surface_.setCaption(ctl::LastTrickTitle, "Ultima presa");
        surface_.setVisible(ctl::LastTrickTitle, true);
        lastTrick_.shown = true;
    }
}

void PlayerAids::hideLastTrick() {
    surface_.setVisible(ctl::LastTrickTitle, false);
    lastTrick_.shown = false;
}

void PlayerAids::readShown() {
    lastTrick_ = {};
    lastTrick_.shown = surface_.visible(ctl::LastTrickTitle);
    litTableNames_ = 0;
    heldWinner_ = -1;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (surface_.foreColor(ctl::LastTrickNames[seat]) == kHighlightColor) lastTrick_.lit = seat;
        if (surface_.foreColor(seatName(seat)) != kHighlightColor) continue;
        // A held trick's winners are lit on the table.
        litTableNames_ |= 1u << seat;
        heldWinner_ = heldWinner_ == -1 ? seat : kSeveralWinners;
    }
    litSeat_ = -1;
    // A prompt on the window, which of the prompts unknown: the next turn writes it anew.
    static const char kSomePrompt[] = "";
    shownPrompt_ = surface_.visible(ctl::TurnPrompt) ? kSomePrompt : nullptr;
    promptCaption_ = nullptr;
    hintShown_ = surface_.visible(ctl::TableHint);
    suggestion_.readShown();
    resultLineShown_ = surface_.visible(ctl::HandResultLine) || surface_.visible(ctl::RoundLine);
    noteHandStart();
}

void PlayerAids::noteHandStart() {
    for (int seat = 0; seat < kSeats; ++seat)
        handStartScores_[seat] = session_.seatstats[seat].score;
}

void PlayerAids::showHandResult() {
    if (!watched_) return;
    surface_.setVisible(ctl::RoundLine, false);
    surface_.setCaption(ctl::HandResultLine, handResultLine(session_, handStartScores_));
    surface_.setVisible(ctl::HandResultLine, true);
    resultLineShown_ = true;
    surface_.holdTable(kResultLineMs);
}

void PlayerAids::showRoundLine(const std::string& text) {
    if (!watched_) return;
    surface_.setVisible(ctl::HandResultLine, false);
    surface_.setCaption(ctl::RoundLine, text);
    surface_.setVisible(ctl::RoundLine, true);
    resultLineShown_ = true;
    surface_.holdTable(kResultLineMs);
}

void PlayerAids::hideResultLines() {
    if (!resultLineShown_) return;
    surface_.setVisible(ctl::HandResultLine, false);
    surface_.setVisible(ctl::RoundLine, false);
    resultLineShown_ = false;
}

void PlayerAids::hideTurnAids() {
    surface_.setVisible(ctl::TurnLight, false);
    surface_.setVisible(ctl::TurnPrompt, false);
    litSeat_ = -1;
    shownPrompt_ = nullptr;
    suggestion_.offer(false);
    hideHint();
}

void PlayerAids::showSuggestion() {
    if (shownPrompt_ == nullptr) return;
    const bool changeQuestion = surface_.visible(ctl::Command1);
    const std::array<int, 2> marked = suggestion_.show(changeQuestion);
    if (changeQuestion && marked[0] < 0) {
        showHint("Suggerimento: non cambiare le carte.");
    } else {
        hideHint();
    }
}

void PlayerAids::showHint(const char* text) {
    // Shown anew, so that a hint given twice stays its full time again.
    if (hintShown_) surface_.setVisible(ctl::TableHint, false);
    surface_.setCaption(ctl::TableHint, text);
    surface_.setVisible(ctl::TableHint, true);
    hintShown_ = true;
}

void PlayerAids::hideHint() {
    if (!hintShown_) return;
    surface_.setVisible(ctl::TableHint, false);
    hintShown_ = false;
}

void PlayerAids::drawTurnPrompt() {
    // Behind the wait panel the player's table is over: nobody is on turn.
    if (surface_.visible(ctl::Frame6)) {
        if (litSeat_ >= 0 || shownPrompt_ != nullptr) hideTurnAids();
        return;
    }
    const bool trickHeld = !session_.trick[kSeats - 1].empty();
    const int seat = trickHeld ? heldWinner_ : session_.turnseat;
    if (seat < 0) {
        if (litSeat_ >= 0) surface_.setVisible(ctl::TurnLight, false);
        litSeat_ = -1;
    } else if (seat != litSeat_) {
        // The light frames the seat's panel, or the player's own name plate; it is sized
        // again only when it passes between the two.
        const bool human = seat == kHumanSeat;
        const layout::Point corner = human ? layout::kHumanPlate : layout::kSeatPanel[seat];
        const int margin = layout::kSeatLightMargin;
        layout::placeAt(surface_, ctl::TurnLight, {corner.x - margin, corner.y - margin});
        if (litSeat_ < 0 || human != (litSeat_ == kHumanSeat)) {
            surface_.setWidth(ctl::TurnLight, layout::twips((human ? layout::kHumanPlateWidth
                                                                   : layout::kSeatPanelWidth) +
                                                            2 * margin));
            surface_.setHeight(ctl::TurnLight, layout::twips((human ? layout::kHumanPlateHeight
                                                                    : layout::kSeatPanelHeight) +
                                                             2 * margin));
            surface_.setVisible(ctl::TurnLight, true);
        }
        litSeat_ = seat;
    }
    const char* prompt = nullptr;
    if (!trickHeld && seat == kHumanSeat) {
        if (surface_.visible(ctl::Command1)) {
            prompt = "Tocca a te\nscegli il cambio";
        } else if (session_.changedecisions == 6 && session_.holdsCards(kHumanSeat) &&
                   !surface_.visible(ctl::Picture14)) {
            prompt = "Tocca a te\ngioca una carta";
        }
    }
    if (prompt == shownPrompt_) return;
    // The turn has come to the player: a hint that it was not his is out of date.
    if (prompt != nullptr && shownPrompt_ == nullptr) hideHint();
    // A new question, or none: the last suggestion's marks go.
    suggestion_.offer(prompt != nullptr);
    if (prompt != nullptr && prompt != promptCaption_) {
        surface_.setCaption(ctl::TurnPrompt, prompt);
        promptCaption_ = prompt;
    }
    surface_.setVisible(ctl::TurnPrompt, prompt != nullptr);
    shownPrompt_ = prompt;
}

}  // namespace zelvaro
