#include "store/Nummag.h"

#include "primitives/Random.h"
#include "store/Database.h"

namespace zelvaro {

double readNummag(Database& db) {
    const ResultSet rs =
        db.query("SELECT * FROM temp WHERE descrizione= '" + std::string("nummag") + "' ");
    return rs.empty() ? 0.0 : rs.at("numero1", 0).number();
}

double wrapNummag(double value) {
    return value > 27000 ? value - 27000 : value;
}

double updateNummag(Database& db, Random& random, float factor) {
    const double current = readNummag(db);
    const float step = static_cast<float>(random.next()) * factor;
    const double result = wrapNummag(current + static_cast<double>(step));
    db.execute("UPDATE temp SET numero1='" + formatNumber(result) + "'" + "WHERE descrizione= '" +
               "nummag" + "'");
    return result;
}

}  // namespace zelvaro
