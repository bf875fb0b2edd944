// A game stopped at any moment, as a closed window stops it, and continued in a fresh program
// from the file alone, ends exactly as the same game never stopped; continuing the same file
// twice gives the same end. Checked from outside, with zelvaro-sim as its own process: what
// it prints of the end, the player's record, and the tournament's field row for row.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "store/Database.h"
#include "tests/sim/SimRun.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

fs::path folder() {
    static const fs::path made = [] {
        const fs::path f =
            fs::temp_directory_path() / ("zelvaro-stop-test-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return made;
}

std::string quoted(const fs::path& file) {
    std::string text(1, '\'');
    text.append(file.string()).push_back('\'');
    return text;
}

// What a run says of the game's end: its lines without those that tell how far this run got
// by itself (the rounds' hand counts, where it stopped, where it saved).
std::string endOf(const std::string& out) {
    std::istringstream lines(out);
    std::string end;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("round ", 0) == 0 || line.rfind("stopped ", 0) == 0 ||
            line.rfind("database saved", 0) == 0 || line.rfind("hands:", 0) == 0) {
            continue;
        }
        end += line + "\n";
    }
    return end;
}

// The tournament's field and the player's results as the file holds them, row for row.
std::vector<std::string> rowsOf(const fs::path& file) {
    Database db;
    db.open(file);
    std::vector<std::string> rows;
    const auto add = [&](const std::string& table, const std::string& sql) {
        const ResultSet r = db.query(sql);
        for (int row = 0; row < r.rows(); ++row) {
            std::string line = table;
            for (int column = 0; column < r.columnCount(); ++column)
                line.append(1, '|').append(r.at(column, row).text());
            rows.push_back(line);
        }
    };
    add("torneo", "SELECT cognome, nome, tavolo, punti FROM torneo ORDER BY cognome, nome");
    add("risultati",
        "SELECT tipo, punteggio, limite, posto, partecipanti, punti, turno, finale, vinta "
        "FROM risultati ORDER BY numero");
    db.close();
    return rows;
}

class StopAnywhereTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const SimRun made = runSim("--games 1 --type 'Partita Singola' --save " + quoted(base()));
        ASSERT_EQ(made.status, 0) << made.out;
    }
    static void TearDownTestSuite() { fs::remove_all(folder()); }
    static fs::path base() { return folder() / "base.mdb"; }
};

TEST_F(StopAnywhereTest, AGameStoppedAtAnyMomentEndsAsIfItNeverStopped) {
    const struct {
        const char* moment;
        std::string run;   // the game, its type and options
        std::string stop;  // where the first program stops
    } cases[] = {
        {"points, a trick half laid", "--games 1 --type '50 Punti'", "--stop-after-cards 15"},
        {"pot, between two tricks", "--games 1 --type 'Piatto 500'", "--stop-after-tricks 7"},
        {"elimination, the hand's last trick taken", "--games 1 --type 'Eliminazione 25'",
         "--stop-after-tricks 10"},
        {"wins, at the change question", "--games 1 --type '3 Vinte'", "--stop-after-hands 2"},
        {"a tournament, a trick half laid",
         "--tournament --type '50 Punti' --limit 'Limite 10 Mani'", "--stop-after-cards 50"},
        {"a tournament, the player's hand over",
         "--tournament --type 'Piatto 500' --limit 'Limite 10 Mani'", "--stop-after-tricks 61"},
    };
    const fs::path whole = folder() / "whole.mdb", stopped = folder() / "stopped.mdb",
                   again = folder() / "again.mdb";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moment);
        const std::string from = " --db " + quoted(base()) + " --stats --save ";
        const SimRun never = runSim(c.run + from + quoted(whole));
        ASSERT_EQ(never.status, 0) << never.out;
        const SimRun first = runSim(c.run + " " + c.stop + from + quoted(stopped));
        ASSERT_EQ(first.status, 0) << first.out;
        ASSERT_NE(first.out.find("stopped after"), std::string::npos) << first.out;

        // The run's own options, and --continue: the game keeps its type and limit.
        const std::string mode = c.run.rfind("--tournament", 0) == 0 ? "--tournament" : "";
        const std::string going = mode + " --continue --stats --db " + quoted(stopped);
        for (int time = 1; time <= 2; ++time) {
            SCOPED_TRACE("continued, time " + std::to_string(time));
            const SimRun on = runSim(going + " --save " + quoted(again));
            ASSERT_EQ(on.status, 0) << on.out;
            EXPECT_EQ(endOf(on.out), endOf(never.out));
            EXPECT_EQ(rowsOf(again), rowsOf(whole));
        }
    }
}

}  // namespace
}  // namespace zelvaro
