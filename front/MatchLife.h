// The application's side of a match's life: when a game ends for the player, his statistics
// are written and the saved game dropped in one transaction, so that a game he saw end is
// counted once and never offered again; the moments the saved game waits for (a hand dealt,
// a round ended, the game over) are kept for the application to take after the event.
#pragma once

#include <utility>

#include "engine/MatchEvents.h"

namespace zelvaro {

class Database;
class GameSession;
class Standings;
class Surface;
struct Tournament;

class MatchLife final : public MatchEvents {
public:
    MatchLife(Surface& surface, Database& db, const GameSession& session,
              const Tournament& tournament, const Standings& standings)
        : surface_(surface),
          db_(db),
          session_(session),
          tournament_(tournament),
          standings_(standings) {}

    void handStarted() override { moments_.handStarted = true; }
    void singleGameEnded(int winner) override;
    void tournamentEnded(int roundReached) override;
    void finalStandingsShown() override;
    void roundEnded() override { moments_.roundEnded = true; }

    // What happened since the last call that the saved game waits for.
    struct Moments {
        bool handStarted = false;
        bool roundEnded = false;
        bool gameOver = false;  // its statistics written and the saved game dropped
    };
    Moments takeMoments() { return std::exchange(moments_, Moments{}); }

private:
    template <typename Record>
    void finishWith(Record&& record);

    Surface& surface_;
    Database& db_;
    const GameSession& session_;
    const Tournament& tournament_;
    const Standings& standings_;
    Moments moments_;
};

}  // namespace zelvaro
