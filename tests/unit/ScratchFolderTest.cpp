// The simulator's folder in the temporary folder: gone after a termination request, and the
// folders of simulators that no longer run cleared at the next start, nobody else's.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "tests/unit/TestDatabase.h"
#include "tools/sim/ScratchFolder.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

TEST(ScratchFolderTest, OnlyTheFoldersOfSimulatorsThatNoLongerRunAreCleared) {
    testsupport::TempFolder base;
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const auto folder = [&](const std::string& name) {
        fs::create_directories(base.path() / name);
        std::ofstream(base.path() / name / "zelvaro.mdb") << "x";
        return base.path() / name;
    };
    const fs::path dead = folder("zelvaro-sim-" + std::to_string(gone));
    const fs::path living = folder("zelvaro-sim-" + std::to_string(::getppid()));
    const fs::path notAPid = folder("zelvaro-sim-12x");
    const fs::path another = folder("zelvaro-dati");
    EXPECT_EQ(ScratchFolder::removeLeftovers(base.path()), 1);
    EXPECT_FALSE(fs::exists(dead));
    for (const fs::path& kept : {living, notAPid, another}) EXPECT_TRUE(fs::exists(kept)) << kept;
}

TEST(ScratchFolderTest, ATerminationRequestOrCtrlCTakesTheFolderAway) {
    for (int signal : {SIGTERM, SIGINT}) {
        testsupport::TempFolder base;
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const ScratchFolder scratch(base.path());
            std::ofstream(scratch.path() / "zelvaro.mdb-wal") << "log";
            char c = 'r';
            if (::write(ready[1], &c, 1) != 1) ::_exit(2);
            ::pause();
            ::_exit(3);
        }
        char c = 0;
        ASSERT_EQ(::read(ready[0], &c, 1), 1);
        const fs::path folder = base.path() / ("zelvaro-sim-" + std::to_string(child));
        EXPECT_TRUE(fs::exists(folder));
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
        EXPECT_FALSE(fs::exists(folder));
        ::close(ready[0]);
        ::close(ready[1]);
    }
}

}  // namespace
}  // namespace zelvaro
