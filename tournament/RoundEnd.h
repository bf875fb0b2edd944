// The end of a tournament round: once the human's match is over and every other table is
// done, the field advances and the human either learns that he is out or plays the next
// round at his new table; six entrants left means the final has been played.
#pragma once

#include <climits>
#include <string>

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class FieldSetup;
class GameSession;
class Random;
class Standings;
class TableDisplay;
class TableEngine;
struct Tournament;

// What the player reads as he goes on: "Sei passato al turno 2 con 7 punti (32 − 25)".
std::string carriedPointsLine(int round, int points, int goal);

class RoundEnd {
public:
    RoundEnd(Surface& surface, Database& db, Random& random, GameSession& session,
             Tournament& tournament, TableDisplay& display, TableEngine& engine, FieldSetup& setup,
             Standings& standings)
        : surface_(surface),
          db_(db),
          random_(random),
          session_(session),
          tournament_(tournament),
          display_(display),
          engine_(engine),
          setup_(setup),
          standings_(standings) {}

    // While the wait panel is shown: ends the round when no table is still playing for it.
    void checkRoundEnd();
    // Seats the human's new table with the points every entrant carries, and plays on.
    void startNextRound();

private:
    // Whether some table still has nobody at the goal (and the hand limit has not ended it).
    bool tablesStillPlaying();
    // The tournament is over for the human: the message, then back to the menu.
    void finishTournament(const std::string& message);
    // The player's points in the field, or kNotInTheField once he is out.
    static constexpr int kNotInTheField = INT_MIN;
    int playersPoints();

    Surface& surface_;
    Database& db_;
    Random& random_;
    GameSession& session_;
    Tournament& tournament_;
    TableDisplay& display_;
    TableEngine& engine_;
    FieldSetup& setup_;
    Standings& standings_;
};

}  // namespace zelvaro
