#include "tournament/RoundEnd.h"

#include <string>

#include "engine/GameSession.h"
#include "primitives/Random.h"
#include "primitives/Rounding.h"
#include "engine/TableEngine.h"
#include "engine/display/TableDisplay.h"
#include "store/Database.h"
#include "tournament/FieldSetup.h"
#include "primitives/HandLimit.h"
#include "tournament/RoundAdvancement.h"
#include "tournament/Standings.h"
#include "primitives/Tournament.h"

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
        finishTournament("Partita terminata");
        return;
    }
    advanceRound(db_, tournament_, session_.options);
    setup_.listActiveTables();
    const PlayerProfile& human = session_.humanprofile;
    if (db_.query("SELECT * FROM torneo where cognome=? and nome=?", {human.cognome, human.nome})
            .empty()) {
        finishTournament("Partita terminata\nSei stato eliminato dal torneo");
        return;
    }
    startNextRound();
}

void RoundEnd::finishTournament(const std::string& message) {
    surface_.showMessage(message, MessageButtons::Ok);
    surface_.setWindowEnabled(true);
    surface_.setVisible(ctl::Picture1, false);
    // The wait notice stands over the table: it goes with it.
    surface_.setVisible(ctl::Frame6, false);
    // The player sees where he finished.
    standings_.openFinalStandings();
}

void RoundEnd::startNextRound() {
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
