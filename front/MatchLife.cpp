#include "front/MatchLife.h"

#include "front/PlayerStatistics.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"

namespace zelvaro {

template <typename Record>
void MatchLife::finishWith(Record&& record) {
    // Counted, and no longer saved to continue, together; inside the caller's transaction
    // when there is one (a round's advancement).
    Transaction ending(db_);
    record();
    removeCheckpoint(db_);
    ending.commit();
}

void MatchLife::singleGameEnded(int winner) {
    finishWith([&] { recordSingleGame(db_, session_, winner); });
    moments_.gameOver = true;
}

void MatchLife::tournamentEnded(int roundReached) {
    finishWith([&] { recordTournamentEnd(db_, session_, tournament_, standings_, roundReached); });
    moments_.gameOver = true;
}

void MatchLife::finalStandingsShown() {
    showBestPlaceLine(surface_, db_, session_);
}

}  // namespace zelvaro
