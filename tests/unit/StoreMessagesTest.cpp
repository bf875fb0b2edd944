// What the player reads when the database cannot be used or a write fails: every cause in its
// own words, naming what went wrong, and no two causes told alike.
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <set>
#include <string>

#include "store/Database.h"
#include "store/StoreMessages.h"

namespace zelvaro {
namespace {

TEST(StoreMessagesTest, EveryRefusalNamesItsFileAndItsCauseAlone) {
    struct Case {
        StoreProblem problem;
        const char* cause;  // words that only this cause's message holds
    };
    const Case cases[] = {
        {StoreProblem::InUse, "già aperto"},
        {StoreProblem::Busy, "bloccato da un altro programma"},
        {StoreProblem::Unreadable, "permessi di lettura"},
        {StoreProblem::FileReadOnly, "sola lettura"},
        {StoreProblem::FolderReadOnly, "permessi di scrittura"},
        {StoreProblem::FolderUnusable, "non esiste"},
        {StoreProblem::Foreign, "non è un database di Zelvaro"},
        {StoreProblem::Damaged, "danneggiato"},
        {StoreProblem::CopyFailed, "copiare il database"},
    };
    std::set<std::string> told;
    for (const Case& c : cases) {
        const std::string message = refusalMessage({c.problem, "/dati/zelvaro.mdb"});
        SCOPED_TRACE(message);
        EXPECT_NE(message.find("/dati/zelvaro.mdb"), std::string::npos);
        EXPECT_NE(message.find(c.cause), std::string::npos);
        for (const Case& other : cases) {
            if (other.problem != c.problem) {
                EXPECT_EQ(message.find(other.cause), std::string::npos) << other.cause;
            }
        }
        told.insert(message);
    }
    EXPECT_EQ(told.size(), std::size(cases));
    EXPECT_EQ(refusalMessage({StoreProblem::None, "x"}), "");
}

TEST(StoreMessagesTest, EveryHandledFailureIsToldInTheGamesWordsWhateverItsExtendedCode) {
    struct Case {
        int code;
        const char* cause;
    };
    const Case cases[] = {
        {SQLITE_FULL, "Spazio su disco esaurito"},
        {SQLITE_IOERR, "Errore di lettura o scrittura"},
        {SQLITE_IOERR_WRITE, "Errore di lettura o scrittura"},
        {SQLITE_IOERR_FSYNC, "Errore di lettura o scrittura"},
        {SQLITE_READONLY, "non può più essere scritto"},
        {SQLITE_READONLY_DBMOVED, "non può più essere scritto"},
        {SQLITE_PERM, "non può più essere scritto"},
        {SQLITE_CANTOPEN, "non può più essere scritto"},
        {SQLITE_CANTOPEN_ISDIR, "non può più essere scritto"},
        {SQLITE_BUSY, "bloccato da un altro programma"},
        {SQLITE_BUSY_SNAPSHOT, "bloccato da un altro programma"},
        {SQLITE_LOCKED, "bloccato da un altro programma"},
        {SQLITE_CORRUPT, "danneggiato"},
        {SQLITE_NOTADB, "danneggiato"},
    };
    std::set<std::string> causes;
    for (const Case& c : cases) {
        const std::string message = failureMessage(DatabaseError("raw sqlite text", c.code));
        SCOPED_TRACE(message);
        EXPECT_NE(message.find(c.cause), std::string::npos);
        EXPECT_EQ(message.find("raw sqlite text"), std::string::npos);
        EXPECT_NE(message.find("i dati salvati finora sono intatti"), std::string::npos);
        causes.insert(c.cause);
    }
    EXPECT_EQ(causes.size(), 5U);
    // Anything else shows SQLite's own words rather than a wrong cause.
    EXPECT_NE(
        failureMessage(DatabaseError("raw sqlite text", SQLITE_MISMATCH)).find("raw sqlite text"),
        std::string::npos);
}

}  // namespace
}  // namespace zelvaro
