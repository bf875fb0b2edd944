// Two programs started on copies of one file play a tournament's first round alike.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "store/Database.h"
#include "tests/unit/TableFixture.h"
#include "tests/unit/TestDatabase.h"
#include "tests/unit/TournamentRunSupport.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;
using tournamentrun::addUserProfile;
using tournamentrun::Field;
using tournamentrun::kProfile;
using tournamentrun::Program;
using tournamentrun::readField;

TEST(TournamentReproducibilityTest, TwoProgramsOnCopiesOfOneFileAgreeAfterRoundOne) {
    TempFolder folder;
    fs::create_directories(folder.path() / "a");
    {
        Program first(folder.path() / "a");
        addUserProfile(first.app.database());
        first.app.database().execute("UPDATE opzioni SET punteggio='50 Punti'");
        first.app.database().close();
    }
    tabletest::copyDatabaseFile(folder.path() / "a" / Database::kFileName,
                                folder.path() / "b" / Database::kFileName);
    std::vector<std::pair<Field, Field>> seen;
    for (const char* copy : {"a", "b"}) {
        Program program(folder.path() / copy);
        TournamentDriver driver(program.app, program.surface);
        ASSERT_TRUE(driver.start(kProfile));
        const Field field = readField(program.app.database(), "SELECT * FROM torneo ");
        driver.playRound([&] { leadHumansTable(program.app); });
        seen.emplace_back(field, readField(program.app.database(), "SELECT * FROM classifica"));
        seen.back().second.merge(readField(program.app.database(), "SELECT * FROM torneo "));
    }
    EXPECT_EQ(seen[0].first.size(), 1536U);
    EXPECT_TRUE(seen[0].first == seen[1].first);
    EXPECT_EQ(seen[0].second.size(), 1536U);
    EXPECT_TRUE(seen[0].second == seen[1].second);
}

}  // namespace
}  // namespace zelvaro
