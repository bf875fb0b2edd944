// One table's game: the hand cycle on Timer1, the showdown, the human's clicks, the computer
// seats' moves and the end of each hand. Everything visible goes through the surface.
#pragma once

#include "engine/GameSession.h"
#include "engine/MatchEnd.h"
#include "engine/MatchEvents.h"
#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class Random;
class TableDisplay;
struct Tournament;

class TableEngine {
public:
    TableEngine(GameSession& session, Surface& surface, Random& random, Database& db,
                TableDisplay& display, Tournament& tournament, MatchEvents& events)
        : session_(session),
          surface_(surface),
          random_(random),
          db_(db),
          display_(display),
          tournament_(tournament),
          events_(events),
          matchEnd_(session, surface, db, display, tournament, *this) {}
    TableEngine(const TableEngine&) = delete;
    TableEngine& operator=(const TableEngine&) = delete;

    // Readies the table for a hand, the first of a match or any after it, and starts Timer1.
    void prepareTable();
    // Shuffle, deal and the card-change state of a new hand.
    void startHand();
    // One tick of Timer1. Returns whether the table moved: a card laid or passed, a change
    // decided or a trick taken. The other ticks only count down the table's pauses.
    bool tableTick();
    // Moves the turn on, letting seats without cards pass.
    void advanceTurn();

    // The human's moves.
    void cardClicked(int slot);
    void changeClicked();
    void keepClicked();

    // The showdown of a full trick and the end of a hand.
    void resolveTrick();
    void endHand() { matchEnd_.endHand(); }

    // A computer seat's moves.
    void computerChange(int seat);
    void computerPlay(int seat);

    // The human's two change marks: a hand slot or -1.
    int markA() const { return markA_; }
    int markB() const { return markB_; }
    // True while the hand cycle runs (Timer1 enabled).
    bool running() const;
    // Whether the last hand ended the match: a winner was announced or a tournament table
    // finished. Cleared when a match starts.
    bool matchOver() const { return matchEnd_.matchOver(); }
    void resetMatch() { matchEnd_.resetMatch(); }
    // A saved game was put back on the window: the change marks are those it shows.
    void takeUpShownMarks();
    // Where the match's life is told: a hand dealt, a game over.
    MatchEvents& events() { return events_; }
    // Hands finished since the program started.
    long handsPlayed() const { return matchEnd_.handsPlayed(); }

private:
    // The card drawn after a change, and what it changes on the table.
    void drawAfterChange(int seat);
    void layCard(int seat, int slot);
    void lookAtTrick();
    // The trick is full: it stays on the table a moment, its winners lit.
    void holdFullTrick();
    void givePrizeCards(int winner, int second);
    void scoreEliminations();
    void setMarks(int a, int b);

    GameSession& session_;
    Surface& surface_;
    Random& random_;
    Database& db_;
    TableDisplay& display_;
    Tournament& tournament_;
    MatchEvents& events_;
    int markA_ = -1;
    int markB_ = -1;
    MatchEnd matchEnd_;
};

}  // namespace zelvaro
