// A kill counts no game by half; a deleted or reset profile's record goes, others' stay.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <thread>

#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "store/StatisticsStore.h"
#include "tests/unit/StatisticsSupport.h"
#include "tests/unit/TestDatabase.h"
#include "tests/unit/TournamentFixture.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using statisticstest::addProfile;
using statisticstest::kProfile;
using statisticstest::kRecordTables;
using statisticstest::kSurname;
using statisticstest::playSingleGame;
using statisticstest::Program;
using statisticstest::statsOf;
using testsupport::TempFolder;

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
                if (playSingleGame(app, surface).finished && ::write(pipe[1], "g", 1) != 1)
                    ::_exit(4);
            }
        }
        ASSERT_GT(child, 0);
        ::close(pipe[1]);
        std::this_thread::sleep_for(std::chrono::milliseconds(moment(draws)));
        ::kill(child, SIGKILL);
        int status = 0, finished = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the player stopped by himself: " << status;
        char buffer[256];
        for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
            finished += static_cast<int>(n);
        ::close(pipe[0]);

        SCOPED_TRACE("killed after " + std::to_string(finished) + " games");
        Database db;
        db.open(run / Database::kFileName);
        const ProfileStatistics stats = statsOf(db);
        const int played = stats.gamesPlayed();
        int placed = 0, historyWins = 0;
        for (const GameTypeFigures& g : stats.games)
            placed += std::accumulate(g.places, g.places + 6, 0);
        for (const HistoryEntry& e : stats.recentGames) historyWins += e.place == 1;
        // The game the kill caught between its record and its line may be in, no other; its
        // figures and its history line are written together.
        EXPECT_GE(played, finished);
        EXPECT_LE(played, finished + 1);
        EXPECT_EQ(placed, played);
        EXPECT_EQ(static_cast<int>(stats.recentGames.size()), std::min(played, kHistoryLength));
        EXPECT_TRUE(played > kHistoryLength || historyWins == stats.gamesWon()) << historyWins;
    }
}

TEST(StatisticsTest, DeletedOrResetProfileLeavesNothingAndOthersKeepTheirs) {
    Program program;
    ZelvaroApp& app = program.app;
    MemorySurface& surface = program.surface;
    Database& db = app.database();
    addProfile(db, "Altro");
    addProfile(db, "Terzo");
    for (const char* surname : {kSurname, "Altro", "Terzo"}) {
        recordGame(db, {surname, "Ugo", "50 Punti", 2, 41, false});
        recordGame(db, {surname, "Ugo", "3 Vinte", 1, 3, true});
        recordTournament(db, {surname, "Ugo", "50 Punti", "Senza Limite", 37, 1536, 4, false, 190});
    }
    // His rows in every table of the record, under any letter case.
    const auto rowsOf = [&db](const std::string& surname) {
        int rows = 0;
        for (const char* table : kRecordTables) {
            rows +=
                db.query(std::string("SELECT * FROM ") + table + " where cognome=? and nome='ugo'",
                         {surname})
                    .rows();
        }
        return rows;
    };
    ASSERT_EQ(rowsOf("terzo"), 3);

    // From the menu the panel opens on the first profile; its arrows go both ways, and "Azzera"
    // clears the record shown and shows it cleared.
    app.click(ctl::MenuStatistics);
    EXPECT_EQ(surface.caption(ctl::StatisticsProfile), "Altro Ugo");
    app.click(ctl::NextProfile);
    app.click(ctl::NextProfile);
    ASSERT_EQ(surface.caption(ctl::StatisticsProfile), "Terzo Ugo");
    EXPECT_EQ(surface.caption(ctl::PlaceChart), "37");
    surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::ResetStatistics);
    EXPECT_EQ(rowsOf("Terzo"), 0);
    EXPECT_EQ(surface.caption(ctl::PlaceChart), "");
    app.click(ctl::PreviousProfile);
    EXPECT_EQ(surface.caption(ctl::StatisticsProfile), kProfile);
    app.click(ctl::CloseStatistics);

    // Deleting a profile on the profile panel takes its record, and only his.
    app.click(ctl::Label2);
    pickProfile(app, surface, kProfile);
    surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label27);
    EXPECT_EQ(rowsOf(kSurname), 0);
    EXPECT_EQ(rowsOf("Altro"), 3);
}

}  // namespace
}  // namespace zelvaro
