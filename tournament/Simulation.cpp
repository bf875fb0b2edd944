#include "tournament/Simulation.h"

#include <array>
#include <string>

#include "engine/GameSession.h"
#include "store/Database.h"
#include "tournament/RoundEnd.h"
#include "tournament/SimulatedHands.h"
#include "tournament/Standings.h"
#include "primitives/Tournament.h"

namespace zelvaro {
namespace {

std::string tableQuery(int table) {
    return "SELECT * FROM torneo where tavolo='" + std::to_string(table) + "' ";
}

}  // namespace

void Simulation::simulationTick() {
    const auto visit = [this] {
        const bool playedElimination = simulateTable();
        standings_.refreshTableStandings();
        ++tournament_.tablecursor;
        return playedElimination;
    };
    // Two tables a tick; an elimination hand at the first one is the tick's whole work.
    if (!visit()) visit();
    if (surface_.visible(ctl::Frame6)) roundEnd_.checkRoundEnd();
}

bool Simulation::tableDone(const ResultSet& table, int goal) const {
    const PlayerProfile& human = session_.humanprofile;
    if (session_.options.hasHandLimit() && tournament_.passesleft <= -1) return true;
    // A table that does not hold six entrants is never played: the model needs all six.
    if (table.rows() != kTableSeats) return true;
    for (int k = 0; k < kTableSeats; ++k) {
        if (table.at(3, k).integer() > goal - 1) return true;
        // The human's table is played live, never here.
        if (table.at(0, k).text() == human.cognome && table.at(1, k).text() == human.nome) {
            return true;
        }
    }
    return false;
}

bool Simulation::simulateTable() {
    ResultSet table = db_.query(tableQuery(tournament_.tablecursor));
    if (table.empty()) {
        // Past the last table: one more pass over the field.
        if (session_.options.hasHandLimit()) --tournament_.passesleft;
        tournament_.tablecursor = 1;
        table = db_.query(tableQuery(1));
    }
    const MatchOptions& options = session_.options;
    const int goal = options.goal();
    if (goal == 0 || tableDone(table, goal)) return false;

    // The points are added to a copy of the table's rows and written row by row.
    std::array<int, kTableSeats> points{};
    for (int k = 0; k < kTableSeats; ++k) points[k] = static_cast<int>(table.at(3, k).integer());
    const auto gain = [&](const EntrantGain& g) {
        points[g.row] += g.points;
        writePoints(table, g.row, points[g.row]);
    };
    if (options.isPointsGame()) {
        gain(simulatePointsHand(random_));
        handsSimulated_ += 1;
        return false;
    }
    if (options.isPotGame()) {
        for (const EntrantGain& hand : simulatePotHands(random_)) gain(hand);
        handsSimulated_ += kTableSeats;
        return false;
    }
    for (const EntrantGain& place : simulateEliminationHand(random_)) gain(place);
    handsSimulated_ += 1;
    return true;
}

void Simulation::writePoints(const ResultSet& table, int row, int points) {
    db_.execute("UPDATE torneo SET punti='" + std::to_string(points) + "'" + "WHERE cognome= '" +
                Database::fApici(table.at(0, row).text()) + "'and nome= '" +
                Database::fApici(table.at(1, row).text()) + "'");
}

}  // namespace zelvaro
