#include "engine/MatchRecord.h"

#include <cstdint>

#include "engine/GameSession.h"
#include "store/StatisticsStore.h"

namespace zelvaro {

int tablePlace(const GameSession& session, int seat) {
    // The ranking compares the scores as the 16-bit numbers it shows; players level share the
    // best of their places, as in any sport's table.
    const auto score = [&session](int i) { return static_cast<std::int16_t>(session.seatstats[i].score); };
    int place = 1;
    for (int other = 0; other < kSeats; ++other) {
        if (score(other) > score(seat)) ++place;
    }
    return place;
}

void recordSingleGame(Database& db, const GameSession& session, int winner) {
    if (session.gamemode != "Partita") return;
    const PlayerProfile& human = session.humanprofile;
    recordGame(db, {human.cognome, human.nome, session.options.punteggio,
                    tablePlace(session, kHumanSeat), session.seatstats[kHumanSeat].score,
                    winner == kHumanSeat});
}

}  // namespace zelvaro
