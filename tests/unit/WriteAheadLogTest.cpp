// The database's write-ahead log: folded into the file only where asked or past its bound,
// and flushed to the disk soon after every commit, off the committing thread.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "store/Database.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

using testsupport::TempFolder;

// Commits only add to the log. It is folded into the file when asked, or by the commit that
// takes it past its bound, never before; what was written stays.
TEST(WriteAheadLog, IsFoldedWhenAskedOrPastItsBoundAndLosesNothing) {
    TempFolder folder;
    const fs::path file = folder.path() / Database::kFileName;
    int rows = 0;
    {
        Database db;
        db.open(file);
        db.execute("CREATE TABLE zavorra (testo TEXT)");
        const auto commitPages = [&](int pages) {  // a row of 700 bytes fills a 1 KB page
            Transaction transaction(db);
            for (int i = 0; i < pages; ++i, ++rows)
                db.execute("INSERT INTO zavorra VALUES (?)", {std::string(700, 'a' + rows % 26)});
            transaction.commit();
        };
        commitPages(100);
        EXPECT_GE(db.logFrames(), 100);
        db.foldLog();
        EXPECT_LE(db.logFrames(), 1) << "the log did not start over";

        int longest = 0;
        while (db.logFrames() >= longest) {
            longest = db.logFrames();
            ASSERT_LT(longest, Database::kLogFoldBound) << "never folded";
            commitPages(150);
        }
        EXPECT_GT(longest, Database::kLogFoldBound - 300) << "folded before its bound";
    }
    Database reopened;
    reopened.open(file);
    EXPECT_EQ(reopened.query("SELECT count(*) FROM zavorra").at(0, 0).integer(), rows);
}

// A commit reaches the disk soon after, flushed by a thread of its own: a commit alone leaves
// its pages to the system, and a power cut would take them back.
TEST(WriteAheadLog, IsFlushedToTheDiskSoonAfterACommit) {
    TempFolder folder;
    Database db;
    db.open(folder.path() / Database::kFileName);
    const std::int64_t flushed = db.logFlushes();
    db.execute("CREATE TABLE zavorra (testo TEXT)");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (db.logFlushes() == flushed && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GT(db.logFlushes(), flushed);
}

}  // namespace
}  // namespace zelvaro
