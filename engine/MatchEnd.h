// The end of a hand: the hand's credit by game type, the goal test, the hand limit, and what
// follows (the winner announced, the tournament table handed over, or the next hand). It also
// holds every write of the table's scores to the tournament entrants.
#pragma once

#include <string>

namespace zelvaro {

class Database;
class GameSession;
class Surface;
class TableDisplay;
class TableEngine;
struct Tournament;

class MatchEnd {
public:
    MatchEnd(GameSession& session, Surface& surface, Database& db, TableDisplay& display,
             Tournament& tournament, TableEngine& table)
        : session_(session),
          surface_(surface),
          db_(db),
          display_(display),
          tournament_(tournament),
          table_(table) {}

    void endHand();
    // The tournament update: the seat's entrant gains `amount` points in `torneo`.
    void addTournamentPoints(int seat, int amount);

    bool matchOver() const { return matchOver_; }
    void resetMatch() { matchOver_ = false; }
    long handsPlayed() const { return handsPlayed_; }

private:
    void writeTournamentPoints(int seat, int points);
    int readTournamentPoints(int seat);
    // The scores after a hand, and what each seat gained in it.
    void showHandScores();
    void announceWinner(int seat);
    void finishTournamentTable();
    // On the wait panel: who of the player's table goes on, and his place among them.
    void showTableOutcome();
    void nextHand(bool countDown, bool countDownFirst);
    void countDownHandLimit();

    GameSession& session_;
    Surface& surface_;
    Database& db_;
    TableDisplay& display_;
    Tournament& tournament_;
    TableEngine& table_;
    bool matchOver_ = false;
    long handsPlayed_ = 0;
};

}  // namespace zelvaro
