// The record as one row per result: its figures are always what the results recorded add up
// to, on a new file and on one converted from running totals; the conversion shows exactly
// what the running totals showed, once, or leaves them as they were; and the winning streaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/NameCollation.h"
#include "store/Schema.h"
#include "store/StatisticsStore.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

// A record an earlier version wrote as running totals, kept with the figures it showed: those
// of its simulated player.
const fs::path kKeptRecord = fs::path(ZELVARO_TEST_DATA) / "running-totals.mdb";
const fs::path kKeptFigures = fs::path(ZELVARO_TEST_DATA) / "running-totals-figures.txt";
constexpr const char* kKeptSurname = "Simulatore";
constexpr const char* kKeptFirstName = "Zelvaro";

// A copy of the kept file in `folder`, opened as the game opens its file at start-up (which
// converts it); the copy's path.
fs::path openKeptRecord(Database& db, const TempFolder& folder) {
    const fs::path file = folder.path() / Database::kFileName;
    fs::copy_file(kKeptRecord, file);
    if (openGameDatabase(db, file).problem != StoreProblem::None) {
        throw std::runtime_error("the kept record does not open");
    }
    return file;
}

std::vector<std::string> keptFigures() {
    std::ifstream in(kKeptFigures);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

std::string entryLine(const HistoryEntry& e, bool withDate) {
    return (withDate ? e.when + " | " : "") + e.punteggio + " | " + e.limite + " | place " +
           std::to_string(e.place) + " | entrants " + std::to_string(e.entrants) + " | points " +
           std::to_string(e.points) + " | round " + std::to_string(e.round);
}

// Every figure of a record, a line each, as the kept file's figures were written down.
std::vector<std::string> figureLines(const ProfileStatistics& s, bool withDates = true) {
    std::vector<std::string> lines;
    for (const GameTypeFigures& g : s.games) {
        std::string places;
        for (int p : g.places) places += (places.empty() ? "" : " ") + std::to_string(p);
        lines.push_back("game " + g.punteggio + ": played " + std::to_string(g.played) + ", won " +
                        std::to_string(g.won) + ", places " + places + ", place sum " +
                        std::to_string(g.placeSum) + ", best score " + std::to_string(g.bestScore) +
                        ", score sum " + std::to_string(g.scoreSum) + ", streak " +
                        std::to_string(g.streak) + ", longest streak " +
                        std::to_string(g.longestStreak));
    }
    for (const TournamentFigures& t : s.tournaments) {
        lines.push_back("tournament " + t.punteggio + " / " + t.limite + ": entered " +
                        std::to_string(t.entered) + ", round sum " + std::to_string(t.roundSum) +
                        ", best round " + std::to_string(t.bestRound) + ", last place " +
                        std::to_string(t.lastPlace) + ", best place " +
                        std::to_string(t.bestPlace) + ", place sum " + std::to_string(t.placeSum) +
                        ", finals " + std::to_string(t.finals) + ", won " + std::to_string(t.won));
    }
    for (const HistoryEntry& e : s.recentGames)
        lines.push_back("recent game: " + entryLine(e, withDates));
    for (const HistoryEntry& e : s.recentTournaments) {
        lines.push_back("recent tournament: " + entryLine(e, withDates));
    }
    return lines;
}

void addProfile(Database& db, const std::string& surname, const std::string& firstName) {
    db.appendRow("giocatori", {{"cognome", surname}, {"nome", firstName}, {"profilo", "1"}});
}

int rowsOf(Database& db, const std::string& sql) {
    return static_cast<int>(db.query(sql).at(0, 0).integer());
}

bool hasTable(Database& db, const char* table) {
    return !db.query("SELECT name FROM sqlite_master WHERE type='table' AND name=?", {table})
                .empty();
}

TEST(StatisticsFactsTest, WinningStreaksGoOnFromWhereTheyStood) {
    const bool W = true, L = false;
    const struct {
        const char* name;
        WinningStreaks before;
        std::vector<bool> won;
        WinningStreaks want;
    } rows[] = {
        {"no game", {}, {}, {0, 0}},
        {"a loss", {}, {L}, {0, 0}},
        {"a win", {}, {W}, {1, 1}},
        {"a run ended by a loss", {}, {W, W, L}, {0, 2}},
        {"a run up to the last game", {}, {L, W, W}, {2, 2}},
        {"the first run the longer", {}, {W, W, W, L, W, W}, {2, 3}},
        {"the later run the longer", {}, {W, L, W, W, W}, {3, 3}},
        {"nothing since the totals", {2, 5}, {}, {2, 5}},
        {"the carried run goes on", {2, 2}, {W}, {3, 3}},
        {"the carried run ends, its record stays", {2, 5}, {L, W}, {1, 5}},
        {"the carried run passes the record", {4, 5}, {W, W}, {6, 6}},
        {"a new run only equals the record", {0, 3}, {W, W, W, L}, {0, 3}},
    };
    for (const auto& row : rows) {
        const WinningStreaks got = streaksAfter(row.before, row.won);
        EXPECT_EQ(std::make_pair(got.current, got.longest),
                  std::make_pair(row.want.current, row.want.longest))
            << row.name;
    }
}

using Result = std::variant<GameResult, TournamentResult>;

struct InNameOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        return compareNames(a, b) < 0;
    }
    bool operator()(const std::pair<std::string, std::string>& a,
                    const std::pair<std::string, std::string>& b) const {
        const int first = compareNames(a.first, b.first);
        return first != 0 ? first < 0 : compareNames(a.second, b.second) < 0;
    }
};

// What a record must show: the figures it showed at `start`, with the results `made` since
// then, oldest first, counted one by one.
ProfileStatistics recount(const ProfileStatistics& start, const std::vector<Result>& made) {
    std::map<std::string, GameTypeFigures, InNameOrder> games;
    for (const GameTypeFigures& g : start.games) games[g.punteggio] = g;
    std::map<std::pair<std::string, std::string>, TournamentFigures, InNameOrder> kinds;
    for (const TournamentFigures& t : start.tournaments) kinds[{t.punteggio, t.limite}] = t;
    ProfileStatistics want;
    for (const Result& result : made) {
        if (const auto* game = std::get_if<GameResult>(&result)) {
            GameTypeFigures& f = games[game->punteggio];
            f.punteggio = game->punteggio;
            f.bestScore = f.played == 0 ? game->score : std::max(f.bestScore, game->score);
            ++f.played;
            f.won += game->won;
            ++f.places[game->place - 1];
            f.placeSum += game->place;
            f.scoreSum += game->score;
            f.streak = game->won ? f.streak + 1 : 0;
            f.longestStreak = std::max(f.longestStreak, f.streak);
            want.recentGames.push_back({"", game->punteggio, "", game->place, 6, game->score, 0});
        } else {
            const auto& t = std::get<TournamentResult>(result);
            TournamentFigures& f = kinds[{t.punteggio, t.limite}];
            f.punteggio = t.punteggio;
            f.limite = t.limite;
            f.bestPlace = f.entered == 0 ? t.place : std::min(f.bestPlace, t.place);
            ++f.entered;
            f.roundSum += t.roundReached;
            f.bestRound = std::max(f.bestRound, t.roundReached);
            f.lastPlace = t.place;
            f.placeSum += t.place;
            f.finals += t.finalReached;
            f.won += t.finalReached && t.place == 1;
            want.recentTournaments.push_back(
                {"", t.punteggio, t.limite, t.place, t.entrants, t.points, t.roundReached});
        }
    }
    for (const auto& [type, figures] : games) want.games.push_back(figures);
    for (const auto& [kind, figures] : kinds) want.tournaments.push_back(figures);
    // The history, newest first: those made here, then those shown at the start.
    for (auto* history : {&want.recentGames, &want.recentTournaments}) {
        std::reverse(history->begin(), history->end());
        const auto& before =
            history == &want.recentGames ? start.recentGames : start.recentTournaments;
        history->insert(history->end(), before.begin(), before.end());
        history->resize(std::min<std::size_t>(history->size(), kHistoryLength));
    }
    return want;
}

struct Player {
    std::string surname, firstName;
    bool profile;
    ProfileStatistics start;
    std::vector<Result> made;
};

// Single games and tournaments drawn at random for two profiles and a name that is none, the
// second profile's record reset half way; after each, the record read is the one recounted.
void playRandomMix(Database& db, std::vector<Player>& players, unsigned seed) {
    const char* const types[] = {"25 Punti", "3 Vinte", "Partita Singola", "Piatto 500"};
    const std::pair<const char*, const char*> kinds[] = {{"50 Punti", "Senza Limite"},
                                                         {"50 Punti", "Limite 10 Mani"},
                                                         {"Eliminazione 25", "Limite 10 Mani"}};
    std::mt19937 draws(seed);
    const auto chance = [&draws](double p) { return std::bernoulli_distribution(p)(draws); };
    const auto between = [&draws](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(draws);
    };
    for (Player& p : players) p.start = readStatistics(db, p.surname, p.firstName);
    int refused = 0;
    for (int step = 0; step < 400; ++step) {
        if (step == 250) {
            Player& reset = players[1];
            clearStatistics(db, reset.surname, reset.firstName);
            reset.start = {};
            reset.made.clear();
        }
        Player& p = players[between(0, static_cast<int>(players.size()) - 1)];
        // The name as typed in another letter case is the same profile.
        std::string surname = p.surname;
        if (chance(0.3)) {
            for (char& c : surname)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        SCOPED_TRACE(surname + " " + p.firstName + ", step " + std::to_string(step));
        if (chance(0.6)) {
            // Places out of 1 to 6 are refused; only the first can be the winner.
            const int place = chance(0.45) ? 1 : between(0, 7);
            const GameResult game{surname, p.firstName,      types[between(0, 3)],
                                  place,   between(-20, 60), place == 1 && chance(0.8)};
            recordGame(db, game);
            if (p.profile && place >= 1 && place <= 6) p.made.emplace_back(game);
            refused += place < 1 || place > 6;
        } else {
            const auto& [type, limit] = kinds[between(0, 2)];
            const int round = chance(0.5) ? 9 : between(1, 8);
            const int place = chance(0.4) ? between(0, 2) : between(3, 1536);
            const TournamentResult t{
                surname,        p.firstName,
                type,           limit,
                place,          1536,
                round,          round == 9 && place >= 1 && place <= 6 && chance(0.7),
                between(0, 500)};
            recordTournament(db, t);
            if (p.profile && place >= 1) p.made.emplace_back(t);
            refused += place < 1;
        }
        ASSERT_EQ(figureLines(readStatistics(db, p.surname, p.firstName), false),
                  figureLines(recount(p.start, p.made), false));
    }
    // The mix tried refused places, streaks both grown and ended, a tournament won.
    EXPECT_GT(refused, 0);
    const ProfileStatistics stats = readStatistics(db, players[0].surname, players[0].firstName);
    EXPECT_TRUE(std::any_of(stats.games.begin(), stats.games.end(), [](const GameTypeFigures& g) {
        return g.longestStreak >= 3 && g.streak < g.longestStreak;
    }));
    EXPECT_GT(stats.tournamentsWon(), 0);
    // One row for each result made, none for the name that is no profile.
    std::size_t made = 0;
    for (const Player& p : players) made += p.made.size();
    EXPECT_EQ(rowsOf(db, "SELECT count(*) FROM risultati WHERE riportata=0"),
              static_cast<int>(made));
    EXPECT_EQ(rowsOf(db, "SELECT count(*) FROM risultati WHERE cognome='Nessuno'"), 0);
}

TEST(StatisticsFactsTest, FiguresAreAlwaysWhatTheResultsAddUpTo) {
    {
        SCOPED_TRACE("a new file");
        testsupport::SeededDatabase fresh;
        addProfile(fresh.db, "Statistico", "Ugo");
        addProfile(fresh.db, "Ferri", "Giulia");
        std::vector<Player> players{{"Statistico", "Ugo", true, {}, {}},
                                    {"Ferri", "Giulia", true, {}, {}},
                                    {"Nessuno", "Tale", false, {}, {}}};
        playRandomMix(fresh.db, players, 20250312);
    }
    {
        // The running totals carried over are added in: streaks go on, the last place is
        // the newest tournament's, the history goes on from the kept lines.
        SCOPED_TRACE("a file converted from running totals");
        TempFolder folder;
        Database db;
        openKeptRecord(db, folder);
        addProfile(db, "Ferri", "Giulia");
        std::vector<Player> players{{kKeptSurname, kKeptFirstName, true, {}, {}},
                                    {"Ferri", "Giulia", true, {}, {}},
                                    {"Nessuno", "Tale", false, {}, {}}};
        playRandomMix(db, players, 20251209);
    }
}

// The kept file, written while the record was running totals, shows every figure and history
// line it showed then; converted once, its old tables go; "Azzera" takes the carried totals.
TEST(StatisticsFactsTest, ARunningTotalsFileShowsTheSameFiguresOnceConverted) {
    TempFolder folder;
    const std::vector<std::string> want = keptFigures();
    ASSERT_EQ(want.size(), 59U);  // 3 game types, 2 tournament kinds, 50 + 4 history lines
    fs::path file;
    {
        Database db;
        file = openKeptRecord(db, folder);
        EXPECT_EQ(figureLines(readStatistics(db, kKeptSurname, kKeptFirstName)), want);
        for (const char* old : {"statistiche", "statistichetornei", "storico"}) {
            EXPECT_FALSE(hasTable(db, old)) << old;
        }
    }
    Database db;
    ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    EXPECT_EQ(figureLines(readStatistics(db, kKeptSurname, kKeptFirstName)), want);
    // The 50 games and 4 tournaments of the history, carried over once.
    EXPECT_EQ(rowsOf(db, "SELECT count(*) FROM risultati WHERE riportata=1"), 54);
    EXPECT_EQ(rowsOf(db, "SELECT count(*) FROM risultati"), 54);

    clearStatistics(db, kKeptSurname, kKeptFirstName);
    EXPECT_EQ(figureLines(readStatistics(db, kKeptSurname, kKeptFirstName)),
              std::vector<std::string>{});
    for (const char* table : {"risultati", "riportopartite", "riportotornei"}) {
        EXPECT_EQ(rowsOf(db, std::string("SELECT count(*) FROM ") + table), 0) << table;
    }
}

// A conversion that fails half way (here on a history that lacks its columns, after the game
// totals were carried over) leaves the file's record as it was.
TEST(StatisticsFactsTest, AConversionThatFailsLeavesTheRunningTotalsAsTheyWere) {
    TempFolder folder;
    const fs::path file = folder.path() / Database::kFileName;
    {
        Database older;
        older.open(file);
        ensureSchema(older);
        older.execute(
            "CREATE TABLE statistiche (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT COLLATE "
            "ZELVARO_NOMI, punteggio TEXT COLLATE ZELVARO_NOMI, giocate NUMERIC, vinte NUMERIC, "
            "posto1 NUMERIC, posto2 NUMERIC, posto3 NUMERIC, posto4 NUMERIC, posto5 NUMERIC, "
            "posto6 NUMERIC, sommaposti NUMERIC, migliorpunteggio NUMERIC, sommapunti NUMERIC, "
            "serie NUMERIC, serielunga NUMERIC)");
        older.execute(
            "INSERT INTO statistiche VALUES ('Ferri', 'Giulia', '25 Punti', 3, 1, 1, 1, "
            "1, 0, 0, 0, 6, 30, 60, 0, 1)");
        older.execute("CREATE TABLE storico (cognome TEXT COLLATE ZELVARO_NOMI, nome TEXT)");
    }
    {
        Database db;
        EXPECT_THROW(openGameDatabase(db, file), DatabaseError);
    }
    Database look;
    look.open(file);
    EXPECT_EQ(rowsOf(look, "SELECT sum(giocate) FROM statistiche"), 3);
    EXPECT_EQ(rowsOf(look, "SELECT count(*) FROM riportopartite"), 0);
    EXPECT_TRUE(hasTable(look, "storico"));
}

}  // namespace
}  // namespace zelvaro
