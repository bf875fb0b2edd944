// The saved games kept as test data (tests/data), continued by zelvaro-sim as a player
// continues them, play to the end they reached when they were kept: a version that reads a
// saved game differently, or not at all, shows here. Each .db file was left by a run stopped
// with --stop-after-hands (version 1, from its hand's start), --stop-after-cards (version 3,
// a trick half laid; version 4, against "Esperti") or --stop-after-tricks (version 4, a
// tournament between two tricks) and --save; its .end file holds what `--continue --db`
// printed then, the timing lines left out. The window's controls have changed since version 1: the
// controls it had are read back, the ones added since stay as the window has them. A change to the
// game's play that is meant changes these ends: record them again with the same command.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/sim/SimRun.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(KeptSavedGamesTest, EverySavedGameKeptPlaysToTheEndItReachedThen) {
    const fs::path data = ZELVARO_TEST_DATA;
    const struct {
        const char* name;
        const char* args;
    } kept[] = {{"saved-game-v1", "--games 1"}, {"saved-tournament-v1", "--tournament"},
                {"saved-game-v3", "--games 1"}, {"saved-tournament-v3", "--tournament"},
                {"saved-game-v4", "--games 1"}, {"saved-tournament-v4", "--tournament"}};
    for (const auto& k : kept) {
        SCOPED_TRACE(k.name);
        const std::string end = contentsOf(data / (std::string(k.name) + ".end"));
        ASSERT_FALSE(end.empty());
        const SimRun run = runSim(std::string(k.args) + " --continue --db '" +
                                  (data / (std::string(k.name) + ".db")).string() + "'");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, end);
    }
}

}  // namespace
}  // namespace zelvaro
