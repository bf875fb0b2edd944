// zelvaro-sim started as its own process, as a player starts it: each command line's exit
// status and what it says, a run that fails on a full disk, and the figures of whole runs
// held against what the game itself stored.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "store/Database.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

// A whole tournament takes a few seconds; a run still going after this hangs.
constexpr auto kLongestRun = std::chrono::seconds(90);

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The folder the tests' runs work in, their temporary folder inside it.
fs::path workFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "zelvaro-sim-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        fs::create_directories(fs::path(pattern) / "tmp");
        return fs::path(pattern);
    }();
    return folder;
}

// Runs the simulator with `args`; with `fileLimit` no file it writes may grow past that many
// bytes, as on a disk that is full. Ends a run that outlives kLongestRun, as a failure.
Outcome runSim(const std::vector<std::string>& args, long long fileLimit = 0) {
    const fs::path out = workFolder() / "stdout", err = workFolder() / "stderr";
    std::vector<char*> argv{const_cast<char*>(ZELVARO_SIM)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (o < 0 || e < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0) ::_exit(126);
        ::setenv("TMPDIR", (workFolder() / "tmp").c_str(), 1);
        if (fileLimit > 0) {
            ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
            const rlimit limit{static_cast<rlim_t>(fileLimit), static_cast<rlim_t>(fileLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execv(ZELVARO_SIM, argv.data());
        ::_exit(127);
    }
    Outcome outcome;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + kLongestRun;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ADD_FAILURE() << "still running after " << kLongestRun.count() << " s";
            return outcome;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    outcome.out = contentsOf(out);
    outcome.err = contentsOf(err);
    return outcome;
}

// What every run holds to: a failure says why on stderr and prints no result; a success is
// silent there; neither leaves its folder or a half-written --save file behind.
void expectAnHonestEnd(const Outcome& run) {
    if (run.status == 0) {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_EQ(run.err.rfind("zelvaro-sim: ", 0), 0U) << run.err;
        for (const char* result : {"winner:", "human:", "wins:", "database saved"}) {
            EXPECT_EQ(run.out.find(result), std::string::npos) << result << " in\n" << run.out;
        }
    }
    for (const auto& entry : fs::recursive_directory_iterator(workFolder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.rfind("zelvaro-sim-", 0), std::string::npos) << entry.path();
        EXPECT_EQ(name.find(".zelvaro-sim-part"), std::string::npos) << entry.path();
    }
}

class SimCommandLineTest : public ::testing::Test {
protected:
    static fs::path file(const std::string& name) { return workFolder() / name; }

    // A database, a tournament and a single game stopped after a few of the player's hands,
    // made once for the suite.
    static void SetUpTestSuite() {
        const auto make = [](const std::vector<std::string>& args) {
            const Outcome run = runSim(args);
            EXPECT_EQ(run.status, 0) << run.err;
        };
        make({"--games", "1", "--type", "Partita Singola", "--save", file("base.mdb")});
        make({"--tournament", "--type", "Piatto 500", "--limit", "Limite 10 Mani",
              "--stop-after-hands", "3", "--db", file("base.mdb"), "--save",
              file("tournament.mdb")});
        make({"--games", "1", "--type", "3 Vinte", "--stop-after-hands", "2", "--db",
              file("base.mdb"), "--save", file("game.mdb")});
        // Too few players for a field of 1536, yet too many for the start to make the pool anew.
        fs::copy_file(file("base.mdb"), file("few.mdb"));
        Database db;
        db.open(file("few.mdb"));
        db.execute(
            "DELETE FROM giocatori WHERE rowid NOT IN (SELECT rowid FROM giocatori ORDER BY "
            "rowid LIMIT 1200)");
        db.close();
    }
    static void TearDownTestSuite() { fs::remove_all(workFolder()); }

    void SetUp() override {
        for (const char* made : {"base.mdb", "tournament.mdb", "game.mdb", "few.mdb"}) {
            ASSERT_TRUE(fs::is_regular_file(file(made))) << made;
        }
    }
};

TEST_F(SimCommandLineTest, EachCommandLineEndsWithItsStatusAndSaysWhy) {
    const std::string base = file("base.mdb");
    const std::string save = file("kept.mdb");
    // Room for the start, not for the first round's play: the first save point of the round
    // (the field drawn and the first hand) needs more.
    constexpr long long kNoRound = 64 * 1024;
    const long long baseSize = static_cast<long long>(fs::file_size(base));
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        bool onStdout;  // the fragment is looked for on stdout, else on stderr
        std::string fragment;
        long long diskRoom = 0;  // bytes a file may grow past the database's size
    };
    const std::vector<Case> cases{
        {"help", {"--help"}, 0, true, "usage: zelvaro-sim [--games N]"},
        {"short help", {"-h"}, 0, true, "--chips-hands N"},
        {"help after other options", {"--games", "5", "--help"}, 0, true, "usage:"},
        {"empty count",
         {"--stop-after-hands", ""},
         2,
         false,
         "bad value \"\" for --stop-after-hands (a whole number from 0 to 100000000)"},
        {"negative count", {"--stop-after-hands", "-1"}, 2, false, "\"-1\" for --stop-after-hands"},
        {"words for a count",
         {"--games", "ten"},
         2,
         false,
         "bad value \"ten\" for --games (a whole number from 1 to 100000000)"},
        {"no games", {"--games", "0"}, 2, false, "\"0\" for --games"},
        {"a count with a tail",
         {"--chips-hands", "3x"},
         2,
         false,
         "bad value \"3x\" for --chips-hands (a whole number from 1 to 100000000)"},
        {"a count too large", {"--games", "99999999999999999999"}, 2, false, "for --games"},
        {"no value", {"--games"}, 2, false, "missing value for --games"},
        {"unknown type", {"--type", "Scopa"}, 2, false, "(one of \"Partita Singola\""},
        {"nothing to continue",
         {"--continue", "--db", base, "--save", save},
         1,
         false,
         "no saved game to continue"},
        {"too few players",
         {"--tournament", "--limit", "Limite 10 Mani", "--db", file("few.mdb"), "--save", save},
         1,
         false,
         "the tournament did not start: Non ci sono abbastanza giocatori"},
        {"no room for the first round",
         {"--tournament", "--limit", "Limite 10 Mani", "--db", base, "--save", save},
         1,
         false,
         "the tournament stopped in round 1: ",
         kNoRound},
        {"chips matches all played",
         {"--games", "20", "--type", "Chips", "--chips-hands", "3", "--db", base},
         0,
         true,
         "matches left after 3 hands: 20\n"},
        {"continued tournament",
         {"--continue", "--tournament", "--db", file("tournament.mdb")},
         0,
         true,
         "tournament  type: Piatto 500  limit: Limite 10 Mani"},
        {"continued game",
         {"--continue", "--db", file("game.mdb")},
         0,
         true,
         "games: 1  type: 3 Vinte"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // What a run that fails must leave as it was.
        std::ofstream(save, std::ios::binary) << "the previous run's file";
        const Outcome run = runSim(c.args, c.diskRoom > 0 ? baseSize + c.diskRoom : 0);
        EXPECT_EQ(run.status, c.status) << run.out << run.err;
        const std::string& said = c.onStdout ? run.out : run.err;
        EXPECT_NE(said.find(c.fragment), std::string::npos) << "no \"" << c.fragment << "\" in\n"
                                                            << said;
        expectAnHonestEnd(run);
        if (run.status != 0) {
            EXPECT_EQ(contentsOf(save), "the previous run's file");
        }
    }
}

// The closing "winner: NAME with N points" line's name and points, and the last round played.
struct TournamentReport {
    std::string winner;
    long long points = 0;
    int rounds = 0;
};

TournamentReport readReport(const std::string& out) {
    TournamentReport report;
    const std::regex round(R"(^round (\d+): )"), winner(R"(^winner: (.+) with (-?\d+) points$)");
    std::istringstream lines(out);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, round)) report.rounds = std::stoi(match[1]);
        if (std::regex_match(line, match, winner)) {
            report.winner = match[1];
            report.points = std::stoll(match[2]);
        }
    }
    return report;
}

TEST_F(SimCommandLineTest, TheWinnerHasHisPointsOverTheWholeTournament) {
    const Outcome run =
        runSim({"--tournament", "--type", "Piatto 2000", "--limit", "Limite 10 Mani",
                "--to-the-final", "--db", file("base.mdb"), "--save", file("final.mdb")});
    ASSERT_EQ(run.status, 0) << run.err;
    expectAnHonestEnd(run);
    const TournamentReport report = readReport(run.out);
    EXPECT_EQ(report.rounds, 9);
    EXPECT_NE(run.out.find("human: place "), std::string::npos);
    EXPECT_NE(run.out.find(" of 6 at the final"), std::string::npos);
    // The field keeps each round's points only; every round passed was worth the goal.
    Database db;
    db.open(file("final.mdb"));
    const ResultSet best = db.query("SELECT cognome, nome, punti FROM torneo order by punti desc");
    ASSERT_EQ(best.rows(), 6);
    EXPECT_EQ(report.winner, best.at(0, 0).text() + " " + best.at(1, 0).text());
    EXPECT_EQ(report.points, best.at(2, 0).integer() + (report.rounds - 1) * 2000LL);
}

TEST_F(SimCommandLineTest, EverySingleGameIsPlayedToItsEndOrLeft) {
    // Won: each game has one winner.
    const Outcome won =
        runSim({"--games", "30", "--type", "Partita Singola", "--db", file("base.mdb")});
    ASSERT_EQ(won.status, 0) << won.err;
    expectAnHonestEnd(won);
    const std::regex seat(R"(^seat \d[^:]* wins: (\d+) )");
    long wins = 0;
    std::istringstream lines(won.out);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, seat)) wins += std::stol(match[1]);
    }
    EXPECT_EQ(wins, 30) << won.out;

    // Left: a "Chips" match after its hands, its saved game gone with it, so that nothing is
    // left in the file to continue.
    const Outcome left = runSim({"--games", "20", "--type", "Chips", "--chips-hands", "3", "--db",
                                 file("base.mdb"), "--save", file("chips.mdb")});
    ASSERT_EQ(left.status, 0) << left.err;
    expectAnHonestEnd(left);
    EXPECT_NE(left.out.find("hands: 60 "), std::string::npos) << left.out;
    const Outcome resumed = runSim({"--continue", "--db", file("chips.mdb")});
    EXPECT_EQ(resumed.status, 1);
    EXPECT_NE(resumed.err.find("no saved game to continue"), std::string::npos) << resumed.err;
}

}  // namespace
}  // namespace zelvaro
