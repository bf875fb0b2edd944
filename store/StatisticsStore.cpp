#include "store/StatisticsStore.h"

#include <algorithm>
#include <ctime>

#include "store/Database.h"

namespace zelvaro {
namespace {

const char* const kTables[] = {
    // Single games, one row per profile and game type.
    "CREATE TABLE IF NOT EXISTS statistiche (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT COLLATE "
    "ZELVARO_NOMI, punteggio TEXT COLLATE ZELVARO_NOMI, giocate NUMERIC, vinte NUMERIC, posto1 "
    "NUMERIC, posto2 NUMERIC, posto3 NUMERIC, posto4 NUMERIC, posto5 NUMERIC, posto6 NUMERIC, "
    "sommaposti NUMERIC, migliorpunteggio NUMERIC, sommapunti NUMERIC, serie NUMERIC, serielunga "
    "NUMERIC)",
    // Tournaments, one row per profile, game type and hand limit.
    "CREATE TABLE IF NOT EXISTS statistichetornei (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT "
    "COLLATE ZELVARO_NOMI, punteggio TEXT COLLATE ZELVARO_NOMI, limite TEXT COLLATE ZELVARO_NOMI, "
    "disputati NUMERIC, sommaturni NUMERIC, turnomigliore NUMERIC, ultimoposto NUMERIC, "
    "migliorposto NUMERIC, sommaposti NUMERIC, finali NUMERIC, vittorie NUMERIC)",
    // The last games and tournaments one by one; numero counts a profile's entries.
    "CREATE TABLE IF NOT EXISTS storico (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT COLLATE "
    "ZELVARO_NOMI, tipo TEXT COLLATE ZELVARO_NOMI, numero NUMERIC, data TEXT, punteggio TEXT "
    "COLLATE ZELVARO_NOMI, limite TEXT COLLATE ZELVARO_NOMI, posto NUMERIC, partecipanti NUMERIC, "
    "punti NUMERIC, turno NUMERIC)",
    "CREATE INDEX IF NOT EXISTS statistiche_nome ON statistiche (cognome, nome, punteggio)",
    "CREATE INDEX IF NOT EXISTS statistichetornei_nome ON statistichetornei (cognome, nome, "
    "punteggio, limite)",
    "CREATE INDEX IF NOT EXISTS storico_nome ON storico (cognome, nome, tipo, numero)",
};

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

int number(const ResultSet& rs, const char* column, int row = 0) {
    return static_cast<int>(rs.at(column, row).integer());
}

void addToHistory(Database& db, const std::string& cognome, const std::string& nome,
                  const char* kind, const HistoryEntry& entry) {
    const ResultSet last = db.query(
        "SELECT coalesce(max(numero), 0) FROM storico where cognome=? and nome=? and tipo=?",
        {cognome, nome, kind});
    const std::int64_t next = last.at(0, 0).integer() + 1;
    db.appendRow("storico", {{"cognome", cognome},
                             {"nome", nome},
                             {"tipo", kind},
                             {"numero", next},
                             {"data", entry.when},
                             {"punteggio", entry.punteggio},
                             {"limite", entry.limite},
                             {"posto", entry.place},
                             {"partecipanti", entry.entrants},
                             {"punti", entry.points},
                             {"turno", entry.round}});
    db.execute("DELETE FROM storico where cognome=? and nome=? and tipo=? and numero<=?",
               {cognome, nome, kind, next - kHistoryLength});
}

std::vector<HistoryEntry> readHistory(Database& db, const std::string& cognome,
                                      const std::string& nome, const char* kind) {
    std::vector<HistoryEntry> entries;
    const ResultSet rs = db.query(
        "SELECT * FROM storico where cognome=? and nome=? and tipo=? order by numero desc LIMIT " +
            std::to_string(kHistoryLength),
        {cognome, nome, kind});
    for (int r = 0; r < rs.rows(); ++r) {
        entries.push_back({rs.at("data", r).text(), rs.at("punteggio", r).text(),
                           rs.at("limite", r).text(), number(rs, "posto", r),
                           number(rs, "partecipanti", r), number(rs, "punti", r),
                           number(rs, "turno", r)});
    }
    return entries;
}

}  // namespace

void ensureStatisticsTables(Database& db) {
    for (const char* sql : kTables) db.execute(sql);
}

void recordGame(Database& db, const GameResult& result) {
    if (result.place < 1 || result.place > 6) return;
    Transaction transaction(db);
    if (!isUserProfile(db, result.cognome, result.nome)) return;
    const Database::Parameters who{result.cognome, result.nome, result.punteggio};
    const ResultSet row =
        db.query("SELECT * FROM statistiche where cognome=? and nome=? and punteggio=?", who);
    if (row.empty()) {
        db.appendRow("statistiche", {{"cognome", result.cognome}, {"nome", result.nome},
                                     {"punteggio", result.punteggio}, {"giocate", 0},
                                     {"vinte", 0}, {"posto1", 0}, {"posto2", 0}, {"posto3", 0},
                                     {"posto4", 0}, {"posto5", 0}, {"posto6", 0},
                                     {"sommaposti", 0}, {"migliorpunteggio", result.score},
                                     {"sommapunti", 0}, {"serie", 0}, {"serielunga", 0}});
    }
    const int streak = result.won && !row.empty() ? number(row, "serie") + 1 : (result.won ? 1 : 0);
    const int longest = std::max(streak, row.empty() ? 0 : number(row, "serielunga"));
    const int best = row.empty() ? result.score : std::max(number(row, "migliorpunteggio"), result.score);
    const std::string placeColumn = "posto" + std::to_string(result.place);
    db.execute("UPDATE statistiche SET giocate=giocate+1, vinte=vinte+?, " + placeColumn + "=" +
                   placeColumn +
                   "+1, sommaposti=sommaposti+?, migliorpunteggio=?, sommapunti=sommapunti+?, "
                   "serie=?, serielunga=? where cognome=? and nome=? and punteggio=?",
               {result.won ? 1 : 0, result.place, best, result.score, streak, longest,
                result.cognome, result.nome, result.punteggio});
    addToHistory(db, result.cognome, result.nome, kGameEntry,
                 {now(), result.punteggio, "", result.place, 6, result.score, 0});
    transaction.commit();
}

void recordTournament(Database& db, const TournamentResult& result) {
    if (result.place < 1) return;
    Transaction transaction(db);
    if (!isUserProfile(db, result.cognome, result.nome)) return;
    const Database::Parameters who{result.cognome, result.nome, result.punteggio, result.limite};
    const ResultSet row = db.query(
        "SELECT * FROM statistichetornei where cognome=? and nome=? and punteggio=? and limite=?",
        who);
    if (row.empty()) {
        db.appendRow("statistichetornei",
                     {{"cognome", result.cognome}, {"nome", result.nome},
                      {"punteggio", result.punteggio}, {"limite", result.limite},
                      {"disputati", 0}, {"sommaturni", 0}, {"turnomigliore", 0},
                      {"ultimoposto", 0}, {"migliorposto", result.place}, {"sommaposti", 0},
                      {"finali", 0}, {"vittorie", 0}});
    }
    const int bestPlace =
        row.empty() ? result.place : std::min(number(row, "migliorposto"), result.place);
    const int bestRound =
        std::max(row.empty() ? 0 : number(row, "turnomigliore"), result.roundReached);
    const bool won = result.finalReached && result.place == 1;
    db.execute("UPDATE statistichetornei SET disputati=disputati+1, sommaturni=sommaturni+?, "
               "turnomigliore=?, ultimoposto=?, migliorposto=?, sommaposti=sommaposti+?, "
               "finali=finali+?, vittorie=vittorie+? where cognome=? and nome=? and punteggio=? "
               "and limite=?",
               {result.roundReached, bestRound, result.place, bestPlace, result.place,
                result.finalReached ? 1 : 0, won ? 1 : 0, result.cognome, result.nome,
                result.punteggio, result.limite});
    addToHistory(db, result.cognome, result.nome, kTournamentEntry,
                 {now(), result.punteggio, result.limite, result.place, result.entrants,
                  result.points, result.roundReached});
    transaction.commit();
}

ProfileStatistics readStatistics(Database& db, const std::string& cognome, const std::string& nome) {
    ProfileStatistics stats;
    const ResultSet games = db.query(
        "SELECT * FROM statistiche where cognome=? and nome=? order by punteggio", {cognome, nome});
    for (int r = 0; r < games.rows(); ++r) {
        GameTypeFigures g;
        g.punteggio = games.at("punteggio", r).text();
        g.played = number(games, "giocate", r);
        g.won = number(games, "vinte", r);
        for (int p = 0; p < 6; ++p) g.places[p] = number(games, ("posto" + std::to_string(p + 1)).c_str(), r);
        g.placeSum = number(games, "sommaposti", r);
        g.bestScore = number(games, "migliorpunteggio", r);
        g.scoreSum = games.at("sommapunti", r).integer();
        g.streak = number(games, "serie", r);
        g.longestStreak = number(games, "serielunga", r);
        stats.games.push_back(g);
    }
    const ResultSet tournaments = db.query(
        "SELECT * FROM statistichetornei where cognome=? and nome=? order by punteggio, limite",
        {cognome, nome});
    for (int r = 0; r < tournaments.rows(); ++r) {
        TournamentFigures t;
        t.punteggio = tournaments.at("punteggio", r).text();
        t.limite = tournaments.at("limite", r).text();
        t.entered = number(tournaments, "disputati", r);
        t.roundSum = number(tournaments, "sommaturni", r);
        t.bestRound = number(tournaments, "turnomigliore", r);
        t.lastPlace = number(tournaments, "ultimoposto", r);
        t.bestPlace = number(tournaments, "migliorposto", r);
        t.placeSum = tournaments.at("sommaposti", r).integer();
        t.finals = number(tournaments, "finali", r);
        t.won = number(tournaments, "vittorie", r);
        stats.tournaments.push_back(t);
    }
    stats.recentGames = readHistory(db, cognome, nome, kGameEntry);
    stats.recentTournaments = readHistory(db, cognome, nome, kTournamentEntry);
    return stats;
}

void clearStatistics(Database& db, const std::string& cognome, const std::string& nome) {
    Transaction transaction(db);
    for (const char* table : {"statistiche", "statistichetornei", "storico"}) {
        db.execute(std::string("DELETE FROM ") + table + " where cognome=? and nome=?", {cognome, nome});
    }
    transaction.commit();
}

void clearStatisticsOfRow(Database& db, long long rowId) {
    const ResultSet row = db.query("SELECT cognome, nome FROM giocatori where rowid=? and profilo='1'",
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
