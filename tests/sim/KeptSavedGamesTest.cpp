// The saved games kept as test data (tests/data), continued by zelvaro-sim as a player
// continues them, play to the end they reached when they were kept: a version that reads a
// saved game differently, or not at all, shows here. Each .db file was left by a run stopped
// with --stop-after-hands and --save; its .end file holds what `--continue --db` printed then,
// the timing lines left out. A change to the game's play that is meant changes these ends:
// record them again with the same command.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/SessionRecord.h"
#include "primitives/SurfaceSnapshot.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

struct SimRun {
    int status = -1;
    std::string out;  // stdout and stderr together, without the lines of its timings
};

// zelvaro-sim with `args`; a run that outlives two minutes is ended, as a failure.
SimRun runSim(const std::string& args) {
    const std::string command = "timeout 120 '" ZELVARO_SIM "' " + args + " 2>&1";
    SimRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::string line;
    while (::fgets(buffer, sizeof buffer, pipe)) {
        line += buffer;
        if (line.back() != '\n') continue;
        if (line.rfind("time:", 0) != 0) run.out += line;
        line.clear();
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(KeptSavedGamesTest, ASavedGameOfVersion1PlaysToTheEndItReachedThen) {
    const fs::path data = ZELVARO_TEST_DATA;
    const struct {
        const char* name;
        const char* args;
    } kept[] = {{"saved-game-v1", "--games 1"}, {"saved-tournament-v1", "--tournament"}};
    // The window's controls changed since: the records are refused as of another version.
    const bool windowChanged = controlsFingerprint() != kVersion1Controls;
    for (const auto& k : kept) {
        SCOPED_TRACE(k.name);
        const std::string end = contentsOf(data / (std::string(k.name) + ".end"));
        ASSERT_FALSE(end.empty());
        const SimRun run = runSim(std::string(k.args) + " --continue --db '" +
                                  (data / (std::string(k.name) + ".db")).string() + "'");
        if (windowChanged) {
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(run.out.find("di un'altra versione di Zelvaro"), std::string::npos)
                << run.out;
        } else {
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.out, end);
        }
    }
}

}  // namespace
}  // namespace zelvaro
