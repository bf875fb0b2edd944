#include "tournament/RoundEnd.h"

#include <string>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableDisplay.h"
#include "primitives/HandLimit.h"
#include "primitives/Random.h"
#include "primitives/Tournament.h"
#include "rules/Rounding.h"
#include "store/Database.h"
#include "tournament/FieldSetup.h"
#include "tournament/RoundAdvancement.h"
#include "tournament/Standings.h"

namespace zelvaro {

bool RoundEnd::tablesStillPlaying() {
    const MatchOptions& options = session_.options;
    if (options.hasHandLimit() && tournament_.passesleft <= -1) return false;
    const long long goal = options.goal();
    // Every six rows in table order are one table; the first one with nobody at the goal is
    // still playing.
    bool pending = false;
    int row = 0;
    bool reached = false;
    db_.forEachRow("SELECT * FROM torneo order by tavolo ", [&](const RowView& entrant) {
        if (entrant.integer(3) > goal - 1) reached = true;
        if (++row % kSeats != 0) return true;
        pending = !reached;
        reached = false;
        return !pending;
    });
    // A last group of fewer than six is a table too.
    return pending || (row % kSeats != 0 && !reached);
}

void RoundEnd::checkRoundEnd() {
    if (tablesStillPlaying()) return;
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) surface_.setEnabled(timer, false);
    if (db_.query("SELECT * FROM torneo ").rows() == kSeats) {
        engine_.events().tournamentEnded(tournament_.roundnumber);
        finishTournament("Partita terminata");
        return;
    }
    const int pointsBefore = playersPoints();
    // The advancement and, when it leaves the player out, his tournament's record go in
    // together.
    Transaction advancement(db_);
    advanceRound(db_, tournament_, session_.options);
    setup_.listActiveTables();
    const int pointsCarried = playersPoints();
    if (pointsCarried == kNotInTheField)
        engine_.events().tournamentEnded(tournament_.roundnumber - 1);
    advancement.commit();
    if (pointsCarried == kNotInTheField) {
        finishTournament("Partita terminata\nSei stato eliminato dal torneo");
        return;
    }
    startNextRound();
    engine_.events().roundEnded();
    display_.aids().showRoundLine(
        carriedPointsLine(tournament_.roundnumber, pointsBefore, pointsBefore - pointsCarried));
}

int RoundEnd::playersPoints() {
    const PlayerProfile& human = session_.humanprofile;
    const ResultSet row =
        db_.query("SELECT * FROM torneo where cognome=? and nome=?", {human.cognome, human.nome});
    return row.empty() ? kNotInTheField : static_cast<int>(row.at("punti", 0).integer());
}

std::string carriedPointsLine(int round, int points, int goal) {
    const auto signedNumber = [](int n) {
        return n < 0 ? "−" + std::to_string(-n) : std::to_string(n);
    };
    return "Sei passato al turno " + std::to_string(round) + " con " + signedNumber(points - goal) +
           " punti (" + signedNumber(points) + " − " + std::to_string(goal) + ")";
}

void RoundEnd::finishTournament(const std::string& message) {
    // The wait is over: its notice goes before the message, which would stand over its text.
    surface_.setVisible(ctl::Frame6, false);
    surface_.showMessage(message, MessageButtons::Ok);
    surface_.setWindowEnabled(true);
    surface_.setVisible(ctl::Picture1, false);
    // The player sees where he finished.
    standings_.openFinalStandings();
    engine_.events().finalStandingsShown();
}

void RoundEnd::startNextRound() {
    // A new table: the last trick was another table's.
    display_.aids().hideLastTrick();
    setup_.seatHumanTable(true);
    standings_.refreshTableStandings();
    standings_.refreshOverallTop();
    session_.trickleader = static_cast<std::int16_t>(intFloor(random_.next() * kSeats));
    session_.trickwinner = session_.trickleader;
    engine_.resetMatch();
    engine_.prepareTable();
    display_.showTableStandings();
    surface_.setEnabled(ctl::Timer1, true);
    const ResultSet options = db_.query("SELECT * FROM opzioni ");
    if (!options.empty()) {
        applyHandLimit(surface_, tournament_, options.at(5, 0).text(), LimitScope::AllTables);
    }
    tournament_.tablecursor = 1;
    surface_.setEnabled(ctl::Timer2, true);
    surface_.setEnabled(ctl::Timer3, true);
    surface_.setVisible(ctl::Frame6, false);
    surface_.setWindowEnabled(true);
}

}  // namespace zelvaro
