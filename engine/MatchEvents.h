// What happens in a match's life, told to the layer that keeps the game: the table and the
// tournament announce it here, and the application writes the moment's results, the player's
// statistics and the saved game together.
#pragma once

namespace zelvaro {

class MatchEvents {
public:
    virtual ~MatchEvents() = default;
    // A hand has been dealt at the player's table.
    virtual void handStarted() = 0;
    // The single game is over and `winner` is announced next.
    virtual void singleGameEnded(int winner) = 0;
    // The player's tournament is over after `roundReached`: the final was played, or he is
    // out. Told inside the transaction of the round's end.
    virtual void tournamentEnded(int roundReached) = 0;
    // The final standings are on the screen, the player's row lit.
    virtual void finalStandingsShown() = 0;
    // A round of the tournament has ended and the next one is seated.
    virtual void roundEnded() = 0;
};

// A match nothing keeps: a table played for a test or a benchmark.
class UnkeptMatch final : public MatchEvents {
public:
    void handStarted() override {}
    void singleGameEnded(int) override {}
    void tournamentEnded(int) override {}
    void finalStandingsShown() override {}
    void roundEnded() override {}
};

}  // namespace zelvaro
