// The application's side of a match's life: when a game ends for the player, his statistics
// are written and the saved game dropped in one transaction, so that a game he saw end is
// counted once and never offered again; when a hand has been dealt, the game is to be saved.
#pragma once

#include "engine/MatchEvents.h"

namespace zelvaro {

class Database;
class GameSession;
class Standings;
class Surface;
struct Tournament;

class MatchLife final : public MatchEvents {
public:
    MatchLife(Surface& surface, Database& db, const GameSession& session, const Tournament& tournament,
              const Standings& standings)
        : surface_(surface), db_(db), session_(session), tournament_(tournament), standings_(standings) {}

    void handStarted() override { handStarted_ = true; }
    void singleGameEnded(int winner) override;
    void tournamentEnded(int roundReached) override;
    void finalStandingsShown() override;

    // Whether a hand was dealt since the last call: the moment to save the game.
    bool takeHandStart();

private:
    template <typename Record>
    void finishWith(Record&& record);

    Surface& surface_;
    Database& db_;
    const GameSession& session_;
    const Tournament& tournament_;
    const Standings& standings_;
    bool handStarted_ = false;
};

}  // namespace zelvaro
