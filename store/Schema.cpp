#include "store/Schema.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>

#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/NameCollation.h"
#include "store/OpponentLevel.h"
#include "store/StatisticsStore.h"

namespace zelvaro {
namespace {

std::string nationTableSql() {
    std::string sql =
        "CREATE TABLE IF NOT EXISTS nazioni (nazione TEXT COLLATE ZELVARO_NOMI, "
        "nomecognome TEXT COLLATE ZELVARO_NOMI";
    for (int i = 1; i <= 20; ++i) sql += ", " + nameColumn(i) + " TEXT COLLATE ZELVARO_NOMI";
    return sql + ")";
}

// Every text column is declared in the game's own name order (see NameCollation.h).
const char* const kTables[] = {
    "CREATE TABLE IF NOT EXISTS giocatori (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT COLLATE "
    "ZELVARO_NOMI, nazionalita TEXT COLLATE ZELVARO_NOMI, anno NUMERIC, profilo NUMERIC, "
    "cambiocarte NUMERIC, aggressivita NUMERIC, foto NUMERIC)",
    "CREATE TABLE IF NOT EXISTS opzioni (tipopartita TEXT COLLATE ZELVARO_NOMI, cambiocarte TEXT "
    "COLLATE ZELVARO_NOMI, \"2superaasso\" TEXT COLLATE ZELVARO_NOMI, punteggio TEXT COLLATE "
    "ZELVARO_NOMI, premio TEXT COLLATE ZELVARO_NOMI, limite TEXT COLLATE ZELVARO_NOMI)",
    "CREATE TABLE IF NOT EXISTS temp (descrizione TEXT COLLATE ZELVARO_NOMI, numero1 NUMERIC)",
    "CREATE TABLE IF NOT EXISTS torneo (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT COLLATE "
    "ZELVARO_NOMI, tavolo NUMERIC, punti NUMERIC, eliminato NUMERIC DEFAULT 0, nazionalita TEXT "
    "COLLATE ZELVARO_NOMI)",
    "CREATE TABLE IF NOT EXISTS classifica (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT COLLATE "
    "ZELVARO_NOMI, tavolo NUMERIC, punti NUMERIC, eliminato NUMERIC, nazionalita TEXT COLLATE "
    "ZELVARO_NOMI)",
    "CREATE INDEX IF NOT EXISTS giocatori_nome ON giocatori (cognome, nome)",
    "CREATE INDEX IF NOT EXISTS giocatori_profilo ON giocatori (profilo)",
    "CREATE INDEX IF NOT EXISTS nazioni_nazione ON nazioni (nazione, nomecognome)",
    "CREATE INDEX IF NOT EXISTS torneo_nome ON torneo (cognome, nome)",
    "CREATE INDEX IF NOT EXISTS torneo_tavolo ON torneo (tavolo)",
    // The field's leaders, read every few seconds, without sorting the whole field.
    "CREATE INDEX IF NOT EXISTS torneo_punti ON torneo (punti DESC, cognome, nome)",
    "CREATE INDEX IF NOT EXISTS classifica_tavolo ON classifica (tavolo)",
};

void createTables(Database& db) {
    db.execute(nationTableSql());
    for (const char* sql : kTables) db.execute(sql);
}

// The file's user version: 2 once its text columns are declared in the game's name order
// under the order's own name. Earlier versions declared them COLLATE NOCASE, SQLite's own
// name, and built the name indexes in SQLite's order (version 0) or in compareNames
// registered under that name (version 1): any other SQLite program took the latter for damage.
constexpr int kOwnNameOrder = 2;

// `sql` with every COLLATE NOCASE naming the game's order instead.
std::string inOwnNameOrder(const std::string& sql) {
    static const std::regex earlierName(R"(\bCOLLATE(\s+)NOCASE\b)", std::regex::icase);
    return std::regex_replace(sql, earlierName, std::string("COLLATE$1") + kNameCollation);
}

std::string quotedName(const std::string& name) {
    std::string quoted = "\"";
    quoted += Database::replace(name, "\"", "\"\"", 1);
    quoted += '"';
    return quoted;
}

// Builds `table` again from its own statement `sql` in the game's name order, the way SQLite
// advises for a change that ALTER TABLE cannot make: a new table, every row copied with its
// rowid (the profile panel and the saved field address rows by it), the old table dropped
// with its indexes, the new one given the old name, the indexes made again from their own
// statements. Only ordinary statements, so a failure rolls back like any other. The names
// carry "main.": the table "temp" is not the temporary database.
void rebuildInOwnNameOrder(Database& db, const std::string& table, const std::string& sql) {
    const std::size_t columnList = sql.find('(');
    if (columnList == std::string::npos) throw DatabaseError("no column list [" + sql + "]");
    const std::string name = quotedName(table);
    const std::string building = "main." + quotedName("zelvaro_conversione");
    std::string columns = "rowid";
    const ResultSet info = db.query("PRAGMA main.table_info(" + name + ")");
    for (int c = 0; c < info.rows(); ++c) columns += ", " + quotedName(info.at("name", c).text());
    const ResultSet indexes = db.query(
        "SELECT sql FROM main.sqlite_master WHERE type='index' AND tbl_name=? AND sql NOT NULL",
        {table});
    db.execute("CREATE TABLE " + building + " " + inOwnNameOrder(sql.substr(columnList)));
    db.execute("INSERT INTO " + building + " (" + columns + ") SELECT " + columns + " FROM main." +
               name);
    db.execute("DROP TABLE main." + name);
    db.execute("ALTER TABLE " + building + " RENAME TO " + name);
    for (int i = 0; i < indexes.rows(); ++i) db.execute(inOwnNameOrder(indexes.at(0, i).text()));
}

// A file of an earlier version has each table that declares NOCASE built again, once; the
// caller's transaction makes it all or nothing.
void useOwnNameOrder(Database& db) {
    if (db.query("PRAGMA user_version").at(0, 0).integer() >= kOwnNameOrder) return;
    const ResultSet tables =
        db.query("SELECT name, sql FROM main.sqlite_master WHERE type='table' AND sql NOT NULL");
    for (int t = 0; t < tables.rows(); ++t) {
        const std::string sql = tables.at(1, t).text();
        if (inOwnNameOrder(sql) != sql) rebuildInOwnNameOrder(db, tables.at(0, t).text(), sql);
    }
    db.execute("PRAGMA user_version = " + std::to_string(kOwnNameOrder));
}

std::vector<std::string> splitOn(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

void seedNations(Database& db) {
    for (const NationNames& row : parseNationNames(builtInNationNames())) {
        std::vector<std::pair<std::string, Value>> columns{{"nazione", row.nation},
                                                           {"nomecognome", row.kind}};
        for (std::size_t i = 0; i < row.names.size() && i < 20; ++i) {
            columns.emplace_back(nameColumn(static_cast<int>(i) + 1), row.names[i]);
        }
        db.appendRow("nazioni", columns);
    }
}

}  // namespace

std::string nameColumn(int i) {
    std::string column = "n";
    column += std::to_string(i);
    return column;
}

std::vector<NationNames> parseNationNames(std::string_view text) {
    std::vector<NationNames> rows;
    for (const std::string& rawLine : splitOn(text, '\n')) {
        const std::string_view line = trimmed(rawLine);
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> fields = splitOn(line, '|');
        if (fields.size() != 3) continue;
        NationNames row{std::string(trimmed(fields[0])), std::string(trimmed(fields[1])), {}};
        for (const std::string& name : splitOn(fields[2], ';')) {
            const std::string_view n = trimmed(name);
            if (!n.empty()) row.names.emplace_back(n);
        }
        if (!row.nation.empty() && (row.kind == "cognome" || row.kind == "nome") &&
            row.names.size() == 20) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

void ensureSchema(Database& db) {
    Transaction transaction(db);
    useOwnNameOrder(db);
    createTables(db);
    ensureStatisticsTables(db);
    ensureCheckpointTables(db);
    ensureOpponentLevelTable(db);
    if (db.query("SELECT * FROM opzioni ").empty()) {
        db.appendRow("opzioni", {{"tipopartita", "Normale"},
                                 {"cambiocarte", "Si"},
                                 {"2superaasso", "No"},
                                 {"punteggio", "25 Punti"},
                                 {"premio", "1 Carta"},
                                 {"limite", "Senza Limite"}});
    }
    if (db.query("SELECT * FROM temp WHERE descrizione= 'nummag' ").empty()) {
        db.appendRow("temp", {{"descrizione", "nummag"}, {"numero1", 0}});
    }
    if (db.query("SELECT * FROM nazioni").empty()) seedNations(db);
    transaction.commit();
}

namespace {

using TableColumns = std::map<std::string, std::vector<std::string>>;

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Every table of the file with its columns in their order; names in lower case, as the
// database does not tell them apart by case.
TableColumns tableColumns(Database& db) {
    TableColumns tables;
    const ResultSet names = db.query("SELECT name FROM sqlite_master WHERE type='table'");
    for (int row = 0; row < names.rows(); ++row) {
        const std::string table = names.at(0, row).text();
        const ResultSet columns = db.query("PRAGMA table_info(\"" + table + "\")");
        std::vector<std::string>& list = tables[lowerCase(table)];
        for (int c = 0; c < columns.rows(); ++c)
            list.push_back(lowerCase(columns.at("name", c).text()));
    }
    return tables;
}

// The game's own layout, as the same statements make it in a database held in memory.
const TableColumns& gameLayout() {
    static const TableColumns layout = [] {
        Database memory;
        memory.open(":memory:");
        createTables(memory);
        return tableColumns(memory);
    }();
    return layout;
}

}  // namespace

const std::vector<std::string>& gameTableColumns(const std::string& table) {
    return gameLayout().at(table);
}

Layout databaseLayout(Database& db) {
    const TableColumns found = tableColumns(db);
    if (found.empty()) return Layout::Empty;
    // Each of the game's tables with at least the game's columns, first and in order.
    for (const auto& [table, columns] : gameLayout()) {
        const auto it = found.find(table);
        if (it == found.end() || it->second.size() < columns.size() ||
            !std::equal(columns.begin(), columns.end(), it->second.begin())) {
            return Layout::Foreign;
        }
    }
    return Layout::Game;
}

}  // namespace zelvaro
