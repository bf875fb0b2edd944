#include "tournament/Simulation.h"

#include <array>
#include <cstdint>
#include <optional>

#include "engine/GameSession.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "tournament/RoundEnd.h"
#include "tournament/SimulatedHands.h"
#include "tournament/Standings.h"

namespace zelvaro {

// A visited table as the tick needs it: each entrant's row and points, and whether the
// player sits there.
struct Simulation::TableRows {
    std::array<std::int64_t, kTableSeats> rowid{};
    std::array<int, kTableSeats> points{};
    int seated = 0;
    bool holdsThePlayer = false;
};

void Simulation::simulationTick() {
    // The player's table changes only by what his own hands write between two ticks.
    const bool writtenSinceLastTick = db_.changesMade() != changesAfterLastTick_;
    bool shownTablePlayed = false;
    // The hands of the tick go in together, in one transaction begun by the first of them.
    std::optional<Transaction> writes;
    const auto visit = [&] {
        const long handsBefore = handsSimulated_;
        const bool playedElimination = visitTable(writes);
        if (handsSimulated_ != handsBefore && standings_.isShown(tournament_.tablecursor)) {
            shownTablePlayed = true;
        }
        ++tournament_.tablecursor;
        return playedElimination;
    };
    // Two tables a tick; an elimination hand at the first one is the tick's whole work.
    if (!visit()) visit();
    if (writes) writes->commit();
    if (shownTablePlayed || (writtenSinceLastTick && standings_.shownTableIsLive())) {
        standings_.refreshTableStandings();
    }
    changesAfterLastTick_ = db_.changesMade();
    if (surface_.visible(ctl::Frame6)) roundEnd_.checkRoundEnd();
}

Simulation::TableRows Simulation::readTable(int table) {
    TableRows rows;
    const PlayerProfile& human = session_.humanprofile;
    db_.forEachRow("SELECT rowid, punti, cognome, nome FROM torneo where tavolo=? ", {table},
                   [&](const RowView& entrant) {
                       if (rows.seated < kTableSeats) {
                           rows.rowid[rows.seated] = entrant.integer(0);
                           rows.points[rows.seated] = static_cast<int>(entrant.integer(1));
                       }
                       ++rows.seated;
                       if (entrant.text(2) == human.cognome && entrant.text(3) == human.nome) {
                           rows.holdsThePlayer = true;
                       }
                       return true;
                   });
    return rows;
}

bool Simulation::seatsDone(const TableRows& table, int goal) {
    // A table that does not hold six entrants is never played: the model needs all six; the
    // human's table is played live, never here.
    if (table.seated != kTableSeats || table.holdsThePlayer) return true;
    for (int points : table.points) {
        if (points > goal - 1) return true;
    }
    return false;
}

void Simulation::forgetTables() {
    knownSeating_ = tournament_.seatings;
    doneTables_.clear();
    firstEmptyTable_ = 0;
    changesAfterLastTick_ = -1;
}

void Simulation::forgetAnEarlierSeating() {
    if (knownSeating_ == tournament_.seatings) return;
    knownSeating_ = tournament_.seatings;
    doneTables_.clear();
    firstEmptyTable_ = 0;
}

std::optional<Simulation::TableRows> Simulation::tableAt(int table) {
    if (table >= 0 && table < static_cast<int>(doneTables_.size()) && doneTables_[table]) {
        return std::nullopt;
    }
    if (table == firstEmptyTable_) return TableRows{};
    return readTable(table);
}

void Simulation::rememberDone(int table) {
    if (table < 0) return;
    if (table >= static_cast<int>(doneTables_.size())) doneTables_.resize(table + 1, false);
    doneTables_[table] = true;
}

bool Simulation::simulateTable() {
    std::optional<Transaction> writes;
    const bool playedElimination = visitTable(writes);
    if (writes) writes->commit();
    return playedElimination;
}

bool Simulation::visitTable(std::optional<Transaction>& writes) {
    forgetAnEarlierSeating();
    std::optional<TableRows> table = tableAt(tournament_.tablecursor);
    if (table && table->seated == 0) {
        // Past the last table: one more pass over the field.
        firstEmptyTable_ = tournament_.tablecursor;
        if (session_.options.hasHandLimit()) --tournament_.passesleft;
        tournament_.tablecursor = 1;
        table = tableAt(1);
    }
    const MatchOptions& options = session_.options;
    const int goal = options.goal();
    if (goal == 0 || !table) return false;
    if (options.hasHandLimit() && tournament_.passesleft <= -1) return false;
    if (seatsDone(*table, goal)) {
        rememberDone(tournament_.tablecursor);
        return false;
    }

    // The points are added to the table's copy and written row by row.
    TableRows& rows = *table;
    if (!writes) writes.emplace(db_);
    const auto gain = [&](const EntrantGain& g) {
        rows.points[g.row] += g.points;
        db_.execute("UPDATE torneo SET punti=? WHERE rowid=?",
                    {rows.points[g.row], rows.rowid[g.row]});
    };
    bool playedElimination = false;
    if (options.isPointsGame()) {
        gain(simulatePointsHand(random_));
        handsSimulated_ += 1;
    } else if (options.isPotGame()) {
        for (const EntrantGain& hand : simulatePotHands(random_)) gain(hand);
        handsSimulated_ += kTableSeats;
    } else {
        for (const EntrantGain& place : simulateEliminationHand(random_)) gain(place);
        handsSimulated_ += 1;
        playedElimination = true;
    }
    return playedElimination;
}

}  // namespace zelvaro
