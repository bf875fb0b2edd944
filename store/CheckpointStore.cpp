#include "store/CheckpointStore.h"

#include "store/Database.h"
#include "store/Schema.h"

namespace zelvaro {
namespace {

// The field's columns, those of `torneo`, which `classifica` shares: "cognome, nome, ...".
const std::string& fieldColumns() {
    static const std::string columns = [] {
        std::string list;
        for (const std::string& column : gameTableColumns("torneo")) {
            list += (list.empty() ? "" : ", ") + column;
        }
        return list;
    }();
    return columns;
}

// Deletes that leave the freed pages as they are, for as long as it lives.
class UnwipedDeletes {
public:
    explicit UnwipedDeletes(Database& db) : db_(db) {
        wiping_ = db_.query("PRAGMA secure_delete").at(0, 0).integer() != 0;
        if (wiping_) db_.query("PRAGMA secure_delete = 0");
    }
    ~UnwipedDeletes() {
        try {
            if (wiping_) db_.query("PRAGMA secure_delete = 1");
        } catch (const DatabaseError&) {
            // A connection that failed this is closing: it wipes nothing any more.
        }
    }
    UnwipedDeletes(const UnwipedDeletes&) = delete;
    UnwipedDeletes& operator=(const UnwipedDeletes&) = delete;

private:
    Database& db_;
    bool wiping_ = false;
};

}  // namespace

void ensureCheckpointTables(Database& db) {
    db.execute(
        "CREATE TABLE IF NOT EXISTS salvataggio (descrizione TEXT, stato TEXT, cognome TEXT "
        "COLLATE "
        "ZELVARO_NOMI, nome TEXT COLLATE ZELVARO_NOMI)");
    // The copies keep each row's place, so the field is put back in its very order.
    for (const char* copy : {"salvatorneo", "salvaclassifica"}) {
        db.execute(
            std::string("CREATE TABLE IF NOT EXISTS ") + copy +
            " (riga INTEGER, cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT COLLATE ZELVARO_NOMI, "
            "tavolo "
            "NUMERIC, punti NUMERIC, eliminato NUMERIC, nazionalita TEXT COLLATE ZELVARO_NOMI)");
    }
}

void saveCheckpoint(Database& db, const Checkpoint& checkpoint) {
    Transaction transaction(db);
    {
        // The file wipes what it deletes, writing each freed page once more. The record
        // replaced here frees some twenty pages that the new one takes again at once: wiped
        // first, they would double what a save point writes (and encrypts).
        const UnwipedDeletes replacing(db);
        removeCheckpoint(db);
        db.execute(
            "INSERT INTO salvataggio (descrizione, stato, cognome, nome) VALUES (?, ?, ?, ?)",
            {checkpoint.description, checkpoint.state, checkpoint.surname, checkpoint.firstName});
    }
    transaction.commit();
}

std::optional<Checkpoint> loadCheckpoint(Database& db) {
    const ResultSet rows = db.query("SELECT descrizione, stato, cognome, nome FROM salvataggio");
    if (rows.empty()) return std::nullopt;
    return Checkpoint{rows.at(0, 0).text(), rows.at(1, 0).text(), rows.at(2, 0).text(),
                      rows.at(3, 0).text()};
}

namespace {

long long count(Database& db, const std::string& sql, const Database::Parameters& parameters = {}) {
    return db.query(sql, parameters).at(0, 0).integer();
}

// No row and no entrant twice in one table.
bool eachRowOnce(Database& db, const std::string& table, const std::string& row) {
    const long long rows = count(db, "SELECT count(*) FROM " + table);
    return count(db, "SELECT count(DISTINCT " + row + ") FROM " + table) == rows &&
           count(db, "SELECT count(*) FROM (SELECT DISTINCT cognome, nome FROM " + table + ")") ==
               rows;
}

}  // namespace

bool savedFieldIsWhole(Database& db, const SavedFieldShape& shape) {
    // A record of today keeps no copy: the file's own tables are the field of its moment.
    const std::string field = shape.copied ? "salvatorneo" : "torneo";
    const std::string out = shape.copied ? "salvaclassifica" : "classifica";
    const std::string row = shape.copied ? "riga" : "rowid";
    if (!eachRowOnce(db, field, row) || !eachRowOnce(db, out, row)) return false;
    if (!shape.tournament) return true;
    constexpr int kTableSeats = 6;
    // The standings hold the eliminated, and while the standings screen is open the field's
    // snapshot too (eliminato 0).
    return count(db, "SELECT count(*) FROM " + field) == shape.entrants &&
           count(db, "SELECT count(*) FROM " + out + " WHERE eliminato=1") ==
               shape.fieldSize - shape.entrants &&
           count(db, "SELECT count(*) FROM " + field + " t JOIN " + out +
                         " c ON t.cognome=c.cognome and t.nome=c.nome and c.eliminato=1") == 0 &&
           count(db,
                 "SELECT count(*) FROM (SELECT tavolo FROM " + field +
                     " GROUP BY tavolo HAVING count(*)=?)",
                 {kTableSeats}) == shape.entrants / kTableSeats &&
           count(db, "SELECT count(*) FROM " + field + " WHERE cognome=? and nome=?",
                 {shape.surname, shape.firstName}) == 1;
}

void restoreCheckpointField(Database& db) {
    for (const auto& [copy, table] :
         {std::pair{"salvatorneo", "torneo"}, std::pair{"salvaclassifica", "classifica"}}) {
        db.execute(std::string("DELETE FROM ") + table);
        db.execute(std::string("INSERT INTO ") + table + " (rowid, " + fieldColumns() +
                   ") SELECT riga, " + fieldColumns() + " FROM " + copy + " ORDER BY riga");
    }
}

void removeCheckpoint(Database& db) {
    // Emptying a table rewrites its first page even when it has no row: an empty one is left
    // alone, so that a game that ends with nothing saved writes only its result.
    for (const char* table : {"salvataggio", "salvatorneo", "salvaclassifica"}) {
        const std::string name(table);
        if (!db.query("SELECT 1 FROM " + name + " LIMIT 1").empty())
            db.execute("DELETE FROM " + name);
    }
}

bool checkpointPlayedBy(Database& db, const std::string& surname, const std::string& firstName) {
    return !db.query("SELECT rowid FROM salvataggio WHERE cognome=? and nome=?",
                     {surname, firstName})
                .empty();
}

bool hasCheckpoint(Database& db) {
    return !db.query("SELECT rowid FROM salvataggio LIMIT 1").empty();
}

}  // namespace zelvaro
