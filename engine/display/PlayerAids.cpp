#include "engine/display/PlayerAids.h"

#include "engine/CardWords.h"
#include "engine/display/TableLayout.h"

namespace zelvaro {

void PlayerAids::showLastTrick(int winner) {
    if (!watched_) return;
    // Each seat's card in its own place, so that only the cards change from trick to trick
    // (the names are written with the seats, at every hand).
    static const std::string kNoCard;
    for (int seat = 0; seat < kSeats; ++seat) {
        const Card card = session_.trick[session_.trickSlotOfSeat(seat)];
        // A pass or an empty place shows no card.
        const std::string& picture = card.isReal() ? cardPicture(card) : kNoCard;
        if (lastTrick_.pictures[seat] != &picture) {
            surface_.setPicture(ctl::Picture28[seat], picture);
            lastTrick_.pictures[seat] = &picture;
        }
    }
    if (winner != lastTrick_.lit) {
        if (lastTrick_.lit >= 0) surface_.setForeColor(ctl::Label58[lastTrick_.lit], kButtonTextColor);
        surface_.setForeColor(ctl::Label58[winner], kHighlightColor);
        lastTrick_.lit = winner;
    }
    if (!lastTrick_.shown) {
        surface_.setCaption(ctl::Label57, "Ultima presa");
        surface_.setVisible(ctl::Label57, true);
        lastTrick_.shown = true;
    }
}

void PlayerAids::hideLastTrick() {
    surface_.setVisible(ctl::Label57, false);
    lastTrick_.shown = false;
}

void PlayerAids::showHint(const char* text) {
    // Shown anew, so that a hint given twice stays its full time again.
    if (hintShown_) surface_.setVisible(ctl::Label59, false);
    surface_.setCaption(ctl::Label59, text);
    surface_.setVisible(ctl::Label59, true);
    hintShown_ = true;
}

void PlayerAids::hideHint() {
    if (!hintShown_) return;
    surface_.setVisible(ctl::Label59, false);
    hintShown_ = false;
}

void PlayerAids::showTurnPrompt() {
    if (!watched_) return;
    const int seat = session_.turnseat;
    if (seat != litSeat_) {
        // The light frames the seat's panel, or the player's own name plate; it is sized
        // again only when it passes between the two.
        const bool human = seat == kHumanSeat;
        const layout::Point corner = human ? layout::kHumanPlate : layout::kSeatPanel[seat];
        const int margin = layout::kSeatLightMargin;
        layout::placeAt(surface_, ctl::Shape7, {corner.x - margin, corner.y - margin});
        if (litSeat_ < 0 || human != (litSeat_ == kHumanSeat)) {
            surface_.setWidth(ctl::Shape7, layout::twips(
                (human ? layout::kHumanPlateWidth : layout::kSeatPanelWidth) + 2 * margin));
            surface_.setHeight(ctl::Shape7, layout::twips(
                (human ? layout::kHumanPlateHeight : layout::kSeatPanelHeight) + 2 * margin));
            surface_.setVisible(ctl::Shape7, true);
        }
        litSeat_ = seat;
    }
    const char* prompt = nullptr;
    if (seat == kHumanSeat) {
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
    if (prompt != nullptr && prompt != promptCaption_) {
        surface_.setCaption(ctl::Label61, prompt);
        promptCaption_ = prompt;
    }
    surface_.setVisible(ctl::Label61, prompt != nullptr);
    shownPrompt_ = prompt;
}

}  // namespace zelvaro
