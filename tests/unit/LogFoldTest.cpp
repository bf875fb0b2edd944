// Where the game folds the database's log into the file: only where the table pauses (a
// hand's start, a full trick held before it is taken) and only once the log is long; a
// save point in the middle of a trick only appends to it.
#include <gtest/gtest.h>

#include <string>

#include "engine/GameSession.h"
#include "front/MatchCheckpoint.h"
#include "tests/unit/ContinueSupport.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

using continuetest::Program;
using continuetest::startSingleGame;
using testsupport::TempFolder;

struct Moment {
    const char* name;
    bool handStarted;
    int cardsOnTable;  // laid in the trick, from its first place
    bool longLog;
    bool folds;
};

TEST(LogFoldTest, TheLogIsFoldedOnlyWhereTheTablePausesOnceItIsLong) {
    const Moment moments[] = {
        {"a trick being laid", false, 3, true, false},
        {"a full trick", false, 6, true, true},
        {"a hand's start", true, 0, true, true},
        {"a full trick, the log short", false, 6, false, false},
    };
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.name);
        TempFolder folder;
        Program program(folder.path());
        startSingleGame(program, "50 Punti");
        Database& db = program.app.database();
        ASSERT_TRUE(program.app.checkpoint().live());
        // The game's transaction takes some pages more, and a save point commits them.
        const int pages = m.longLog ? MatchCheckpoint::kLongLogFrames : 0;
        db.execute("CREATE TABLE zavorra (testo TEXT)");
        for (int i = 0; i < pages; ++i)
            db.execute("INSERT INTO zavorra VALUES (?)", {std::string(700, 'z')});
        program.app.checkpoint().saveNow();
        const int logged = db.logFrames();
        ASSERT_EQ(logged >= MatchCheckpoint::kLongLogFrames, m.longLog);

        GameSession& session = program.app.session();
        for (int place = 0; place < kSeats; ++place)
            session.trick[place] = place < m.cardsOnTable ? Card(2 + place, 'c') : Card();
        program.app.checkpoint().afterEvent(m.handStarted, false, false);
        EXPECT_EQ(db.logFrames() < logged, m.folds) << db.logFrames() << " pages after " << logged;
        EXPECT_TRUE(program.app.checkpoint().live());
        EXPECT_TRUE(db.inTransaction()) << "the game's writes are no longer kept together";
    }
}

}  // namespace
}  // namespace zelvaro
