// Each user profile's record: one row for every single game and tournament that ended for him,
// written once and never changed, and every figure and the history read from those rows. A
// profile is known by its surname and first name, as the game tells players apart (letter
// case aside): a row number would not survive the compaction at exit, which copies the tables
// row by row.
#pragma once

#include <string>
#include <vector>

namespace zelvaro {

class Database;

inline constexpr int kHistoryLength = 50;

// Creates the record's tables and indexes that the file lacks, and carries an earlier
// version's running totals over into them, once (see StatisticsStore.cpp); inside the
// caller's transaction when there is one.
void ensureStatisticsTables(Database& db);

// A single game that ended with its winner named.
struct GameResult {
    std::string cognome;
    std::string nome;
    std::string punteggio;  // the game type
    int place = 0;          // 1 to 6 at the table, as its ranking lists the seats
    int score = 0;          // the player's final score
    bool won = false;
    std::string avversari = "Classici";  // the computer seats' level
};

// A tournament that ended for the player: he was eliminated or the final was played.
struct TournamentResult {
    std::string cognome;
    std::string nome;
    std::string punteggio;
    std::string limite;
    int place = 0;  // his row in the final standings, 1 to the number of entrants
    int entrants = 0;
    int roundReached = 0;  // the last round he played
    bool finalReached = false;
    int points = 0;  // his total points in the standings
    std::string avversari = "Classici";
};

// Each adds the result's row, inside the caller's transaction when there is one. A name that
// is no user profile records nothing.
void recordGame(Database& db, const GameResult& result);
void recordTournament(Database& db, const TournamentResult& result);

struct GameTypeFigures {
    std::string punteggio;
    int played = 0;
    int won = 0;
    int places[6] = {};  // how often he finished 1st to 6th
    int placeSum = 0;
    int bestScore = 0;
    long long scoreSum = 0;
    int streak = 0;  // wins in a row up to the last game
    int longestStreak = 0;
};

struct TournamentFigures {
    std::string punteggio;
    std::string limite;
    int entered = 0;
    int roundSum = 0;
    int bestRound = 0;
    int lastPlace = 0;
    int bestPlace = 0;
    long long placeSum = 0;
    int finals = 0;
    int won = 0;
};

// One game or tournament of the history, the newest first in the lists that hold them.
struct HistoryEntry {
    std::string when;  // "2025-03-12 21:04:37", local time
    std::string punteggio;
    std::string limite;  // empty for a single game
    int place = 0;
    int entrants = 0;  // 6 for a single game
    int points = 0;
    int round = 0;  // tournaments only
};

// What he played against the expert level ("Esperti"), since the level exists.
struct ExpertFigures {
    int gamesPlayed = 0;
    int gamesWon = 0;
    int tournamentsEntered = 0;
    int tournamentsWon = 0;
    bool operator==(const ExpertFigures&) const = default;
};

struct ProfileStatistics {
    std::vector<GameTypeFigures> games;           // by game type, in its name's order
    std::vector<TournamentFigures> tournaments;   // by game type, then hand limit
    std::vector<HistoryEntry> recentGames;        // the last kHistoryLength, newest first
    std::vector<HistoryEntry> recentTournaments;  // the same for tournaments
    ExpertFigures againstExperts;

    int gamesPlayed() const;
    int gamesWon() const;
    int tournamentsEntered() const;
    int tournamentsWon() const;
    int finalsReached() const;
    // The best tournament place ever, 0 before the first tournament.
    int bestTournamentPlace() const;
};

ProfileStatistics readStatistics(Database& db, const std::string& cognome, const std::string& nome);

// A player's winning streaks in one game type: the wins in a row up to his last game, and the
// longest run of wins he has had.
struct WinningStreaks {
    int current = 0;
    int longest = 0;
    bool operator==(const WinningStreaks&) const = default;
};
// The streaks after the games `won` (oldest first, true for a win), played after a record
// whose streaks stood at `before`.
WinningStreaks streaksAfter(WinningStreaks before, const std::vector<bool>& won);

// Removes the whole record of that name (a profile reset or deleted).
void clearStatistics(Database& db, const std::string& cognome, const std::string& nome);
// The same for the user profile in giocatori row `rowId`, before that row goes.
void clearStatisticsOfRow(Database& db, long long rowId);

}  // namespace zelvaro
