#include "engine/ExpertSeat.h"

namespace zelvaro {

bool expertsAtTable(const GameSession& session) {
    return isText(session.avversari, "Esperti");
}

ExpertView expertView(const GameSession& session, int seat) {
    ExpertView view;
    view.seat = seat;
    view.hand = session.hands[seat];
    view.trick = session.trick;
    view.trickleader = session.trickleader;
    view.gone = session.cardsgone;
    // The pot types show no prize; the others show none, the top card or the top two.
    const MatchOptions& options = session.options;
    if (!options.isPotGame()) {
        if (isText(options.premio, "1 Carta") || isText(options.premio, "2 Carte")) {
            view.prize[0] = session.deck[0].value;
        }
        if (isText(options.premio, "2 Carte")) view.prize[1] = session.deck[1].value;
    }
    for (int s = 0; s < kSeats; ++s) {
        view.cardsHeld[s] = session.cardsHeld(s);
        view.scores[s] = session.seatstats[s].score;
    }
    view.options = options;
    return view;
}

}  // namespace zelvaro
