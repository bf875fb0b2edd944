#include "tournament/RoundAdvancement.h"

#include <string>

#include "primitives/Tournament.h"
#include "rules/MatchOptions.h"
#include "store/Database.h"

namespace zelvaro {

void advanceRound(Database& db, Tournament& tournament, const MatchOptions& options) {
    const int goal = options.goal();
    if (goal > 0) {
        // A program stopped half-way leaves the round as it was, never half advanced.
        Transaction transaction(db);
        // Each table's rows together, in the order of the table's list that the player sees
        // (Standings::refreshTableStandings): best first, equal points by name, so that the
        // three listed first are the three who go on.
        const ResultSet field =
            db.query("SELECT * FROM torneo order by tavolo, punti desc,cognome asc,nome asc ");
        int place = 0;  // 0 to 5 within the current old table
        int newTable = 1;
        int seated = 0;
        for (int i = 0; i < field.rows(); ++i) {
            const std::string surname = field.at(0, i).text();
            const std::string firstName = field.at(1, i).text();
            const int points = static_cast<int>(field.at(3, i).integer());
            const Database::Parameters entrant{surname, firstName};
            if (place < 3) {
                db.execute("UPDATE torneo SET punti=?, tavolo=? WHERE cognome=? and nome=?",
                           {points - goal, newTable, surname, firstName});
                ++seated;
            } else {
                const int total = points + tournament.roundnumber * goal - goal;
                db.appendRow("classifica", {{"cognome", surname},
                                            {"nome", firstName},
                                            {"tavolo", "-"},
                                            {"punti", total},
                                            {"nazionalita", field.at(5, i)},
                                            {"eliminato", "1"}});
                db.execute("DELETE FROM torneo WHERE cognome=? and nome=?", entrant);
                if (place == 5) place = -1;
            }
            if (seated == 6) {
                ++newTable;
                seated = 0;
            }
            ++place;
        }
        transaction.commit();
    }
    ++tournament.roundnumber;
    ++tournament.seatings;
}

}  // namespace zelvaro
