#include "tools/sim/SimStatistics.h"

#include <cstdio>

#include "store/Database.h"
#include "store/StatisticsStore.h"

namespace zelvaro {

void printStatistics(Database& db) {
    const ProfileStatistics stats = readStatistics(db, "Simulatore", "Zelvaro");
    std::printf("matches played: %d\n", stats.gamesPlayed());
    std::printf("matches won: %d\n", stats.gamesWon());
    for (const GameTypeFigures& g : stats.games) {
        const char* type = g.punteggio.c_str();
        std::printf("matches played (%s): %d\n", type, g.played);
        std::printf("matches won (%s): %d\n", type, g.won);
        std::printf("average place (%s): %.2f\n", type, static_cast<double>(g.placeSum) / g.played);
        std::printf("best score (%s): %d\n", type, g.bestScore);
        std::printf("winning streak (%s): %d\n", type, g.streak);
        std::printf("longest winning streak (%s): %d\n", type, g.longestStreak);
    }
    std::printf("tournaments entered: %d\n", stats.tournamentsEntered());
    std::printf("tournaments won: %d\n", stats.tournamentsWon());
    std::printf("finals reached: %d\n", stats.finalsReached());
    if (stats.bestTournamentPlace() > 0) {
        std::printf("best tournament place: %d\n", stats.bestTournamentPlace());
        std::printf("last tournament place: %d\n", stats.recentTournaments.front().place);
    } else {
        std::printf("best tournament place: -\n");
    }
    for (const TournamentFigures& t : stats.tournaments) {
        std::printf("tournaments entered (%s, %s): %d\n", t.punteggio.c_str(), t.limite.c_str(),
                    t.entered);
        std::printf("best tournament place (%s, %s): %d\n", t.punteggio.c_str(), t.limite.c_str(),
                    t.bestPlace);
        std::printf("best round (%s, %s): %d\n", t.punteggio.c_str(), t.limite.c_str(),
                    t.bestRound);
    }
}

}  // namespace zelvaro
