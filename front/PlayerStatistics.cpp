#include "front/PlayerStatistics.h"

#include <cstdint>

#include "engine/GameSession.h"
#include "primitives/Surface.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "store/StatisticsStore.h"
#include "tournament/Standings.h"

namespace zelvaro {

int tablePlace(const GameSession& session, int seat) {
    // The ranking compares the scores as the 16-bit numbers it shows; players level share the
    // best of their places, as in any sport's table.
    const auto score = [&session](int i) {
        return static_cast<std::int16_t>(session.seatstats[i].score);
    };
    int place = 1;
    for (int other = 0; other < kSeats; ++other) {
        if (score(other) > score(seat)) ++place;
    }
    return place;
}

void recordSingleGame(Database& db, const GameSession& session, int winner) {
    if (session.gamemode != "Partita") return;
    const PlayerProfile& human = session.humanprofile;
    recordGame(
        db, {human.cognome, human.nome, session.options.punteggio, tablePlace(session, kHumanSeat),
             session.seatstats[kHumanSeat].score, winner == kHumanSeat, session.avversari});
}

std::string bestPlaceLine(int place, int best) {
    return std::to_string(place) + "\u00b0 \u00b7 il tuo migliore: " + std::to_string(best) +
           "\u00b0";
}

void recordTournamentEnd(Database& db, const GameSession& session, const Tournament& tournament,
                         const Standings& standings, int roundReached) {
    const PlayerProfile& player = session.humanprofile;
    // The final standings to come: those already out with their totals, and the field with
    // the goals of the rounds it passed, in the standings screen's order.
    const ResultSet rows = db.query(
        "SELECT cognome, nome, punti FROM (SELECT cognome, nome, tavolo, punti FROM classifica "
        "UNION ALL SELECT cognome, nome, tavolo, punti + ? AS punti FROM torneo) "
        "order by punti desc,tavolo asc ,cognome asc,nome asc",
        {standings.totalPoints(0)});
    TournamentResult result{player.cognome, player.nome, session.options.punteggio,
                            session.options.limite};
    result.avversari = session.avversari;
    for (int r = 0; r < rows.rows(); ++r) {
        if (rows.at(0, r).text() == player.cognome && rows.at(1, r).text() == player.nome) {
            result.points = static_cast<int>(rows.at(2, r).integer());
            // Entrants level on points share the best of their places.
            int place = r + 1;
            while (place > 1 && rows.at(2, place - 2).integer() == result.points) --place;
            result.place = place;
            break;
        }
    }
    result.entrants = rows.rows();
    result.roundReached = roundReached;
    const ResultSet field = db.query("SELECT cognome, nome FROM torneo ");
    result.finalReached = field.rows() == kSeats && roundReached == tournament.roundnumber &&
                          !db.query("SELECT rowid FROM torneo where cognome=? and nome=?",
                                    {player.cognome, player.nome})
                               .empty();
    recordTournament(db, result);
}

void showBestPlaceLine(Surface& surface, Database& db, const GameSession& session) {
    const PlayerProfile& player = session.humanprofile;
    const ProfileStatistics stats = readStatistics(db, player.cognome, player.nome);
    if (stats.recentTournaments.empty()) {
        surface.setVisible(ctl::BestPlaceLine, false);
        return;
    }
    surface.setCaption(ctl::BestPlaceLine, bestPlaceLine(stats.recentTournaments.front().place,
                                                         stats.bestTournamentPlace()));
    surface.setVisible(ctl::BestPlaceLine, true);
}

}  // namespace zelvaro
