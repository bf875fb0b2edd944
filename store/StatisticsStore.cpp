#include "store/StatisticsStore.h"

#include <algorithm>
#include <ctime>
#include <string_view>
#include <utility>

#include "store/Database.h"
#include "store/NameCollation.h"
#include "store/OpponentLevel.h"

namespace zelvaro {
namespace {

// Every text column is declared in the game's name order, as all the store's are.
const char* const kTables[] = {
    // One row for each single game or tournament that ended for a user profile, added once
    // and never changed, and only taken away with the profile's whole record ("Azzera", the
    // profile deleted): every figure is read from them, so none can be dropped without changing
    // one; numero keeps their order. A game has tipo 'partita', limite '' and 6
    // partecipanti; a tournament tipo 'torneo'. A line of the history an earlier version kept
    // (riportata 1) is listed like the others but counted through the riporto tables; what
    // that history did not keep (vinta, finale) is left empty. avversari is the computer
    // seats' level the result was played against; every row written before the level existed
    // was played against "Classici".
    "CREATE TABLE IF NOT EXISTS risultati (numero INTEGER PRIMARY KEY, cognome TEXT COLLATE "
    "ZELVARO_NOMI, nome TEXT COLLATE ZELVARO_NOMI, tipo TEXT COLLATE ZELVARO_NOMI, data TEXT, "
    "punteggio TEXT COLLATE ZELVARO_NOMI, limite TEXT COLLATE ZELVARO_NOMI, posto NUMERIC, "
    "partecipanti NUMERIC, punti NUMERIC, turno NUMERIC, finale NUMERIC, vinta NUMERIC, "
    "riportata NUMERIC, avversari TEXT COLLATE ZELVARO_NOMI DEFAULT 'Classici')",
    // The running totals an earlier version kept, by game type and by tournament kind, as they
    // stood when the file was converted; every figure adds them in. Never written again.
    "CREATE TABLE IF NOT EXISTS riportopartite (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT "
    "COLLATE ZELVARO_NOMI, punteggio TEXT COLLATE ZELVARO_NOMI, giocate NUMERIC, vinte NUMERIC, "
    "posto1 NUMERIC, posto2 NUMERIC, posto3 NUMERIC, posto4 NUMERIC, posto5 NUMERIC, posto6 "
    "NUMERIC, sommaposti NUMERIC, migliorpunteggio NUMERIC, sommapunti NUMERIC, serie NUMERIC, "
    "serielunga NUMERIC)",
    "CREATE TABLE IF NOT EXISTS riportotornei (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT "
    "COLLATE ZELVARO_NOMI, punteggio TEXT COLLATE ZELVARO_NOMI, limite TEXT COLLATE ZELVARO_NOMI, "
    "disputati NUMERIC, sommaturni NUMERIC, turnomigliore NUMERIC, ultimoposto NUMERIC, "
    "migliorposto NUMERIC, sommaposti NUMERIC, finali NUMERIC, vittorie NUMERIC)",
    // The history reads a profile's newest rows of one kind along this index, in numero order.
    "CREATE INDEX IF NOT EXISTS risultati_nome ON risultati (cognome, nome, tipo)",
    // The figures read a profile's rows of one kind here alone, type by type and within a type
    // in numero order: the aggregates and the streaks need neither the table nor a sort.
    "CREATE INDEX IF NOT EXISTS risultati_conti ON risultati (cognome, nome, tipo, punteggio, "
    "limite, numero, riportata, vinta, posto, punti, turno, finale)",
    "CREATE INDEX IF NOT EXISTS riportopartite_nome ON riportopartite (cognome, nome, punteggio)",
    "CREATE INDEX IF NOT EXISTS riportotornei_nome ON riportotornei (cognome, nome, punteggio, "
    "limite)",
};

// The record's tables in that earlier version, and the columns kept from each.
constexpr const char* kGameTotals =
    "cognome, nome, punteggio, giocate, vinte, posto1, posto2, posto3, posto4, posto5, posto6, "
    "sommaposti, migliorpunteggio, sommapunti, serie, serielunga";
constexpr const char* kTournamentTotals =
    "cognome, nome, punteggio, limite, disputati, sommaturni, turnomigliore, ultimoposto, "
    "migliorposto, sommaposti, finali, vittorie";
constexpr const char* kHistoryLine =
    "cognome, nome, tipo, data, punteggio, limite, posto, partecipanti, punti, turno";

// A type's figures: its running totals carried over, if any, and the count of its games since.
const char* const kGameFigures =
    "SELECT punteggio, sum(giocate), sum(vinte), sum(posto1), sum(posto2), sum(posto3), "
    "sum(posto4), sum(posto5), sum(posto6), sum(sommaposti), max(migliorpunteggio), "
    "sum(sommapunti), max(serie), max(serielunga) FROM (SELECT punteggio, giocate, vinte, posto1, "
    "posto2, posto3, posto4, posto5, posto6, sommaposti, migliorpunteggio, sommapunti, serie, "
    "serielunga FROM riportopartite WHERE cognome=? AND nome=? UNION ALL SELECT punteggio, "
    "count(*), sum(vinta), sum(posto=1), sum(posto=2), sum(posto=3), sum(posto=4), sum(posto=5), "
    "sum(posto=6), sum(posto), max(punti), sum(punti), 0, 0 FROM risultati WHERE cognome=? AND "
    "nome=? AND tipo='partita' AND riportata=0 GROUP BY punteggio) GROUP BY punteggio ORDER BY "
    "punteggio";

// The same by tournament kind. Its last place is that of its newest row (numero ultimo),
// else the one carried over.
const char* const kTournamentFigures =
    "SELECT punteggio, limite, sum(disputati), sum(sommaturni), max(turnomigliore), "
    "coalesce(max(CASE WHEN ultimo > 0 THEN ultimoposto END), max(ultimoposto)), "
    "min(migliorposto), sum(sommaposti), sum(finali), sum(vittorie) FROM (SELECT punteggio, "
    "limite, disputati, sommaturni, turnomigliore, ultimoposto, migliorposto, sommaposti, finali, "
    "vittorie, 0 AS ultimo FROM riportotornei WHERE cognome=? AND nome=? UNION ALL SELECT "
    "k.punteggio, k.limite, disputati, sommaturni, turnomigliore, r.posto, migliorposto, "
    "sommaposti, finali, vittorie, ultimo FROM (SELECT punteggio, limite, count(*) AS disputati, "
    "sum(turno) AS sommaturni, max(turno) AS turnomigliore, min(posto) AS migliorposto, "
    "sum(posto) AS sommaposti, sum(finale) AS finali, sum(vinta) AS vittorie, max(numero) AS "
    "ultimo FROM risultati WHERE cognome=? AND nome=? AND tipo='torneo' AND riportata=0 GROUP BY "
    "punteggio, limite) AS k JOIN risultati AS r ON r.numero=k.ultimo) GROUP BY punteggio, limite "
    "ORDER BY punteggio, limite";

constexpr const char* kGameEntry = "partita";
constexpr const char* kTournamentEntry = "torneo";

std::string now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

bool isUserProfile(Database& db, const std::string& cognome, const std::string& nome) {
    return !db.query("SELECT rowid FROM giocatori where cognome=? and nome=? and profilo='1'",
                     {cognome, nome})
                .empty();
}

bool hasTable(Database& db, const char* table) {
    return !db.query("SELECT name FROM main.sqlite_master WHERE type='table' AND name=?", {table})
                .empty();
}

// An earlier version kept running totals by game type and tournament kind (statistiche,
// statistichetornei) and each profile's last 50 games and tournaments (storico). Totals
// cannot be split back into games, so they are kept as they stood, and every figure adds them
// in; the history lines become rows marked riportata, listed in the history as before (each
// copy of storico, the compaction's too, kept its rows in the order written) and counted
// only through the totals. The old tables then go, so this happens once; the caller's
// transaction makes it all or nothing.
void carryOverRunningTotals(Database& db) {
    const std::string line = kHistoryLine;
    const struct {
        const char* table;
        const char* into;
        std::string columns, values;
    } moves[] = {
        {"statistiche", "riportopartite", kGameTotals, kGameTotals},
        {"statistichetornei", "riportotornei", kTournamentTotals, kTournamentTotals},
        {"storico", "risultati", line + ", riportata", line + ", 1"},
    };
    for (const auto& move : moves) {
        if (!hasTable(db, move.table)) continue;
        db.execute(std::string("INSERT INTO ") + move.into + " (" + move.columns + ") SELECT " +
                   move.values + " FROM main." + move.table + " ORDER BY rowid");
        db.execute(std::string("DROP TABLE main.") + move.table);
    }
}

// A record made before the computer seats had levels gains the level's column; its rows were
// all played against "Classici", which the column's default gives them.
void addLevelColumn(Database& db) {
    const ResultSet columns = db.query("PRAGMA main.table_info(risultati)");
    for (int r = 0; r < columns.rows(); ++r) {
        if (columns.at(1, r).text() == "avversari") return;
    }
    db.execute(
        "ALTER TABLE risultati ADD COLUMN avversari TEXT COLLATE ZELVARO_NOMI DEFAULT "
        "'Classici'");
}

void addResult(Database& db, const std::string& cognome, const std::string& nome, const char* kind,
               const HistoryEntry& entry, bool finalReached, bool won,
               const std::string& avversari) {
    Transaction transaction(db);
    if (!isUserProfile(db, cognome, nome)) return;
    db.appendRow("risultati", {{"cognome", cognome},
                               {"nome", nome},
                               {"tipo", kind},
                               {"data", entry.when},
                               {"punteggio", entry.punteggio},
                               {"limite", entry.limite},
                               {"posto", entry.place},
                               {"partecipanti", entry.entrants},
                               {"punti", entry.points},
                               {"turno", entry.round},
                               {"finale", finalReached ? 1 : 0},
                               {"vinta", won ? 1 : 0},
                               {"riportata", 0},
                               {"avversari", avversari}});
    transaction.commit();
}

// Reads row `row` of `rs` cell by cell, left to right.
auto cellsOf(const ResultSet& rs, int row) {
    return [&rs, row, column = 0]() mutable -> const Value& { return rs.at(column++, row); };
}

int asInt(const Value& cell) {
    return static_cast<int>(cell.integer());
}

// Each game type's results since the conversion, oldest first (true for a win); the types in
// name order, one entry for the ways of writing one type that the name order takes as one.
using WinsByType = std::vector<std::pair<std::string, std::vector<bool>>>;

WinsByType winsByType(Database& db, const std::string& cognome, const std::string& nome) {
    WinsByType wins;
    db.forEachRow(
        "SELECT punteggio, vinta FROM risultati WHERE cognome=? AND nome=? AND tipo='partita' AND "
        "riportata=0 ORDER BY punteggio, limite, numero",
        {cognome, nome}, [&wins](const RowView& row) {
            const std::string_view type = row.text(0);
            if (wins.empty() ||
                (wins.back().first != type && compareNames(wins.back().first, type) != 0)) {
                wins.emplace_back(std::string(type), std::vector<bool>{});
            }
            wins.back().second.push_back(row.integer(1) != 0);
            return true;
        });
    return wins;
}

std::vector<GameTypeFigures> readGameFigures(Database& db, const std::string& cognome,
                                             const std::string& nome) {
    const ResultSet rows = db.query(kGameFigures, {cognome, nome, cognome, nome});
    const auto wins = winsByType(db, cognome, nome);
    std::vector<GameTypeFigures> figures;
    for (int r = 0; r < rows.rows(); ++r) {
        auto next = cellsOf(rows, r);
        GameTypeFigures g;
        g.punteggio = next().text();
        g.played = asInt(next());
        g.won = asInt(next());
        for (int& place : g.places) place = asInt(next());
        g.placeSum = asInt(next());
        g.bestScore = asInt(next());
        g.scoreSum = next().integer();
        WinningStreaks carried;
        carried.current = asInt(next());
        carried.longest = asInt(next());
        const auto since = std::find_if(wins.begin(), wins.end(), [&g](const auto& type) {
            return compareNames(type.first, g.punteggio) == 0;
        });
        const WinningStreaks streaks =
            since == wins.end() ? carried : streaksAfter(carried, since->second);
        g.streak = streaks.current;
        g.longestStreak = streaks.longest;
        figures.push_back(g);
    }
    return figures;
}

std::vector<TournamentFigures> readTournamentFigures(Database& db, const std::string& cognome,
                                                     const std::string& nome) {
    const ResultSet rows = db.query(kTournamentFigures, {cognome, nome, cognome, nome});
    std::vector<TournamentFigures> figures;
    for (int r = 0; r < rows.rows(); ++r) {
        auto next = cellsOf(rows, r);
        TournamentFigures t;
        t.punteggio = next().text();
        t.limite = next().text();
        t.entered = asInt(next());
        t.roundSum = asInt(next());
        t.bestRound = asInt(next());
        t.lastPlace = asInt(next());
        t.bestPlace = asInt(next());
        t.placeSum = next().integer();
        t.finals = asInt(next());
        t.won = asInt(next());
        figures.push_back(t);
    }
    return figures;
}

std::vector<HistoryEntry> readHistory(Database& db, const std::string& cognome,
                                      const std::string& nome, const char* kind) {
    std::vector<HistoryEntry> entries;
    const ResultSet rs = db.query(
        "SELECT data, punteggio, limite, posto, partecipanti, punti, turno FROM risultati WHERE "
        "cognome=? AND nome=? AND tipo=? ORDER BY numero DESC LIMIT " +
            std::to_string(kHistoryLength),
        {cognome, nome, kind});
    for (int r = 0; r < rs.rows(); ++r) {
        auto next = cellsOf(rs, r);
        HistoryEntry e;
        e.when = next().text();
        e.punteggio = next().text();
        e.limite = next().text();
        e.place = asInt(next());
        e.entrants = asInt(next());
        e.points = asInt(next());
        e.round = asInt(next());
        entries.push_back(e);
    }
    return entries;
}

ExpertFigures readExpertFigures(Database& db, const std::string& cognome, const std::string& nome) {
    const ResultSet rs = db.query(
        "SELECT tipo, count(*), sum(vinta) FROM risultati WHERE cognome=? AND nome=? AND "
        "avversari=? AND riportata=0 GROUP BY tipo",
        {cognome, nome, std::string(kExpertOpponents)});
    ExpertFigures figures;
    for (int r = 0; r < rs.rows(); ++r) {
        const bool game = rs.at(0, r).text() == kGameEntry;
        (game ? figures.gamesPlayed : figures.tournamentsEntered) = asInt(rs.at(1, r));
        (game ? figures.gamesWon : figures.tournamentsWon) = asInt(rs.at(2, r));
    }
    return figures;
}

}  // namespace

void ensureStatisticsTables(Database& db) {
    Transaction transaction(db);
    for (const char* sql : kTables) db.execute(sql);
    addLevelColumn(db);
    carryOverRunningTotals(db);
    transaction.commit();
}

void recordGame(Database& db, const GameResult& result) {
    if (result.place < 1 || result.place > 6) return;
    addResult(db, result.cognome, result.nome, kGameEntry,
              {now(), result.punteggio, "", result.place, 6, result.score, 0}, false, result.won,
              result.avversari);
}

void recordTournament(Database& db, const TournamentResult& result) {
    if (result.place < 1) return;
    addResult(db, result.cognome, result.nome, kTournamentEntry,
              {now(), result.punteggio, result.limite, result.place, result.entrants, result.points,
               result.roundReached},
              result.finalReached, result.finalReached && result.place == 1, result.avversari);
}

ProfileStatistics readStatistics(Database& db, const std::string& cognome,
                                 const std::string& nome) {
    ProfileStatistics stats;
    stats.games = readGameFigures(db, cognome, nome);
    stats.tournaments = readTournamentFigures(db, cognome, nome);
    stats.recentGames = readHistory(db, cognome, nome, kGameEntry);
    stats.recentTournaments = readHistory(db, cognome, nome, kTournamentEntry);
    stats.againstExperts = readExpertFigures(db, cognome, nome);
    return stats;
}

WinningStreaks streaksAfter(WinningStreaks before, const std::vector<bool>& won) {
    WinningStreaks streaks = before;
    for (const bool win : won) {
        streaks.current = win ? streaks.current + 1 : 0;
        streaks.longest = std::max(streaks.longest, streaks.current);
    }
    return streaks;
}

void clearStatistics(Database& db, const std::string& cognome, const std::string& nome) {
    Transaction transaction(db);
    for (const char* table : {"risultati", "riportopartite", "riportotornei"}) {
        db.execute(std::string("DELETE FROM ") + table + " where cognome=? and nome=?",
                   {cognome, nome});
    }
    transaction.commit();
}

void clearStatisticsOfRow(Database& db, long long rowId) {
    const ResultSet row =
        db.query("SELECT cognome, nome FROM giocatori where rowid=? and profilo='1'",
                 {static_cast<std::int64_t>(rowId)});
    if (!row.empty()) clearStatistics(db, row.at(0, 0).text(), row.at(1, 0).text());
}

int ProfileStatistics::gamesPlayed() const {
    int n = 0;
    for (const GameTypeFigures& g : games) n += g.played;
    return n;
}

int ProfileStatistics::gamesWon() const {
    int n = 0;
    for (const GameTypeFigures& g : games) n += g.won;
    return n;
}

int ProfileStatistics::tournamentsEntered() const {
    int n = 0;
    for (const TournamentFigures& t : tournaments) n += t.entered;
    return n;
}

int ProfileStatistics::tournamentsWon() const {
    int n = 0;
    for (const TournamentFigures& t : tournaments) n += t.won;
    return n;
}

int ProfileStatistics::finalsReached() const {
    int n = 0;
    for (const TournamentFigures& t : tournaments) n += t.finals;
    return n;
}

int ProfileStatistics::bestTournamentPlace() const {
    int best = 0;
    for (const TournamentFigures& t : tournaments) {
        if (t.entered > 0 && (best == 0 || t.bestPlace < best)) best = t.bestPlace;
    }
    return best;
}

}  // namespace zelvaro
