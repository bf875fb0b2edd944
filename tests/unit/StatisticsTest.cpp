// Each profile's record, held to what whole games and tournaments played headless did.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "front/PlayerStatistics.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/Schema.h"
#include "store/StatisticsStore.h"
#include "tests/unit/StatisticsSupport.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using statisticstest::addProfile;
using statisticstest::kFirstName;
using statisticstest::kProfile;
using statisticstest::kRecordTables;
using statisticstest::kSurname;
using statisticstest::PlayedGame;
using statisticstest::playSingleGame;
using statisticstest::Program;
using statisticstest::statsOf;
using testsupport::TempFolder;

auto fieldsOf(const GameTypeFigures& f) {
    return std::make_tuple(f.punteggio, f.played, f.won, std::vector<int>(f.places, f.places + 6),
                           f.placeSum, f.bestScore, f.scoreSum, f.streak, f.longestStreak);
}

auto fieldsOf(const TournamentFigures& f) {
    return std::make_tuple(f.punteggio, f.limite, f.entered, f.roundSum, f.bestRound, f.lastPlace,
                           f.bestPlace, f.placeSum, f.finals, f.won);
}

// One tournament from the menu: he leads his table until the round he is to go out in (0: none),
// where he falls below his table (in round 1 below everybody).
void playTournament(Program& program, const char* type, const char* limit, int outInRound) {
    ZelvaroApp& app = program.app;
    Database& db = app.database();
    program.useOptions(type, limit);
    program.surface.clearMessages();
    TournamentDriver driver(app, program.surface);
    ASSERT_TRUE(driver.start(kProfile));
    for (bool running = true; running;) {
        const int round = app.tournament().roundnumber;
        running = driver.playRound([&] {
            if (db.query("SELECT * FROM torneo ").rows() == kSeats) return;
            if (round != outInRound) {
                leadHumansTable(app);
            } else if (round == 1) {
                db.execute("UPDATE torneo SET punti='-1000' WHERE cognome=? and nome=?",
                           {kSurname, kFirstName});
            } else {
                db.execute(
                    "UPDATE torneo SET punti=(SELECT min(punti) - 1 FROM torneo AS t WHERE "
                    "t.tavolo=torneo.tavolo) WHERE cognome=? and nome=?",
                    {kSurname, kFirstName});
            }
        });
    }
}

// His place in the final standings: one more than the entrants with more points.
int finalPlace(Database& db) {
    const ResultSet above = db.query(
        "SELECT count(*) FROM classifica where punti>(SELECT punti "
        "FROM classifica where cognome=? and nome=?)",
        {kSurname, kFirstName});
    return 1 + static_cast<int>(above.at(0, 0).integer());
}

// Tournaments, then single games of every family, all from the menu; then every figure and
// history line is held to what the run did.
TEST(StatisticsTest, TournamentsAndGamesOfEveryFamilyAreCountedAsTheyEnded) {
    Program program;
    ZelvaroApp& app = program.app;
    MemorySurface& surface = program.surface;
    app.playUnwatched();
    const struct {
        const char *type, *limit;
        int outInRound;
    } plans[] = {{"50 Punti", "Senza Limite", 1},
                 {"50 Punti", "Senza Limite", 3},
                 {"Eliminazione 25", "Limite 10 Mani", 0}};
    std::map<std::pair<std::string, std::string>, TournamentFigures> wantTournaments;
    int best = 0;
    for (const auto& plan : plans) {
        SCOPED_TRACE(std::string(plan.type) + ", out in round " + std::to_string(plan.outInRound));
        playTournament(program, plan.type, plan.limit, plan.outInRound);
        ASSERT_TRUE(surface.visible(ctl::Picture27));
        const int place = finalPlace(app.database());
        EXPECT_TRUE(
            surface.visible(ctl::PlayersStandingsRow));  // his row lit on the page it opened on
        EXPECT_TRUE(plan.outInRound != 1 || place == 1536) << place;  // below every other entrant
        EXPECT_TRUE(plan.outInRound != 0 || place <= kSeats) << place;
        best = best == 0 ? place : std::min(best, place);
        EXPECT_TRUE(surface.visible(ctl::BestPlaceLine));
        EXPECT_EQ(surface.caption(ctl::BestPlaceLine), bestPlaceLine(place, best));
        app.click(ctl::Label53);
        const bool final = plan.outInRound == 0;
        const int round = final ? 9 : plan.outInRound;
        const HistoryEntry last = statsOf(app.database()).recentTournaments.at(0);
        EXPECT_EQ(
            std::tie(last.place, last.round, last.entrants, last.punteggio, last.limite),
            std::make_tuple(place, round, 1536, std::string(plan.type), std::string(plan.limit)));
        TournamentFigures& f = wantTournaments[{plan.type, plan.limit}];
        f.punteggio = plan.type;
        f.limite = plan.limit;
        f.bestPlace = f.entered == 0 ? place : std::min(f.bestPlace, place);
        ++f.entered;
        f.roundSum += round;
        f.bestRound = std::max(f.bestRound, round);
        f.lastPlace = place;
        f.placeSum += place;
        f.finals += final;
        f.won += final && place == 1;
    }

    // A game left with "Indietro" never counts; "Chips" never ends by itself.
    const struct {
        const char* type;
        int games;
        long leaveAfterHands;
    } runs[] = {
        {"Partita Singola", 14, 0}, {"3 Vinte", 5, 0},    {"25 Punti", 3, 0}, {"50 Punti", 1, 2},
        {"Eliminazione 25", 2, 0},  {"Piatto 500", 2, 0}, {"Chips", 1, 6},    {"5 Vinte", 1, 1},
    };
    std::map<std::string, GameTypeFigures> wantGames;
    std::vector<PlayedGame> gameHistory;  // the games that ended, oldest first
    for (const auto& run : runs) {
        program.useOptions(run.type);
        for (int g = 0; g < run.games; ++g) {
            const PlayedGame game = playSingleGame(app, surface, run.leaveAfterHands);
            EXPECT_EQ(game.finished, run.leaveAfterHands == 0) << run.type;
            EXPECT_TRUE(!game.won || game.place == 1) << run.type;
            if (!game.finished) continue;
            gameHistory.push_back(game);
            GameTypeFigures& f = wantGames[run.type];
            f.punteggio = run.type;
            f.bestScore = f.played == 0 ? game.score : std::max(f.bestScore, game.score);
            ++f.played;
            f.won += game.won;
            ++f.places[game.place - 1];
            f.placeSum += game.place;
            f.scoreSum += game.score;
            f.streak = game.won ? f.streak + 1 : 0;
            f.longestStreak = std::max(f.longestStreak, f.streak);
        }
    }
    // The run tried the streaks both ways: one grew past a win, one was ended by a loss.
    const auto anyType = [&wantGames](auto test) {
        return std::any_of(wantGames.begin(), wantGames.end(),
                           [&](const auto& w) { return test(w.second); });
    };
    EXPECT_TRUE(anyType([](const GameTypeFigures& f) { return f.longestStreak >= 2; }));
    EXPECT_TRUE(anyType([](const GameTypeFigures& f) { return f.streak < f.longestStreak; }));

    // No row for a game type never ended, nor for a tournament's matches.
    const ProfileStatistics stats = statsOf(app.database());
    ASSERT_EQ(stats.games.size(), wantGames.size());
    for (std::size_t i = 0; const auto& [type, figures] : wantGames) {
        EXPECT_EQ(fieldsOf(stats.games[i++]), fieldsOf(figures)) << type;
    }
    ASSERT_EQ(stats.tournaments.size(), wantTournaments.size());
    for (std::size_t i = 0; const auto& [kind, figures] : wantTournaments) {
        EXPECT_EQ(fieldsOf(stats.tournaments[i++]), fieldsOf(figures))
            << kind.first << ", " << kind.second;
    }
    EXPECT_EQ(stats.recentTournaments.size(), std::size(plans));
    // The games' history, newest first.
    ASSERT_EQ(stats.recentGames.size(), gameHistory.size());
    for (std::size_t i = 0; i < gameHistory.size(); ++i) {
        const HistoryEntry& e = stats.recentGames[gameHistory.size() - 1 - i];
        EXPECT_EQ(std::tie(e.place, e.points), std::tie(gameHistory[i].place, gameHistory[i].score))
            << i;
        EXPECT_EQ(e.when.size(), 19U) << e.when;
    }
}

// A file made before the record existed gains its tables at the next start; there a name that
// is no user profile keeps no record, and each history lists the newest of its own kind only,
// the newest first, while the record keeps every result.
TEST(StatisticsTest, AnOlderFileGainsTheRecordAndItsHistoryKeepsTheLastEntries) {
    TempFolder folder;
    const fs::path file = folder.path() / Database::kFileName;
    {
        Database older;
        older.open(file);
        ensureSchema(older);
        for (const char* table : kRecordTables) older.execute(std::string("DROP TABLE ") + table);
        EXPECT_EQ(databaseLayout(older), Layout::Game);
    }
    Database db;
    ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    EXPECT_EQ(databaseLayout(db), Layout::Game);  // the record's tables are no other program's
    addProfile(db, kSurname, kFirstName);
    recordGame(db, {"Nessuno", "Tale", "3 Vinte", 1, 3, true});
    EXPECT_TRUE(readStatistics(db, "Nessuno", "Tale").games.empty());
    for (int i = 0; i < kHistoryLength + 5; ++i) {
        recordGame(db, {kSurname, kFirstName, "3 Vinte", i % 6 + 1, i, i % 6 == 0});
        recordTournament(
            db, {kSurname, kFirstName, "50 Punti", "Senza Limite", 100 + i, 1536, 2, false, 60});
    }
    const ProfileStatistics stats = statsOf(db);
    std::vector<int> games, tournaments, newest(kHistoryLength);
    for (const HistoryEntry& e : stats.recentGames) games.push_back(e.points);
    for (const HistoryEntry& e : stats.recentTournaments) tournaments.push_back(e.place - 100);
    std::iota(newest.rbegin(), newest.rend(), 5);  // the 55th down to the 6th
    EXPECT_EQ(games, newest);
    EXPECT_EQ(tournaments, newest);
    const int all = kHistoryLength + 5;
    EXPECT_EQ(db.query("SELECT * FROM risultati ").rows(), 2 * all);
    EXPECT_EQ(std::make_pair(stats.gamesPlayed(), stats.tournamentsEntered()),
              std::make_pair(all, all));
}

}  // namespace
}  // namespace zelvaro
