#include "store/ProfileRows.h"

#include "store/Database.h"

namespace zelvaro {

PlayerProfile profileFromRow(const ResultSet& rs, int row, bool withFace) {
    PlayerProfile p;
    p.cognome = rs.at(0, row).text();
    p.nome = rs.at(1, row).text();
    p.nazionalita = rs.at(2, row).text();
    p.anno = rs.at(3, row).text();
    p.profilo = rs.at(4, row).text();
    p.cambiocarte = static_cast<int>(rs.at(5, row).integer());
    p.aggressivita = static_cast<int>(rs.at(6, row).integer());
    if (withFace) p.foto = static_cast<int>(rs.at(7, row).integer());
    return p;
}

bool loadUserProfile(Database& db, std::int64_t rowId, PlayerProfile& human) {
    const ResultSet rows =
        db.query("SELECT * FROM giocatori where rowid=? and profilo='1' ", {rowId});
    if (rows.empty()) return false;
    human = profileFromRow(rows, 0, false);
    return true;
}

}  // namespace zelvaro
