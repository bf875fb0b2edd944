// Another program with the game's file open through SQLite (the sqlcipher shell, say): a real
// second process, idle or inside a write of its own. Neither side's writes may be lost, and
// the game never takes away the files that SQLite's locking shares between the two. Without
// the game's name order, such a program refuses what needs it and never writes it wrong.
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/NameCollation.h"
#include "store/PlayerPool.h"
#include "store/Schema.h"
#include "store/StoreMessages.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReadNumber = "SELECT numero1 FROM temp WHERE descrizione='nummag'";
constexpr const char* kWriteNumber = "UPDATE temp SET numero1=? WHERE descrizione='nummag'";

ino_t inodeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// The other program: opens the file, writes 7, optionally stays inside a write
// transaction, says it is ready, and on the word reads the number and exits with 0 when it
// reads `expected`.
class OtherProgram {
public:
    OtherProgram(const fs::path& file, bool holdWriteLock, long expected) {
        if (::pipe(ready_) != 0 || ::pipe(go_) != 0) throw std::runtime_error("pipe");
        child_ = ::fork();
        if (child_ == 0) {
            int status = 1;
            try {
                Database other;
                other.open(file);
                other.execute(kWriteNumber, {7});
                if (holdWriteLock) other.beginTransaction();
                char c = 'r';
                if (::write(ready_[1], &c, 1) != 1 || ::read(go_[0], &c, 1) != 1) ::_exit(2);
                if (holdWriteLock) other.commit();
                status = other.query(kReadNumber).at(0, 0).integer() == expected ? 0 : 3;
            } catch (...) {
            }
            ::_exit(status);
        }
        char c = 0;
        if (::read(ready_[0], &c, 1) != 1)
            throw std::runtime_error("the other program did not start");
    }
    // Lets it finish; its exit status.
    int finish() {
        char c = 'g';
        if (::write(go_[1], &c, 1) != 1) return -1;
        int status = -1;
        ::waitpid(child_, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    int ready_[2]{};
    int go_[2]{};
    pid_t child_ = -1;
};

class OtherProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        Database db;
        ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    }
    long storedNumber() {
        Database db;
        db.open(file);
        return static_cast<long>(db.query(kReadNumber).at(0, 0).integer());
    }
    testsupport::TempFolder folder;
    fs::path file = folder.path() / Database::kFileName;
};

TEST_F(OtherProgramTest, AnIdleOneKeepsItsIndexAndBothSeeEachOthersWrites) {
    OtherProgram other(file, false, 42);
    const ino_t index = inodeOf(file.string() + "-shm");
    ASSERT_NE(index, 0U);
    {
        Database game;
        ASSERT_EQ(openGameDatabase(game, file).problem, StoreProblem::None);
        EXPECT_EQ(inodeOf(file.string() + "-shm"), index);
        EXPECT_EQ(game.query(kReadNumber).at(0, 0).integer(), 7);
        game.execute(kWriteNumber, {42});
        // The file cannot be replaced under the other program: it stays as it is.
        EXPECT_FALSE(game.compact());
    }
    EXPECT_EQ(other.finish(), 0);
    EXPECT_EQ(storedNumber(), 42);
}

TEST_F(OtherProgramTest, OneInsideAWriteMakesTheGameWaitThenRefuseWithoutWriting) {
    OtherProgram other(file, true, 7);
    Database game;
    const StoreRefusal refusal = openGameDatabase(game, file);
    EXPECT_EQ(refusal.problem, StoreProblem::Busy);
    EXPECT_EQ(refusal.named, file);
    EXPECT_FALSE(game.isOpen());
    EXPECT_EQ(other.finish(), 0);
    EXPECT_EQ(storedNumber(), 7);
}

TEST_F(OtherProgramTest,
       OneThatTakesTheWriteLockDuringPlayMakesTheGamesWriteWaitAndReportNotVanish) {
    Database game;
    ASSERT_EQ(openGameDatabase(game, file).problem, StoreProblem::None);
    OtherProgram other(file, true, 7);
    try {
        game.execute(kWriteNumber, {42});
        ADD_FAILURE() << "the write went through another program's write lock";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(failureMessage(error), failureMessage(DatabaseError("", SQLITE_BUSY)));
    }
    EXPECT_EQ(other.finish(), 0);
    // Once the other program is done, its write is there and the game's next one lands.
    EXPECT_EQ(game.query(kReadNumber).at(0, 0).integer(), 7);
    game.execute(kWriteNumber, {42});
    game.close();
    EXPECT_EQ(storedNumber(), 42);
}

// The stock program reads every row (a backup) and finds every page sound; whatever needs the
// name order (the full check, a search by name, any write to an indexed table) it refuses by
// naming the order: no damage reported that is not there, no index written in another order.
// A write that needs no order goes through.
TEST_F(OtherProgramTest, OneWithoutTheNameOrderRefusesWhatNeedsItAndReportsNoFalseDamage) {
    std::int64_t profiles = 0;
    {
        Database game;
        ASSERT_EQ(openGameDatabase(game, file).problem, StoreProblem::None);
        Random random;
        MemorySurface surface;
        profiles = ensurePlayerPool(game, random, surface);
        ASSERT_GT(profiles, 2000);
    }
    testsupport::StockConnection stock(file);
    const std::string refused = std::string("Error: no such collation sequence: ") + kNameCollation;
    EXPECT_EQ(stock.run("PRAGMA quick_check"), "ok\n");
    const std::string rows = stock.run("SELECT rowid, * FROM giocatori");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), profiles);
    for (const char* needsTheOrder : {
             "PRAGMA integrity_check",
             "SELECT rowid FROM giocatori WHERE cognome='Rossi'",
             "INSERT INTO giocatori (cognome, nome, nazionalita, anno, profilo) "
             "VALUES ('Özkanoğlu', 'Zelda', 'Turchia', 1990, 1)",
             "UPDATE giocatori SET cognome='Özkan' WHERE rowid=7",
             "DELETE FROM giocatori WHERE rowid=7",
         }) {
        EXPECT_EQ(stock.run(needsTheOrder), refused) << needsTheOrder;
    }
    EXPECT_EQ(stock.run("UPDATE temp SET numero1=5 WHERE rowid=1"), "");

    Database game;
    ASSERT_EQ(openGameDatabase(game, file).problem, StoreProblem::None);
    EXPECT_EQ(game.query("PRAGMA integrity_check").at(0, 0).text(), "ok");
    EXPECT_EQ(game.query("SELECT count(*) FROM giocatori").at(0, 0).integer(), profiles);
    EXPECT_TRUE(game.query("SELECT rowid FROM giocatori WHERE cognome='Özkanoğlu'").empty());
    EXPECT_EQ(game.query(kReadNumber).at(0, 0).integer(), 5);
}

}  // namespace
}  // namespace zelvaro
