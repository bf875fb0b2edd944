#include "tournament/FieldSetup.h"

#include <cctype>
#include <set>
#include <string>
#include <utility>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableDisplay.h"
#include "primitives/Random.h"
#include "primitives/Tournament.h"
#include "rules/Rounding.h"
#include "store/Database.h"
#include "store/Nummag.h"
#include "store/ProfileRows.h"
#include "tournament/Standings.h"

namespace zelvaro {
namespace {

constexpr int kLastListedTable = 500;

// The database compares names without regard to ASCII letter case, so two pool players
// whose names differ only so are one entrant.
std::string foldedCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Pool players that can take a place beside the human: each name once, never his.
int distinctPlayers(const ResultSet& pool, const PlayerProfile& human) {
    std::set<std::pair<std::string, std::string>> names;
    for (int row = 0; row < pool.rows(); ++row) {
        names.emplace(foldedCase(pool.at(0, row).text()), foldedCase(pool.at(1, row).text()));
    }
    names.erase({foldedCase(human.cognome), foldedCase(human.nome)});
    return static_cast<int>(names.size());
}

ResultSet entrantRow(Database& db, const std::string& surname, const std::string& firstName) {
    return db.query("SELECT * FROM torneo where cognome=? and nome=?", {surname, firstName});
}

// The window takes no input until the scope ends, however it ends.
class WindowDisabled {
public:
    explicit WindowDisabled(Surface& surface) : surface_(surface) {
        surface_.setWindowEnabled(false);
    }
    ~WindowDisabled() { surface_.setWindowEnabled(true); }
    WindowDisabled(const WindowDisabled&) = delete;
    WindowDisabled& operator=(const WindowDisabled&) = delete;

private:
    Surface& surface_;
};

}  // namespace

void FieldSetup::startTournament() {
    // The player is the profile picked on the profile panel, already in the session.
    display_.showHumanPanel();
    display_.showOptionBadges();
    {
        // The old field goes only together with the new one's arrival.
        Transaction transaction(db_);
        db_.execute("DELETE FROM torneo");
        const bool built = buildField();
        transaction.commit();
        if (!built) {
            surface_.showMessage("Non ci sono abbastanza giocatori per formare il torneo.",
                                 MessageButtons::Ok);
            returnToMenu();
            return;
        }
    }
    listActiveTables();
    seatHumanTable(false);
    standings_.refreshTableStandings();
    session_.trickleader = static_cast<std::int16_t>(intFloor(random_.next() * kSeats));
    session_.trickwinner = session_.trickleader;
    tournament_.roundnumber = 1;
    ++tournament_.seatings;
    engine_.resetMatch();
    engine_.prepareTable();
    display_.showTableStandings();
    surface_.setEnabled(ctl::Timer1, true);
    tournament_.tablecursor = 1;
    surface_.setEnabled(ctl::Timer2, true);
    surface_.setEnabled(ctl::Timer3, true);
    surface_.setVisible(ctl::Picture1, true);
    // The way to the full standings belongs to every tournament table.
    surface_.setVisible(ctl::Label52, true);
    standings_.refreshOverallTop();
    returnToMenu();
}

void FieldSetup::returnToMenu() {
    for (Control label : kMenuLabels) surface_.setEnabled(label, true);
    surface_.setVisible(ctl::Frame3, false);
    surface_.setVisible(ctl::Frame5, false);
}

bool FieldSetup::buildField() {
    const WindowDisabled busy(surface_);
    const double n = readNummag(db_);
    random_.burn(n);
    const ResultSet pool = db_.query("SELECT * FROM giocatori where profilo='" + std::string("0") +
                                     "'order by cognome asc,nome asc ");
    const PlayerProfile& human = session_.humanprofile;
    const int size = tournament_.fieldsize;
    // Every computer player drawn twice is drawn again, so a pool with fewer distinct
    // players than the field's computer places could never fill it.
    if (size < 1 || distinctPlayers(pool, human) < size - 1) return false;

    const int c = pool.rows();
    const float slotsTimesSix = static_cast<float>(6 * size);
    int seat = 0;
    int table = 1;
    bool humanPlaced = false;
    for (int slot = 1; slot <= size; ++slot) {
        while (true) {
            const int candidate = static_cast<int>(intFloor(random_.next() * c));
            const auto t = static_cast<std::int64_t>(
                std::floor(static_cast<float>(random_.next()) * slotsTimesSix));
            if (!humanPlaced && (t == 1 || slot == size)) {
                db_.appendRow("torneo", {{"cognome", human.cognome},
                                         {"nome", human.nome},
                                         {"nazionalita", human.nazionalita},
                                         {"tavolo", table},
                                         {"punti", "0"}});
                humanPlaced = true;
                break;
            }
            const std::string surname = pool.at(0, candidate).text();
            const std::string firstName = pool.at(1, candidate).text();
            if (!entrantRow(db_, surname, firstName).empty()) continue;
            db_.appendRow("torneo", {{"cognome", surname},
                                     {"nome", firstName},
                                     {"tavolo", table},
                                     {"punti", "0"},
                                     {"nazionalita", pool.at(2, candidate)}});
            break;
        }
        if (++seat == kSeats) {
            ++table;
            seat = 0;
        }
    }
    return true;
}

void FieldSetup::listActiveTables() {
    surface_.clearItems(ctl::Combo7);
    for (int t = 0; t <= kLastListedTable; ++t) {
        const std::string table = std::to_string(t);
        if (!db_.query("SELECT * FROM torneo where tavolo=? and eliminato='0' ", {table}).empty()) {
            surface_.addItem(ctl::Combo7, table);
        }
    }
    standings_.showPlayersTable();
}

void FieldSetup::seatHumanTable(bool carry) {
    const PlayerProfile& human = session_.humanprofile;
    const ResultSet self = entrantRow(db_, human.cognome, human.nome);
    const std::string table = self.at("tavolo", 0).text();
    const int carried = static_cast<int>(self.at("punti", 0).integer());
    session_.seatstats[kHumanSeat] = {human.cognome, carry ? carried : 0, 0, human.nome};

    const ResultSet mates =
        db_.query("SELECT * FROM torneo where tavolo=? and not(cognome=? and nome=?) ",
                  {table, human.cognome, human.nome});
    for (int i = 0; i < kSeats - 1; ++i) {
        const std::string surname = mates.at(0, i).text();
        const std::string firstName = mates.at(1, i).text();
        const ResultSet player =
            db_.query("SELECT * FROM giocatori where cognome=? and nome=? ", {surname, firstName});
        session_.seatstats[i + 1] = {
            surname, carry ? static_cast<int>(mates.at(3, i).integer()) : 0, 0, firstName};
        session_.opponents[i] = profileFromRow(player, 0, true);
    }
}

}  // namespace zelvaro
