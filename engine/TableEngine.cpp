#include "engine/TableEngine.h"

#include "engine/ExpertSeat.h"
#include "engine/display/TableDisplay.h"
#include "primitives/Random.h"
#include "primitives/Tournament.h"
#include "rules/ComputerPlayer.h"
#include "rules/ExpertPlayer.h"
#include "rules/LayRule.h"
#include "rules/Rounding.h"
#include "rules/Showdown.h"
#include "store/Nummag.h"

namespace zelvaro {

constexpr int kFastTick = 100;

bool TableEngine::running() const {
    return surface_.enabled(ctl::Timer1);
}

void TableEngine::prepareTable() {
    const bool tournament = session_.gamemode == "Torneo";
    const float fieldsize = tournament_.fieldsize;
    surface_.setVisible(ctl::Frame6, false);
    if (session_.options.isPotGame()) {
        if (tournament) {
            surface_.setInterval(ctl::Timer2,
                                 static_cast<int>(roundHalfEven(30000.0f / (fieldsize / 6.0f))));
            display_.showRoundHeader();
        }
        display_.showPotTitle("Piatto");
        surface_.setVisible(ctl::Picture16, false);
        surface_.setVisible(ctl::Picture17, false);
    } else {
        if (tournament) {
            surface_.setInterval(ctl::Timer2,
                                 static_cast<int>(roundHalfEven(30000.0f / (fieldsize / 5.0f))));
            display_.showRoundHeader();
        }
        display_.showPotTitle("");
        surface_.setVisible(ctl::Picture16, true);
        surface_.setVisible(ctl::Picture17, true);
    }
    startHand();
    surface_.setVisible(ctl::Label29, false);
    display_.hideTablePlaces();
    for (Control label : kMenuLabels) surface_.setEnabled(label, true);
    surface_.setVisible(ctl::Frame3, false);
    surface_.setVisible(ctl::Frame5, false);
    session_.tickcount = 0;
    display_.showOpponentPanels();
    surface_.setEnabled(ctl::Timer1, true);
    if (tournament) {
        surface_.setEnabled(ctl::Timer2, true);
        surface_.setEnabled(ctl::Timer3, true);
    }
}

void TableEngine::startHand() {
    // What the hand gains is counted from here.
    display_.aids().noteHandStart();
    events_.handStarted();
    surface_.setCaption(ctl::Label33, "Rallenta");
    surface_.setInterval(ctl::Timer1, kFastTick);
    session_.shuffleDeck(random_, readNummag(db_));
    session_.dealHands();
    session_.sortHands();
    display_.showHands();
    session_.compactDeck();
    session_.cardsgone.fill(0);
    setMarks(-1, -1);
    if (session_.options.changeAllowed()) {
        surface_.setPicture(ctl::Picture19, "immagini/Cambio Carte.jpg");
        session_.pulsanticambio = 0;
        session_.changedecisions = 0;
    } else {
        surface_.setPicture(ctl::Picture19, "immagini/Non Cambio Carte.jpg");
        surface_.setVisible(ctl::Command1, false);
        surface_.setVisible(ctl::Command2, false);
        session_.changedecisions = 6;
        session_.pulsanticambio = 1;
    }
    if (!session_.options.isPotGame()) display_.showPrizeCards();
    surface_.setVisible(ctl::Label29, false);
    display_.hideTablePlaces();
    session_.turnseat = session_.trickwinner;
    display_.moveTurnMarkerTo(session_.turnseat);
    session_.tickcount = 0;
}

bool TableEngine::tableTick() {
    display_.showTableStandings();
    if (session_.turnseat == kHumanSeat && session_.pulsanticambio == 0) {
        surface_.setVisible(ctl::Command1, true);
        surface_.setVisible(ctl::Command2, true);
    } else if (session_.options.isPotGame()) {
        display_.showPot(computePot(session_.trick));
    }
    if (++session_.tickcount > 1000) session_.tickcount = 0;
    surface_.setVisible(ctl::Shape5, !surface_.visible(ctl::Shape5));

    const int seat = session_.turnseat;
    const bool changePhase = session_.options.changeAllowed() && session_.changedecisions != 6;
    bool moved = false;
    if (session_.tickcount > 2 && !changePhase && !session_.holdsCards(seat)) {
        // A seat on turn without a card (the provisional winner that laid its last one, or
        // the human out of cards) passes, so the trick always completes.
        session_.passInTrick();
        advanceTurn();
        session_.tickcount = 0;
        moved = true;
    } else if (seat != kHumanSeat && session_.tickcount > 2) {
        if (changePhase) {
            computerChange(seat);
        } else {
            surface_.setVisible(ctl::Label29, false);
            computerPlay(seat);
        }
        session_.tickcount = 0;
        moved = true;
    }

    if (session_.tickcount == 1 && session_.trickIsFull()) {
        moved = true;
        surface_.setVisible(ctl::Shape5, false);
        resolveTrick();
        const int holding = session_.seatsHoldingCards();
        if (holding == 1) {
            endHand();
        } else if (!session_.options.isPotGame()) {
            display_.showPrizeCards();
        } else if (holding == 0) {
            endHand();
        }
    }
    display_.aids().showTurnPrompt();
    return moved;
}

void TableEngine::advanceTurn() {
    for (int step = 0; step < kSeats; ++step) {
        session_.turnseat = static_cast<std::int16_t>((session_.turnseat + 1) % kSeats);
        const int seat = session_.turnseat;
        if (session_.holdsCards(seat) || seat == session_.trickwinner ||
            seat == session_.secondwinner) {
            break;
        }
        session_.passInTrick();
    }
    display_.showTurnMarkerAt(session_.turnseat);
    if (!session_.trick[kSeats - 1].empty() && display_.aids().watched()) holdFullTrick();
}

void TableEngine::holdFullTrick() {
    // Shows a watching player the winners as the showdown will find them; changes no state.
    unsigned winners = 0;
    if (session_.options.isPotGame()) {
        const PotResult pot = computePot(session_.trick);
        for (int k = 0; k < kSeats && pot.winnercount > 0; ++k) {
            if (session_.trick[k].value == pot.winningvalue)
                winners |= 1u << session_.seatOfTrickSlot(k);
        }
    } else {
        const TrickOutcome outcome =
            findTrickWinner(session_.trick, session_.options.twoBeatsAce());
        const int winner = session_.seatOfTrickSlot(outcome.winnerSlot);
        winners = 1u << winner;
        display_.showWinningMarkerAt(winner);
    }
    display_.aids().holdFullTrick(winners, surface_.interval(ctl::Timer1));
}

void TableEngine::computerChange(int seat) {
    // Every computer decision takes one draw, whichever level decides: the game's sequence
    // moves on alike, and the expert, which draws from its own generator, ignores it.
    const int draw = computerDraw(random_.next());
    bool changes = false;
    if (expertsAtTable(session_)) {
        const ExpertChange change = expertChangeDecision(expertView(session_, seat));
        changes = change.changes;
        if (changes) {
            session_.discardToDeck(seat, change.first);
            session_.discardToDeck(seat, change.second);
        }
    } else {
        changes = computerChangeDecision(session_.hands[seat],
                                         session_.opponents[seat - 1].aggressivita, draw);
        for (int k = 0; k < 2 && changes; ++k) {
            const int slot = chooseDiscard(session_.hands[seat]);
            if (slot >= 0) session_.discardToDeck(seat, slot);
        }
    }
    if (changes) drawAfterChange(seat);
    display_.showDecision(seat, changes ? "Cambio" : "Non cambio");
    ++session_.changedecisions;
    advanceTurn();
}

void TableEngine::drawAfterChange(int seat) {
    session_.drawseat = static_cast<std::int16_t>(seat);
    session_.drawTopCard();
    session_.compactDeck();
    session_.sortHands();
    display_.showHands();
    // The change took the top card and put others at the bottom: the prize area shows the
    // new top of the pile, the prize the next trick is really played for.
    if (!session_.options.isPotGame()) display_.showPrizeCards();
}

void TableEngine::computerPlay(int seat) {
    const int draw = computerDraw(random_.next());
    if (expertsAtTable(session_)) {
        const int slot = expertPlayDecision(expertView(session_, seat));
        session_.chosenslot = static_cast<std::int16_t>(slot);
    } else {
        const PlayView view{session_.hands[seat],
                            session_.trick,
                            session_.seatsHoldingCards(),
                            session_.cardsHeldByAll() - session_.cardsHeld(seat),
                            session_.opponents[seat - 1].aggressivita,
                            session_.options.twoBeatsAce(),
                            session_.options.isPotGame(),
                            session_.options.premio,
                            session_.deck[0].value,
                            session_.deck[1].value};
        session_.chosenslot = static_cast<std::int16_t>(computerPlayDecision(view, draw));
    }
    if (session_.options.isPotGame()) display_.showPot(computePot(session_.trick));
    display_.showLaidCard(seat, session_.hands[seat][session_.chosenslot]);
    layCard(seat, session_.chosenslot);
    advanceTurn();
}

void TableEngine::layCard(int seat, int slot) {
    session_.playToTrick(seat, slot);
    display_.showHand(seat);
    lookAtTrick();
}

void TableEngine::lookAtTrick() {
    const ProvisionalResult provisional =
        provisionalWinner(session_.trick, session_.options.twoBeatsAce());
    session_.trickmax = static_cast<std::int16_t>(provisional.trickmax);
    session_.trickwinner =
        static_cast<std::int16_t>(session_.seatOfTrickSlot(provisional.winnerSlot));
    display_.showWinningMarkerAt(session_.trickwinner);
}

void TableEngine::cardClicked(int slot) {
    if (slot < 0 || slot >= kHandSlots) return;
    const Hand& hand = session_.hands[kHumanSeat];
    // Only a card can be clicked: an empty place shows no picture.
    if (hand[slot].empty()) return;
    if (session_.turnseat != kHumanSeat) return display_.aids().showHint("Non è il tuo turno.");
    if (surface_.visible(ctl::Command1)) {
        if (markA_ >= 0 && markB_ >= 0 && markA_ != slot && markB_ != slot) {
            return display_.aids().showHint(
                "Si cambiano due carte: togline una per segnarne un'altra.");
        }
        // A mark set or taken away answers whatever the last hint asked.
        display_.aids().hideHint();
        if (markA_ == slot)
            setMarks(-1, markB_);
        else if (markB_ == slot)
            setMarks(markA_, -1);
        else if (markA_ < 0)
            setMarks(slot, markB_);
        else
            setMarks(markA_, slot);
        return;
    }
    surface_.setVisible(ctl::Label29, false);
    if (surface_.visible(ctl::Picture14) || session_.changedecisions != 6) return;
    session_.turnseat = kHumanSeat;
    session_.chosenslot = static_cast<std::int16_t>(slot);
    if (!mayLay(hand, slot, session_.trick)) {
        return display_.aids().showHint("Non puoi aprire con un Asso finché hai altre carte.");
    }
    display_.aids().hideHint();
    display_.showLaidCard(kHumanSeat, hand[slot]);
    layCard(kHumanSeat, slot);
    advanceTurn();
    session_.tickcount = 0;
    display_.aids().showTurnPrompt();
}

void TableEngine::changeClicked() {
    if (session_.turnseat != kHumanSeat || session_.pulsanticambio != 0) return;
    if (markA_ < 0 || markB_ < 0) return display_.aids().showHint("Segna due carte per cambiarle.");
    display_.aids().hideHint();
    for (int i = 0; i < kHandSlots; ++i) {
        if (markA_ == i) session_.discardToDeck(kHumanSeat, i);
        if (markB_ == i) session_.discardToDeck(kHumanSeat, i);
    }
    drawAfterChange(kHumanSeat);
    setMarks(-1, -1);
    surface_.setVisible(ctl::Command1, false);
    surface_.setVisible(ctl::Command2, false);
    ++session_.changedecisions;
    advanceTurn();
    session_.tickcount = 0;
    session_.pulsanticambio = 1;
    display_.aids().showTurnPrompt();
}

void TableEngine::keepClicked() {
    if (session_.turnseat != kHumanSeat || session_.pulsanticambio != 0) return;
    display_.aids().hideHint();
    setMarks(-1, -1);
    surface_.setVisible(ctl::Command1, false);
    surface_.setVisible(ctl::Command2, false);
    ++session_.changedecisions;
    advanceTurn();
    session_.pulsanticambio = 1;
    session_.tickcount = 0;
    display_.aids().showTurnPrompt();
}

void TableEngine::setMarks(int a, int b) {
    markA_ = a;
    markB_ = b;
    display_.showSelectionMark(ctl::Shape3, a);
    display_.showSelectionMark(ctl::Shape4, b);
}

void TableEngine::takeUpShownMarks() {
    markA_ = display_.shownSelectionMark(ctl::Shape3);
    markB_ = display_.shownSelectionMark(ctl::Shape4);
}

void TableEngine::resolveTrick() {
    for (const Card& card : session_.trick) {
        if (card.isReal()) ++session_.cardsgone[card.value];
    }
    const TrickOutcome outcome = findTrickWinner(session_.trick, session_.options.twoBeatsAce());
    session_.tiecount = static_cast<std::int16_t>(outcome.tiecount);
    session_.trickwinner = static_cast<std::int16_t>(session_.seatOfTrickSlot(outcome.winnerSlot));
    session_.secondwinner =
        static_cast<std::int16_t>(outcome.tiecount == 1 || outcome.secondSlot < 0
                                      ? -1
                                      : session_.seatOfTrickSlot(outcome.secondSlot));

    if (session_.options.isPotGame()) {
        const PotResult pot = computePot(session_.trick);
        display_.showPot(pot);
        session_.pot = pot.pot;
        session_.winningvalue = static_cast<std::int16_t>(pot.winningvalue);
        session_.winnercount = static_cast<std::int16_t>(pot.winnercount);
        const int share = potShare(pot);
        for (int k = 0; k < kSeats && pot.winnercount > 0; ++k) {
            if (session_.trick[k].value != pot.winningvalue) continue;
            const int seat = session_.seatOfTrickSlot(k);
            session_.seatstats[seat].score += share;
            session_.trickwinner = static_cast<std::int16_t>(seat);
            if (session_.gamemode == "Torneo") matchEnd_.addTournamentPoints(seat, share);
        }
    } else {
        givePrizeCards(session_.trickwinner,
                       session_.secondwinner >= 0 ? session_.secondwinner : session_.trickwinner);
    }

    if (session_.options.isEliminationGame()) scoreEliminations();

    display_.aids().showLastTrick(session_.trickwinner);
    display_.hideTablePlaces();
    session_.trickleader = session_.trickwinner;
    session_.turnseat = session_.trickwinner;
    display_.moveTurnMarkerTo(session_.turnseat);
    session_.clearTrick();
    session_.tickcount = 0;
}

void TableEngine::givePrizeCards(int winner, int second) {
    // Only the hands that receive a card change: every other hand was closed up and shown
    // when its card was laid.
    session_.givePileCard(winner, 0);
    session_.givePileCard(second, 1);
    session_.compactDeck();
    display_.showHand(winner);
    display_.showHand(second);
}

void TableEngine::scoreEliminations() {
    const int holding = session_.seatsHoldingCards();
    if (holding >= kSeats) return;
    for (int k = 0; k < kSeats; ++k) {
        if (!session_.trick[k].isReal()) continue;
        const int seat = session_.seatOfTrickSlot(k);
        if (session_.holdsCards(seat) || seat == session_.trickwinner ||
            seat == session_.secondwinner) {
            continue;
        }
        session_.seatstats[seat].score += kSeats - holding;
        if (session_.gamemode == "Torneo") matchEnd_.addTournamentPoints(seat, kSeats - holding);
    }
}

}  // namespace zelvaro
