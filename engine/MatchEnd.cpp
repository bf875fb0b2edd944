#include "engine/MatchEnd.h"

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/TableOutcome.h"
#include "engine/display/TableDisplay.h"
#include "primitives/HandLimit.h"
#include "primitives/Tournament.h"
#include "store/Database.h"

namespace zelvaro {
namespace {

struct GoalTest {
    bool found = false;
    int leaders = 0;
};

// Who is past the threshold, and how many share the best score.
GoalTest goalTest(const GameSession& session, int threshold, int handsleft) {
    GoalTest result;
    int best = 0;
    for (const SeatStats& seat : session.seatstats) {
        if (seat.score > threshold && seat.score > best) {
            result.found = true;
            result.leaders = 1;
            best = seat.score;
        } else if (seat.score > threshold && seat.score == best) {
            result.found = true;
            ++result.leaders;
        }
    }
    if (handsleft == 0) result.found = true;
    return result;
}

// The seat with the highest score; the lowest seat number among equals.
int highestSeat(const GameSession& session) {
    int max = 0, highest = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (session.seatstats[seat].score > max) {
            max = session.seatstats[seat].score;
            highest = seat;
        }
    }
    return highest;
}

}  // namespace

void MatchEnd::endHand() {
    ++handsPlayed_;
    surface_.setEnabled(ctl::Timer1, false);
    for (int seat = 0; seat < kSeats; ++seat) {
        if (session_.holdsCards(seat)) session_.trickwinner = static_cast<std::int16_t>(seat);
    }
    const MatchOptions& options = session_.options;
    const std::string& type = options.punteggio;
    const bool tournament = session_.gamemode == "Torneo";
    const int winner = session_.trickwinner;

    if (type == "Partita Singola") {
        session_.seatstats[winner].score = 1;
        showHandScores();
        announceWinner(winner);
        return;
    }
    if (type == "3 Vinte" || type == "5 Vinte") {
        session_.seatstats[winner].score += 1;
        showHandScores();
        if (session_.seatstats[winner].score == (type == "3 Vinte" ? 3 : 5)) {
            announceWinner(winner);
        } else {
            nextHand(false, false);
        }
        return;
    }
    if (type == "Chips") {
        for (int seat = 0; seat < kSeats; ++seat) {
            session_.seatstats[seat].score += session_.holdsCards(seat) ? 5 : -1;
        }
        showHandScores();
        nextHand(false, false);
        return;
    }

    const bool points = options.isPointsGame();
    const bool elimination = options.isEliminationGame();
    const bool pot = options.isPotGame();
    if (!points && !elimination && !pot) {
        // An unknown game type: play on without scoring.
        nextHand(false, false);
        return;
    }
    if (elimination && tournament) addTournamentPoints(winner, 6);
    if (points) session_.seatstats[winner].score += session_.cardsHeld(winner) + 5;
    if (elimination) session_.seatstats[winner].score += 6;
    showHandScores();
    const GoalTest goal = goalTest(session_, options.goal() - 1, tournament_.handsleft);
    const int named = points ? winner : highestSeat(session_);
    if (points && tournament) writeTournamentPoints(winner, session_.seatstats[winner].score);

    if (goal.found && goal.leaders == 1 && session_.gamemode == "Partita") {
        announceWinner(named);
    } else if (tournament && goal.found) {
        finishTournamentTable();
    } else if (elimination) {
        nextHand(true, false);
    } else {
        nextHand(pot, pot);
    }
}

void MatchEnd::showHandScores() {
    display_.showTableStandings();
    display_.aids().showHandResult();
}

int MatchEnd::readTournamentPoints(int seat) {
    const SeatStats& stats = session_.seatstats[seat];
    const ResultSet rs = db_.query("SELECT * FROM torneo where cognome=? and nome=?",
                                   {stats.surname, stats.firstName});
    return rs.empty() ? 0 : static_cast<int>(rs.at("punti", 0).integer());
}

void MatchEnd::writeTournamentPoints(int seat, int points) {
    const SeatStats& stats = session_.seatstats[seat];
    db_.execute("UPDATE torneo SET punti=? WHERE cognome=? and nome=?",
                {points, stats.surname, stats.firstName});
}

void MatchEnd::addTournamentPoints(int seat, int amount) {
    writeTournamentPoints(seat, readTournamentPoints(seat) + amount);
}

void MatchEnd::announceWinner(int seat) {
    // In the player's record before he reads the result: a game he saw end is never lost.
    table_.events().singleGameEnded(seat);
    surface_.showMessage("Partita terminata\nIl vincitore e' " + session_.seatstats[seat].surname,
                         MessageButtons::Ok);
    surface_.setVisible(ctl::Picture1, false);
    matchOver_ = true;
}

void MatchEnd::finishTournamentTable() {
    // The other tables play on: the tournament tick ends the round and restarts this table.
    surface_.setVisible(ctl::Frame6, true);
    surface_.setWindowEnabled(false);
    // Under the wait panel the table has nothing more to say: no turn, no line of the hand.
    display_.aids().hideTurnAids();
    display_.aids().hideResultLines();
    showTableOutcome();
    const ResultSet options = db_.query("SELECT * FROM opzioni ");
    if (!options.empty()) {
        applyHandLimit(surface_, tournament_, options.at(5, 0).text(), LimitScope::HumanTable);
    }
    matchOver_ = true;
}

void MatchEnd::showTableOutcome() {
    const PlayerProfile& player = session_.humanprofile;
    // The table's six in the order of its list and of the advancement.
    const ResultSet rows = db_.query(
        "SELECT cognome, nome, punti FROM torneo where tavolo=(SELECT tavolo FROM torneo WHERE "
        "cognome=?1 and nome=?2) order by punti desc,cognome asc,nome asc",
        {player.cognome, player.nome});
    std::vector<TableEntrant> ranked;
    for (int r = 0; r < rows.rows(); ++r) {
        ranked.push_back(
            {rows.at(0, r).text(), rows.at(2, r).integer(),
             rows.at(0, r).text() == player.cognome && rows.at(1, r).text() == player.nome});
    }
    const bool final = db_.query("SELECT count(*) FROM torneo").at(0, 0).integer() <= kSeats;
    surface_.setCaption(ctl::TableOutcomeLine, tableOutcomeLine(ranked, final));
}

void MatchEnd::nextHand(bool countDown, bool countDownFirst) {
    session_.trickleader = session_.trickwinner;
    if (countDown && !countDownFirst) {
        // The elimination types read the limit afresh before the next hand.
        const ResultSet options = db_.query("SELECT * FROM opzioni ");
        if (!options.empty()) session_.options.limite = options.at(5, 0).text();
        table_.prepareTable();
        countDownHandLimit();
        return;
    }
    if (countDown) countDownHandLimit();
    table_.prepareTable();
}

void MatchEnd::countDownHandLimit() {
    // Only a tournament table plays under the hand limit; a single game neither counts nor
    // shows it.
    if (session_.gamemode != "Torneo") return;
    if (session_.options.hasHandLimit()) {
        --tournament_.handsleft;
        surface_.setCaption(ctl::Label48, handLimitCaption(tournament_.handsleft));
    } else {
        surface_.setCaption(ctl::Label48, kNoHandLimitCaption);
    }
}

}  // namespace zelvaro
