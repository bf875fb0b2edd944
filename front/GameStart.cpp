#include "front/GameStart.h"

#include <string>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableDisplay.h"
#include "front/ProfilePanel.h"
#include "primitives/HandLimit.h"
#include "primitives/Random.h"
#include "primitives/Tournament.h"
#include "rules/Rounding.h"
#include "store/Database.h"
#include "store/Nummag.h"
#include "store/OpponentLevel.h"
#include "store/ProfileRows.h"

namespace zelvaro {
namespace {

constexpr std::array<Control, 8> kTournamentLists{ctl::Label41, ctl::Label40,        ctl::Label42,
                                                  ctl::Label43, ctl::Label44,        ctl::Label45,
                                                  ctl::Combo7,  ctl::TournamentPlace};
// A pool that keeps offering the same few names must not hang the start.
constexpr int kMaxDrawsPerSeat = 100000;

void showTournamentLists(Surface& surface, bool visible) {
    for (Control c : kTournamentLists) surface.setVisible(c, visible);
    for (int i = 0; i < 6; ++i) {
        surface.setVisible(ctl::Image5[i], visible);
        surface.setVisible(ctl::Image6[i], visible);
    }
}

}  // namespace

void GameStart::disableMenuForPanel() {
    for (Control label : {ctl::Label2, ctl::Label3, ctl::Label10, ctl::Label20, ctl::Label15}) {
        surface_.setEnabled(label, false);
    }
    surface_.setVisible(ctl::Frame3, true);
    surface_.setEnabled(ctl::Label35, false);
}

void GameStart::openProfilePanel() {
    surface_.setCaption(ctl::Label48, "");
    surface_.setCaption(ctl::Label47, "");
    tournament_.tournamentflag = 0;
    profiles_.prepareForOpening();
    session_.clearTrick();
    disableMenuForPanel();
    surface_.setVisible(ctl::Label52, false);
}

void GameStart::openTournament() {
    const ResultSet options = db_.query("SELECT * FROM opzioni ");
    applyHandLimit(surface_, tournament_, options.at(5, 0).text(), LimitScope::AllTables);

    const std::string type = options.at(3, 0).text();
    if (type == "Partita Singola" || type == "3 Vinte" || type == "5 Vinte" || type == "Chips") {
        surface_.showMessage("Il Torneo non puo' essere disputato in modalita' Partita Singola",
                             MessageButtons::Ok);
        return;
    }
    db_.execute("DELETE FROM classifica ");
    tournament_.tournamentflag = 1;
    profiles_.prepareForOpening();
    session_.clearTrick();
    disableMenuForPanel();
}

void GameStart::closeProfilePanel() {
    for (Control label : kMenuLabels) surface_.setEnabled(label, true);
    surface_.setVisible(ctl::Frame3, false);
}

void GameStart::closeTournamentRules() {
    for (Control label : kMenuLabels) surface_.setEnabled(label, true);
    surface_.setVisible(ctl::Frame3, false);
    surface_.setVisible(ctl::Frame5, false);
}

void GameStart::confirmProfile() {
    // The player is the profile picked in the list, whatever other profile reads alike.
    if (surface_.caption(ctl::Label22).empty() ||
        !profiles_.loadShownProfile(session_.humanprofile)) {
        surface_.setCaption(ctl::ProfileHint, "Scegli o crea un profilo per andare avanti.");
        surface_.setVisible(ctl::ProfileHint, true);
        return;
    }
    surface_.setVisible(ctl::ProfileHint, false);
    if (tournament_.tournamentflag == 0) {
        startSingleGame();
    } else {
        showTournamentRules();
    }
}

void GameStart::loadOptions() {
    const ResultSet row = db_.query("SELECT * FROM opzioni ");
    MatchOptions& options = session_.options;
    options.tipopartita = row.at(0, 0).text();
    options.cambiocarte = row.at(1, 0).text();
    options.duesuperaasso = row.at(2, 0).text();
    options.punteggio = row.at(3, 0).text();
    options.premio = row.at(4, 0).text();
    options.limite = row.at(5, 0).text();
    // The player's own table plays at the level chosen; the simulated tables never read it.
    session_.avversari = readOpponentLevel(db_);
}

void GameStart::startSingleGame() {
    loadOptions();
    display_.showHumanPanel();
    session_.gamemode = "Partita";
    showTournamentLists(surface_, false);
    display_.showOptionBadges();
    session_.seatstats[kHumanSeat] = {session_.humanprofile.cognome, 0, 0,
                                      session_.humanprofile.nome};
    if (!drawOpponents()) {
        surface_.showMessage("Non ci sono abbastanza giocatori per formare un tavolo.",
                             MessageButtons::Ok);
        return;
    }
    session_.trickleader = static_cast<std::int16_t>(intFloor(random_.next() * 6));
    session_.trickwinner = session_.trickleader;
    engine_.resetMatch();
    engine_.prepareTable();
    display_.showTableStandings();
    surface_.setEnabled(ctl::Timer1, true);
    surface_.setVisible(ctl::Picture1, true);
}

bool GameStart::drawOpponents() {
    const double n = readNummag(db_);
    if (!pool_)
        pool_ = db_.query("SELECT * FROM giocatori where profilo='" + std::string("0") + "' ");
    const ResultSet& pool = *pool_;
    const int c = pool.rows();
    if (c < kSeats - 1) return false;
    for (int slot = 0; slot < kSeats - 1; ++slot) {
        for (int attempt = 0;; ++attempt) {
            random_.burn(n);
            const int row = static_cast<int>(intFloor(random_.next() * c));
            const std::string candidate = pool.at(0, row).text() + " " + pool.at(1, row).text();
            bool seated = false;
            for (const PlayerProfile& opponent : session_.opponents) {
                if (opponent.cognome + " " + opponent.nome == candidate) {
                    seated = true;
                    break;
                }
            }
            if (seated && attempt < kMaxDrawsPerSeat) continue;
            session_.seatstats[slot + 1] = {pool.at(0, row).text(), 0, 0, pool.at(1, row).text()};
            session_.opponents[slot] = profileFromRow(pool, row, true);
            break;
        }
    }
    return true;
}

void GameStart::showTournamentRules() {
    loadOptions();
    session_.gamemode = "Torneo";
    showTournamentLists(surface_, true);
    const std::string& type = session_.options.punteggio;
    const bool carriesPoints = type == "25 Punti" || type == "50 Punti" || type == "100 Punti" ||
                               session_.options.isPotGame();
    if (carriesPoints || session_.options.isEliminationGame()) {
        tournament_.fieldsize = Tournament::kFullField;
        surface_.setCaption(ctl::Label38, "Giocatori Partecipanti " +
                                              std::to_string(tournament_.fieldsize) + " su " +
                                              std::to_string(tournament_.fieldsize / kSeats) +
                                              " tavoli\nTurni di Gioco " +
                                              std::to_string(tournament_.rounds()) + "\n");
        std::string rules =
            "Il turno viene passato da chi raggiunge i punti prestabiliti e dal secondo e terzo "
            "in classifica.\n";
        if (carriesPoints) {
            rules +=
                "I giocatori si portano dietro i punti conquistati nel turno precedente e il "
                "traguardo non e' altro che la moltiplicazione tra i punti da raggiungere e il "
                "turno al quale si ha accesso.\n";
        }
        surface_.setCaption(ctl::Label38, surface_.caption(ctl::Label38) + rules);
    }
    surface_.setVisible(ctl::Frame5, true);
}

}  // namespace zelvaro
