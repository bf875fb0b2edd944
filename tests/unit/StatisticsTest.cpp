// Each profile's record, held to what whole games and tournaments played headless show; a kill
// leaves no game counted by half; a deleted or reset profile leaves nothing behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/StatisticsPanel.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/Schema.h"
#include "store/StatisticsStore.h"
#include "tests/unit/TournamentFixture.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/HumanPolicy.h"
#include "tools/sim/TournamentDriver.h"
#include "tournament/TournamentRecord.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;
using tabletest::linesOf;

constexpr const char* kSurname = "Statistico";
constexpr const char* kFirstName = "Ugo";
constexpr const char* kProfile = "Statistico Ugo";

void addProfile(Database& db, const std::string& surname, const std::string& firstName) {
    db.appendRow("giocatori", {{"cognome", surname}, {"nome", firstName}, {"nazionalita", "Italia"},
                               {"anno", 1980}, {"profilo", "1"}, {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
}

// A started program in a folder of its own, with the profile "Statistico Ugo".
struct Program {
    explicit Program(const fs::path& where = {})
        : path(where.empty() ? folder.path() : where), app(surface, path) {
        if (!app.startUp()) throw std::runtime_error("no start");
        addProfile(app.database(), kSurname, kFirstName);
    }
    void useOptions(const std::string& type, const std::string& limit = "Senza Limite") {
        app.database().execute("UPDATE opzioni SET punteggio=?, limite=?", {type, limit});
    }
    TempFolder folder;
    fs::path path;
    MemorySurface surface;
    ZelvaroApp app;
};

struct PlayedGame {
    bool finished = false;
    bool won = false;
    int place = 0;  // his line in the table ranking as it was left
    int score = 0;
};

// One single game from the menu, left with "Indietro" after `leaveAfterHands` hands (0: never).
PlayedGame playSingleGame(ZelvaroApp& app, MemorySurface& surface, long leaveAfterHands = 0) {
    surface.clearMessages();
    app.click(ctl::Label2);
    pickProfile(app, surface, kProfile);
    if (hasCheckpoint(app.database())) surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label21);
    const long firstHand = app.engine().handsPlayed();
    while (surface.enabled(ctl::Timer1)) {
        playHumanTurn(app, surface);
        app.timerTick(ctl::Timer1);
        if (leaveAfterHands > 0 && app.engine().handsPlayed() - firstHand >= leaveAfterHands &&
            surface.visible(ctl::Picture1)) {
            surface.scriptAnswers({MessageAnswer::Yes});
            app.click(ctl::Label18);
        }
    }
    PlayedGame game;
    const std::string winnerLine = "Il vincitore e' ";
    for (const MemorySurface::ShownMessage& message : surface.messages()) {
        const auto at = message.text.find(winnerLine);
        if (at == std::string::npos) continue;
        game.finished = true;
        game.won = message.text.substr(at + winnerLine.size()) == kSurname;
    }
    const std::vector<std::string> ranking = linesOf(surface.caption(ctl::Label31));
    const auto line = std::find(ranking.begin(), ranking.end(), kSurname);
    game.place = static_cast<int>(line - ranking.begin()) + 1;
    game.score = app.session().seatstats[kHumanSeat].score;
    return game;
}

GameTypeFigures expectedFigures(const std::string& type, const std::vector<PlayedGame>& games) {
    GameTypeFigures f;
    f.punteggio = type;
    for (const PlayedGame& g : games) {
        if (!g.finished) continue;
        if (f.played == 0 || g.score > f.bestScore) f.bestScore = g.score;
        ++f.played;
        f.won += g.won ? 1 : 0;
        ++f.places[g.place - 1];
        f.placeSum += g.place;
        f.scoreSum += g.score;
        f.streak = g.won ? f.streak + 1 : 0;
        f.longestStreak = std::max(f.longestStreak, f.streak);
    }
    return f;
}

auto fieldsOf(const GameTypeFigures& f) {
    return std::make_tuple(f.punteggio, f.played, f.won, std::vector<int>(f.places, f.places + 6),
                           f.placeSum, f.bestScore, f.scoreSum, f.streak, f.longestStreak);
}

const GameTypeFigures* figuresOf(const ProfileStatistics& stats, const std::string& type) {
    for (const GameTypeFigures& g : stats.games) {
        if (g.punteggio == type) return &g;
    }
    return nullptr;
}

TEST(StatisticsTest, SingleGamesOfEveryFamilyAreCountedAsTheyEnded) {
    Program program;
    ZelvaroApp& app = program.app;
    app.playUnwatched();
    // A game left with "Indietro" never counts; "Chips" never ends by itself.
    const struct {
        const char* type;
        int games;
        long leaveAfterHands;
    } runs[] = {
        {"Partita Singola", 14, 0}, {"3 Vinte", 5, 0},      {"25 Punti", 3, 0},
        {"50 Punti", 1, 2},         {"Eliminazione 25", 2, 0}, {"Piatto 500", 2, 0},
        {"Chips", 1, 6},            {"5 Vinte", 1, 1},
    };
    std::vector<PlayedGame> history;
    std::map<std::string, std::vector<PlayedGame>> byType;
    for (const auto& run : runs) {
        program.useOptions(run.type);
        for (int g = 0; g < run.games; ++g) {
            const PlayedGame game = playSingleGame(app, program.surface, run.leaveAfterHands);
            EXPECT_EQ(game.finished, run.leaveAfterHands == 0) << run.type;
            if (game.won) {
                EXPECT_EQ(game.place, 1) << run.type;
            }
            byType[run.type].push_back(game);
            if (game.finished) history.push_back(game);
        }
    }
    const ProfileStatistics stats = readStatistics(app.database(), kSurname, kFirstName);
    for (const auto& [type, games] : byType) {
        const GameTypeFigures want = expectedFigures(type, games);
        const GameTypeFigures* got = figuresOf(stats, type);
        if (want.played == 0) {
            EXPECT_EQ(got, nullptr) << type << " counted without an end";
            continue;
        }
        ASSERT_NE(got, nullptr) << type;
        EXPECT_EQ(fieldsOf(*got), fieldsOf(want));
    }
    // Both a win and a loss among them, so the streaks were tried across a loss.
    const GameTypeFigures* oneHand = figuresOf(stats, "Partita Singola");
    ASSERT_NE(oneHand, nullptr);
    EXPECT_GT(oneHand->won, 0);
    EXPECT_LT(oneHand->won, oneHand->played);
    EXPECT_EQ(stats.gamesPlayed(), static_cast<int>(history.size()));

    // The history, newest first.
    ASSERT_EQ(stats.recentGames.size(), history.size());
    for (std::size_t i = 0; i < history.size(); ++i) {
        const HistoryEntry& entry = stats.recentGames[history.size() - 1 - i];
        EXPECT_EQ(entry.place, history[i].place);
        EXPECT_EQ(entry.points, history[i].score);
        EXPECT_EQ(entry.when.size(), 19U);
    }
}

struct TournamentPlan {
    const char *type, *limit;
    int outInRound;  // 0: he goes on to the final
};

// One tournament from the menu: he leads his table until the round he is to go out in, where
// he falls below his table (in round 1 below everybody).
void playTournament(Program& program, const TournamentPlan& plan) {
    ZelvaroApp& app = program.app;
    Database& db = app.database();
    program.useOptions(plan.type, plan.limit);
    program.surface.clearMessages();
    TournamentDriver driver(app, program.surface);
    ASSERT_TRUE(driver.start(kProfile));
    bool running = true;
    while (running) {
        const int round = app.tournament().roundnumber;
        running = driver.playRound([&] {
            if (db.query("SELECT * FROM torneo ").rows() == kSeats) return;
            if (round == plan.outInRound && round == 1) {
                db.execute("UPDATE torneo SET punti='-1000' WHERE cognome=? and nome=?", {kSurname, kFirstName});
            } else if (round == plan.outInRound) {
                db.execute("UPDATE torneo SET punti=(SELECT min(punti) - 1 FROM torneo AS t WHERE "
                           "t.tavolo=torneo.tavolo) WHERE cognome=? and nome=?",
                           {kSurname, kFirstName});
            } else {
                leadHumansTable(app);
            }
        });
    }
}

// His position on the page the final standings screen opened on.
int placeOnTheStandingsScreen(MemorySurface& surface) {
    const std::vector<std::string> positions = linesOf(surface.caption(ctl::Label51[0]));
    const std::vector<std::string> names = linesOf(surface.caption(ctl::Label51[1]));
    for (std::size_t i = 0; i < names.size() && i < positions.size(); ++i) {
        if (names[i] == kProfile) return std::stoi(positions[i]);
    }
    return 0;
}

TEST(StatisticsTest, TournamentsAreRecordedWithTheirFinalStandings) {
    Program program;
    program.app.playUnwatched();
    const TournamentPlan plans[] = {
        {"50 Punti", "Senza Limite", 1},
        {"50 Punti", "Senza Limite", 3},
        {"Eliminazione 25", "Limite 10 Mani", 0},
    };
    std::vector<int> seen;  // his places
    for (const TournamentPlan& plan : plans) {
        SCOPED_TRACE(std::string(plan.type) + ", out in round " + std::to_string(plan.outInRound));
        playTournament(program, plan);
        MemorySurface& surface = program.surface;
        ASSERT_TRUE(surface.visible(ctl::Picture27));
        const int place = placeOnTheStandingsScreen(surface);
        ASSERT_GT(place, 0);
        seen.push_back(place);
        EXPECT_TRUE(plan.outInRound != 1 || place == 1536) << place;  // below every other entrant
        EXPECT_TRUE(plan.outInRound != 0 || place <= kSeats) << place;

        const ProfileStatistics stats = readStatistics(program.app.database(), kSurname, kFirstName);
        ASSERT_EQ(stats.recentTournaments.size(), seen.size());
        const HistoryEntry& last = stats.recentTournaments.front();
        EXPECT_EQ(last.place, place);
        EXPECT_EQ(last.round, plan.outInRound == 0 ? 9 : plan.outInRound);
        EXPECT_EQ(last.entrants, 1536);
        EXPECT_EQ(last.punteggio, plan.type);
        EXPECT_EQ(last.limite, plan.limit);
        EXPECT_TRUE(surface.visible(ctl::Label67));
        EXPECT_EQ(surface.caption(ctl::Label67), bestPlaceLine(place, *std::min_element(seen.begin(), seen.end())));
        program.app.click(ctl::Label53);
    }
    const ProfileStatistics stats = readStatistics(program.app.database(), kSurname, kFirstName);
    ASSERT_EQ(stats.tournaments.size(), 2U);
    const TournamentFigures& points = stats.tournaments[0];
    EXPECT_EQ(points.punteggio, "50 Punti");
    EXPECT_EQ(points.entered, 2);
    EXPECT_EQ(points.bestPlace, std::min(seen[0], seen[1]));
    EXPECT_EQ(points.lastPlace, seen[1]);
    EXPECT_EQ(points.placeSum, seen[0] + seen[1]);
    EXPECT_EQ(points.bestRound, 3);
    EXPECT_EQ(points.roundSum, 4);
    EXPECT_EQ(points.finals, 0);
    EXPECT_EQ(points.won, 0);
    const TournamentFigures& final = stats.tournaments[1];
    EXPECT_EQ(final.punteggio, "Eliminazione 25");
    EXPECT_EQ(final.limite, "Limite 10 Mani");
    EXPECT_EQ(final.entered, 1);
    EXPECT_EQ(final.finals, 1);
    EXPECT_EQ(final.bestRound, 9);
    EXPECT_EQ(final.won, seen[2] == 1 ? 1 : 0);
    EXPECT_EQ(stats.tournamentsEntered(), 3);
    EXPECT_EQ(stats.gamesPlayed(), 0);  // a tournament's matches are not single games
}

TEST(StatisticsTest, StreaksCountWinsInARowAndALossEndsThem) {
    testsupport::SeededDatabase store;
    addProfile(store.db, kSurname, kFirstName);
    const struct Step {
        bool won;
        int streak, longest;
    } steps[] = {{true, 1, 1}, {true, 2, 2}, {false, 0, 2}, {true, 1, 2},
                          {true, 2, 2}, {true, 3, 3}, {false, 0, 3}, {false, 0, 3}};
    for (int played = 1; const Step& step : steps) {
        recordGame(store.db, {kSurname, kFirstName, "3 Vinte", step.won ? 1 : 4, step.won ? 3 : 1, step.won});
        const ProfileStatistics stats = readStatistics(store.db, kSurname, kFirstName);
        ASSERT_EQ(stats.games.size(), 1U);
        SCOPED_TRACE("game " + std::to_string(played));
        EXPECT_EQ(stats.games[0].played, played++);
        EXPECT_EQ(stats.games[0].streak, step.streak);
        EXPECT_EQ(stats.games[0].longestStreak, step.longest);
    }
    // A name that is no user profile keeps no record, and the history keeps the last ones only.
    recordGame(store.db, {"Nessuno", "Tale", "3 Vinte", 1, 3, true});
    EXPECT_TRUE(readStatistics(store.db, "Nessuno", "Tale").games.empty());
    for (int i = 0; i < kHistoryLength + 5; ++i) {
        recordTournament(store.db, {kSurname, kFirstName, "50 Punti", "Senza Limite", 100 + i, 1536, 2, false, 60});
    }
    const ProfileStatistics stats = readStatistics(store.db, kSurname, kFirstName);
    ASSERT_EQ(stats.recentTournaments.size(), static_cast<std::size_t>(kHistoryLength));
    EXPECT_EQ(stats.recentTournaments.front().place, 100 + kHistoryLength + 4);
    EXPECT_EQ(stats.recentTournaments.back().place, 105);
    EXPECT_EQ(stats.tournaments.at(0).entered, kHistoryLength + 5);
    EXPECT_EQ(stats.bestTournamentPlace(), 100);
}

TEST(StatisticsTest, PanelTablesShowTheMostPlayedAndCountTheRest) {
    ProfileStatistics stats;
    for (int i = 1; i <= 10; ++i) {
        GameTypeFigures g;
        g.punteggio = "Tipo " + std::to_string(i);
        g.played = i;
        stats.games.push_back(g);
    }
    const std::vector<std::string> lines = linesOf(statisticsTexts(stats).games);
    ASSERT_EQ(lines.size(), 10U);  // the header, eight rows, the rest in one line
    EXPECT_EQ(lines[1].substr(0, lines[1].find('\t')), "Tipo 10");
    EXPECT_EQ(lines[8].substr(0, lines[8].find('\t')), "Tipo 3");
    EXPECT_EQ(lines[9], "e altri 2");
    stats.games.resize(9);
    EXPECT_EQ(linesOf(statisticsTexts(stats).games).back(), "e un altro");
}

// The counts of a record's figures and of its history, which one transaction writes together.
struct Counts {
    int played = 0, won = 0, placed = 0, history = 0, historyWins = 0;
};

Counts countsOf(const ProfileStatistics& stats) {
    Counts c;
    for (const GameTypeFigures& g : stats.games) {
        c.played += g.played;
        c.won += g.won;
        for (int p : g.places) c.placed += p;
    }
    c.history = static_cast<int>(stats.recentGames.size());
    for (const HistoryEntry& e : stats.recentGames) c.historyWins += e.place == 1 ? 1 : 0;
    return c;
}

TEST(StatisticsTest, AKilledPlayerLeavesNoGameCountedByHalf) {
    TempFolder folder;
    const fs::path started = folder.path() / "started";
    fs::create_directories(started);
    { Program program(started); }
    std::mt19937 draws(20250312);
    std::uniform_int_distribution<int> moment(20, 900);
    for (int kill = 0; kill < 4; ++kill) {
        const fs::path run = folder.path() / ("run" + std::to_string(kill));
        tabletest::copyDatabaseFile(started / Database::kFileName, run / Database::kFileName);
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Single games for ever, each one that ended told to the parent.
            ::close(pipe[0]);
            MemorySurface surface;
            ZelvaroApp app(surface, run);
            if (!app.startUp()) ::_exit(3);
            app.playUnwatched();
            for (long game = 0;; ++game) {
                app.database().execute("UPDATE opzioni SET punteggio=?",
                                       {game % 3 == 2 ? "3 Vinte" : "Partita Singola"});
                if (playSingleGame(app, surface).finished && ::write(pipe[1], "g", 1) != 1) ::_exit(4);
            }
        }
        ::close(pipe[1]);
        std::this_thread::sleep_for(std::chrono::milliseconds(moment(draws)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the player stopped by himself: " << status;
        int finished = 0;
        char buffer[256];
        for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) finished += static_cast<int>(n);
        ::close(pipe[0]);

        SCOPED_TRACE("killed after " + std::to_string(finished) + " games");
        Database db;
        db.open(run / Database::kFileName);
        const Counts c = countsOf(readStatistics(db, kSurname, kFirstName));
        // The game the kill caught between its record and its line may be in, no other.
        EXPECT_GE(c.played, finished);
        EXPECT_LE(c.played, finished + 1);
        EXPECT_EQ(c.placed, c.played);
        EXPECT_EQ(c.history, std::min(c.played, kHistoryLength));
        EXPECT_TRUE(c.played > kHistoryLength || c.historyWins == c.won) << c.historyWins << " of " << c.won;
    }
}

TEST(StatisticsTest, DeletedOrResetProfileLeavesNothingAndOthersKeepTheirs) {
    Program program;
    ZelvaroApp& app = program.app;
    MemorySurface& surface = program.surface;
    Database& db = app.database();
    addProfile(db, "Altro", "Ugo");
    addProfile(db, "Terzo", "Ugo");
    for (const char* surname : {kSurname, "Altro", "Terzo"}) {
        recordGame(db, {surname, "Ugo", "50 Punti", 2, 41, false});
        recordGame(db, {surname, "Ugo", "3 Vinte", 1, 3, true});
        recordTournament(db, {surname, "Ugo", "50 Punti", "Senza Limite", 37, 1536, 4, false, 190});
    }
    const auto rowsOf = [&db](const std::string& surname) {
        int rows = 0;
        for (const char* table : {"statistiche", "statistichetornei", "storico"}) {
            // Any letter case: no record lives on under another spelling.
            rows += db.query(std::string("SELECT * FROM ") + table + " where cognome=? and nome='ugo'",
                             {surname})
                        .rows();
        }
        return rows;
    };
    const auto textsOf = [&db](const char* surname) {
        const StatisticsTexts t = statisticsTexts(readStatistics(db, surname, "Ugo"));
        return t.summary + t.games + t.tournaments + t.bestPlaces + t.chart;
    };
    const std::string others = textsOf("Altro");
    ASSERT_EQ(rowsOf("terzo"), 6);

    // From the menu the panel opens on the profile of the last game, the first one before.
    app.click(ctl::Label65);
    ASSERT_TRUE(surface.visible(ctl::Frame7));
    EXPECT_EQ(surface.caption(ctl::Label68), "Altro Ugo");
    EXPECT_FALSE(surface.enabled(ctl::Label2));
    app.click(ctl::Command10);
    app.click(ctl::Command10);
    ASSERT_EQ(surface.caption(ctl::Label68), "Terzo Ugo");
    EXPECT_NE(surface.caption(ctl::Label70).find("3 Vinte"), std::string::npos);
    EXPECT_EQ(surface.caption(ctl::Picture29), "37");
    // "Azzera" asks first; No keeps the record.
    surface.scriptAnswers({MessageAnswer::No});
    app.click(ctl::Label74);
    EXPECT_EQ(rowsOf("Terzo"), 6);
    surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label74);
    EXPECT_EQ(surface.messages().back().text, "Vuoi davvero azzerare le statistiche di questo profilo?");
    EXPECT_EQ(rowsOf("Terzo"), 0);
    EXPECT_EQ(surface.caption(ctl::Picture29), "");
    app.click(ctl::Command9);
    EXPECT_EQ(surface.caption(ctl::Label68), "Statistico Ugo");
    app.click(ctl::Label75);
    EXPECT_FALSE(surface.visible(ctl::Frame7));
    EXPECT_TRUE(surface.enabled(ctl::Label2));

    // From the profile panel it opens on the profile shown there, and deleting it takes its record.
    app.click(ctl::Label2);
    pickProfile(app, surface, kProfile);
    app.click(ctl::Label66);
    EXPECT_EQ(surface.caption(ctl::Label68), kProfile);
    app.click(ctl::Label75);
    EXPECT_TRUE(surface.visible(ctl::Frame3));
    surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label27);
    EXPECT_EQ(rowsOf(kSurname), 0);
    EXPECT_EQ(textsOf("Altro"), others);
    EXPECT_EQ(rowsOf("Altro"), 6);
    // A new profile of the same name starts with an empty record.
    addProfile(db, kSurname, kFirstName);
    EXPECT_EQ(readStatistics(db, kSurname, kFirstName).gamesPlayed(), 0);
}

TEST(StatisticsTest, AFileWithoutTheRecordGainsItAtItsNextStart) {
    TempFolder folder;
    const fs::path file = folder.path() / Database::kFileName;
    {
        Database db;
        db.open(file);
        ensureSchema(db);
        for (const char* table : {"statistiche", "statistichetornei", "storico"}) {
            db.execute(std::string("DROP TABLE ") + table);
        }
        EXPECT_EQ(databaseLayout(db), Layout::Game);
    }
    Database db;
    ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    EXPECT_EQ(databaseLayout(db), Layout::Game);  // the record's tables are no other program's
    addProfile(db, kSurname, kFirstName);
    recordGame(db, {kSurname, kFirstName, "50 Punti", 1, 52, true});
    EXPECT_EQ(readStatistics(db, kSurname, kFirstName).gamesWon(), 1);
}

}  // namespace
}  // namespace zelvaro
