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

void loadUserProfile(Database& db, const std::string& displayName, PlayerProfile& human) {
    const ResultSet humans =
        db.query("SELECT * FROM giocatori where profilo='" + std::string("1") + "' ");
    for (int row = 0; row < humans.rows(); ++row) {
        if (humans.at(0, row).text() + " " + humans.at(1, row).text() == displayName) {
            human = profileFromRow(humans, row, false);
        }
    }
}

}  // namespace zelvaro
