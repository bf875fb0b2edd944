#include "tournament/Standings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "engine/GameSession.h"
#include "engine/display/TableDisplay.h"
#include "engine/display/TableLayout.h"
#include "primitives/Tournament.h"
#include "store/Database.h"

namespace zelvaro {
namespace {

constexpr std::array<Control, 3> kTimers{ctl::Timer1, ctl::Timer2, ctl::Timer3};
constexpr int kListRows = 6;
constexpr int kStandingsColumns = 7;

std::string ordered(const std::string& from) {
    return from + "order by punti desc,tavolo asc ,cognome asc,nome asc";
}

void setTimers(Surface& surface, bool enabled) {
    for (Control timer : kTimers) surface.setEnabled(timer, enabled);
}

}  // namespace

int Standings::totalPoints(int punti) const {
    return punti + (tournament_.roundnumber - 1) * session_.options.goal();
}

void Standings::refreshTableStandings() {
    std::string points, names;
    const ResultSet rs =
        db_.query("SELECT * FROM torneo where tavolo=? order by punti desc,cognome asc,nome asc ",
                  {surface_.caption(ctl::Combo7)});
    shownTableIsLive_ = false;
    for (int r = 0; r < std::min(kListRows, rs.rows()); ++r) {
        points += rs.at(3, r).text() + "\n";
        names += rs.at(0, r).text() + "\n";
        surface_.setPicture(ctl::Image5[r], flagPicture(rs.at(5, r).text()));
        if (isThePlayer(rs, r)) shownTableIsLive_ = true;
    }
    surface_.setCaption(ctl::Label41, points);
    surface_.setCaption(ctl::Label42, names);
}

void Standings::showPlayersTable() {
    const ResultSet self = playersEntry();
    surface_.setCaption(ctl::Combo7, self.empty() ? "1" : self.at(0, 0).text());
}

bool Standings::isShown(int table) const {
    return std::to_string(table) == surface_.caption(ctl::Combo7);
}

void Standings::refreshOverallTop() {
    const ResultSet rs =
        db_.query("SELECT * FROM torneo order by punti desc,cognome asc,nome asc LIMIT " +
                  std::to_string(kListRows));
    std::string points, names;
    for (int r = 0; r < rs.rows(); ++r) {
        points += rs.at(3, r).text() + "\n";
        names += rs.at(0, r).text() + "  (Tav." + rs.at(2, r).text() + ")\n";
        surface_.setPicture(ctl::Image6[r], flagPicture(rs.at(5, r).text()));
    }
    surface_.setCaption(ctl::Label44, points);
    surface_.setCaption(ctl::Label45, names);
    showPlayersPlace();
}

void Standings::showPlayersPlace() {
    // Where the player stands: his round, his table and his place in the whole field, which
    // is one more than the entrants ranked before him (more points, or as many and a name
    // sorted first).
    const PlayerProfile& player = session_.humanprofile;
    const ResultSet self = playersEntry();
    if (self.empty()) return;
    const std::int64_t ahead =
        db_.query(
               "SELECT (SELECT count(*) FROM torneo WHERE punti > ?1) + (SELECT count(*) "
               "FROM torneo WHERE punti = ?1 AND (cognome < ?2 OR (cognome = ?2 AND "
               "nome < ?3)))",
               {self.at(1, 0), player.cognome, player.nome})
            .at(0, 0)
            .integer();
    const std::int64_t entrants = db_.query("SELECT count(*) FROM torneo").at(0, 0).integer();
    const int rounds = tournament_.rounds();
    surface_.setCaption(ctl::TournamentPlace,
                        "Turno " + std::to_string(tournament_.roundnumber) + " di " +
                            std::to_string(rounds) + " \u00b7 Tavolo " + self.at(0, 0).text() +
                            " di " + std::to_string(entrants / kSeats) + " \u00b7 Sei " +
                            std::to_string(ahead + 1) + "\u00b0 di " + std::to_string(entrants));
}

ResultSet Standings::playersEntry() const {
    const PlayerProfile& player = session_.humanprofile;
    return db_.query("SELECT tavolo, punti FROM torneo where cognome=? and nome=?",
                     {player.cognome, player.nome});
}

bool Standings::isThePlayer(const ResultSet& rows, int row) const {
    const PlayerProfile& player = session_.humanprofile;
    return rows.at(0, row).text() == player.cognome && rows.at(1, row).text() == player.nome;
}

void Standings::openStandings() {
    openAt(false);
}

void Standings::openFinalStandings() {
    openAt(true);
}

void Standings::openAt(bool finalView) {
    finalView_ = finalView;
    setTimers(surface_, false);
    // The place against the player's best belongs to the end of his tournament only.
    surface_.setVisible(ctl::BestPlaceLine, false);
    surface_.setCaption(ctl::Label56, "1");
    {
        // The field's snapshot goes in whole or not at all.
        Transaction transaction(db_);
        const ResultSet field =
            db_.query("SELECT * FROM torneo order by punti desc,cognome asc,nome asc ");
        for (int r = 0; r < field.rows(); ++r) {
            db_.appendRow("classifica",
                          {{"cognome", field.at(0, r)},
                           {"nome", field.at(1, r)},
                           {"tavolo", field.at(2, r)},
                           {"punti", totalPoints(static_cast<int>(field.at(3, r).integer()))},
                           {"eliminato", "0"},
                           {"nazionalita", field.at(5, r)}});
        }
        transaction.commit();
    }
    // The last page is the last one that holds rows.
    const ResultSet all = db_.query(ordered("SELECT * FROM classifica "));
    const int pages = std::max(1, (all.rows() + kStandingsRowsPerPage - 1) / kStandingsRowsPerPage);
    surface_.setCaption(ctl::Label54, std::to_string(pages));
    // The screen opens where the player is: during play on his row of the snapshot, at the
    // end wherever he finished.
    for (int r = 0; r < all.rows(); ++r) {
        if (isThePlayer(all, r) && (finalView || all.at(4, r).integer() == 0)) {
            surface_.setCaption(ctl::Label56, std::to_string(r / kStandingsRowsPerPage + 1));
            break;
        }
    }
    showStandingsPage();
    surface_.setVisible(ctl::Picture27, true);
    surface_.setVisible(ctl::Picture1, false);
}

int Standings::shownPage() const {
    const std::string text = surface_.caption(ctl::Label56);
    int page = 1;
    std::from_chars(text.data(), text.data() + text.size(), page);
    return page;
}

int Standings::pageCount() const {
    const std::string text = surface_.caption(ctl::Label54);
    int pages = 1;
    std::from_chars(text.data(), text.data() + text.size(), pages);
    return pages;
}

void Standings::showStandingsPage() {
    const int first = kStandingsRowsPerPage * (shownPage() - 1);
    const ResultSet rs = db_.query(ordered("SELECT * FROM classifica "));
    const int last = std::min(first + kStandingsRowsPerPage - 1, rs.rows() - 1);

    std::array<std::string, kStandingsColumns> columns;
    bool playerShown = false;
    int slot = 0;
    for (int i = std::max(first, 0); i <= last; ++i, ++slot) {
        if (isThePlayer(rs, i)) {
            // The player's own row is lit.
            surface_.setTop(
                ctl::PlayersStandingsRow,
                layout::twips(layout::kStandingsRowsTop + slot * layout::kStandingsRowHeight));
            playerShown = true;
        }
        surface_.setPicture(ctl::Image7[slot], flagPicture(rs.at(5, i).text()));
        surface_.setVisible(ctl::Image7[slot], true);
        const std::string surname = rs.at(0, i).text();
        const std::string firstName = rs.at(1, i).text();
        const std::string table = rs.at(2, i).text();
        columns[0] += std::to_string(i + 1) + "\n";
        columns[1] += surname + " " + firstName + "\n";
        columns[2] += rs.at(3, i).text() + "\n";
        columns[3] += table + "\n";

        // A current entrant's place at his table and the gaps to his neighbours there; an
        // eliminated one has no table any more.
        std::array<std::string, 3> atTable{"-", "-", "-"};
        if (rs.at(4, i).integer() == 0) {
            const ResultSet mates =
                db_.query(ordered("SELECT * FROM classifica where tavolo=? "), {table});
            const int seats = std::min(kListRows, mates.rows());
            for (int j = 0; j < seats; ++j) {
                if (mates.at(0, j).text() != surname || mates.at(1, j).text() != firstName)
                    continue;
                const auto points = [&mates](int row) {
                    return static_cast<int>(mates.at(3, row).integer());
                };
                atTable = {std::to_string(j + 1),
                           j == 0 ? "0" : std::to_string(points(j - 1) - points(j)),
                           j + 1 >= seats ? "0" : std::to_string(points(j) - points(j + 1))};
            }
        }
        for (int k = 0; k < 3; ++k) columns[4 + k] += atTable[k] + "\n";
    }
    for (; slot < kStandingsRowsPerPage; ++slot) surface_.setVisible(ctl::Image7[slot], false);
    surface_.setVisible(ctl::PlayersStandingsRow, playerShown);
    for (int k = 0; k < kStandingsColumns; ++k) surface_.setCaption(ctl::Label51[k], columns[k]);
}

void Standings::turnTo(int page) {
    page = std::clamp(page, 1, std::max(1, pageCount()));
    if (page == shownPage()) return;
    surface_.setCaption(ctl::Label56, std::to_string(page));
    showStandingsPage();
}

void Standings::firstPage() {
    turnTo(1);
}

void Standings::previousPage() {
    turnTo(shownPage() - 1);
}

void Standings::nextPage() {
    turnTo(shownPage() + 1);
}

void Standings::lastPage() {
    turnTo(pageCount());
}

void Standings::closeStandings() {
    db_.execute("DELETE FROM classifica WHERE eliminato='0' ");
    surface_.setVisible(ctl::Picture27, false);
    if (finalView_) {
        // The tournament is over: back to the menu, the timers stay off.
        finalView_ = false;
        return;
    }
    setTimers(surface_, true);
    surface_.setVisible(ctl::Picture1, true);
}

}  // namespace zelvaro
