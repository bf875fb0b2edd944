// The pool of computer players made at the first start.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "store/Database.h"
#include "store/PlayerPool.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

using testsupport::TempFolder;

// Notes what the window looked like each time pending events were let run.
class WatchingSurface : public MemorySurface {
public:
    void processEvents() override {
        MemorySurface::processEvents();
        if (windowEnabled()) ++eventsWithWindowEnabled;
        if (!visible(ctl::Label39)) ++eventsWithoutProgress;
    }
    int eventsWithWindowEnabled = 0;
    int eventsWithoutProgress = 0;
};

std::vector<std::string> poolRows(Database& db) {
    const ResultSet rs = db.query("SELECT * FROM giocatori order by rowid");
    std::vector<std::string> rows;
    for (int r = 0; r < rs.rows(); ++r) {
        std::string line;
        for (int c = 0; c < rs.columnCount(); ++c) line += rs.at(c, r).text() + "|";
        rows.push_back(line);
    }
    return rows;
}

int players(Database& db) {
    return db.query("SELECT * FROM giocatori  ").rows();
}

// One pool made at a first start is shared by the tests that only look at it; the tests
// that need another player table get a database of their own.
class PlayerPoolTest : public ::testing::Test {
protected:
    struct FirstStart {
        TempFolder folder;
        Database db;
        Random random;
        WatchingSurface surface;
        std::uint64_t attempts = 0;
        int appended = 0;
        double seconds = 0;
    };

    static void SetUpTestSuite() {
        first_ = new FirstStart;
        FirstStart& f = *first_;
        f.db.open(f.folder.path() / Database::kFileName);
        ensureSchema(f.db);
        f.surface.setWidth(ctl::Label39, 300);
        Random preview = f.random;
        f.attempts = static_cast<std::uint64_t>(preview.next() * 100) + 2500 + 1;
        const auto start = std::chrono::steady_clock::now();
        f.appended = ensurePlayerPool(f.db, f.random, f.surface);
        f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    static void TearDownTestSuite() {
        delete first_;
        first_ = nullptr;
    }

    static FirstStart& first() { return *first_; }

    // A new database with the seed rows and an empty player table.
    Database& freshDatabase() {
        folder_ = std::make_unique<TempFolder>();
        db_ = std::make_unique<Database>();
        db_->open(folder_->path() / Database::kFileName);
        ensureSchema(*db_);
        return *db_;
    }

    static void addUserProfiles(Database& db, int count) {
        Transaction transaction(db);
        for (int i = 0; i < count; ++i) {
            db.appendRow("giocatori", {{"cognome", "Utente" + std::to_string(i)},
                                       {"nome", "Prova"},
                                       {"nazionalita", "Italia"},
                                       {"anno", 1980},
                                       {"profilo", 1},
                                       {"cambiocarte", 0},
                                       {"aggressivita", 0}});
        }
        transaction.commit();
    }

    Random random;
    WatchingSurface surface;

private:
    static FirstStart* first_;
    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<Database> db_;
};

PlayerPoolTest::FirstStart* PlayerPoolTest::first_ = nullptr;

TEST_F(PlayerPoolTest, FirstStartMakesOnePlayerPerAttemptUnlessTheNamesRepeat) {
    const FirstStart& f = first();
    // Up to one player per attempt; a name pair drawn again is skipped. With some thousands of
    // pairs per nation few repeat, so the pool lands near its target of 2,500 to 2,599.
    EXPECT_LE(static_cast<std::uint64_t>(f.appended), f.attempts);
    EXPECT_GE(f.appended, 2500);
    EXPECT_LE(f.appended, 2600);
    EXPECT_EQ(players(first().db), f.appended);
}

TEST_F(PlayerPoolTest, EveryGeneratedPlayerIsValid) {
    Database& db = first().db;
    // The names of each nation, by kind.
    std::map<std::string, std::set<std::string>> surnames, firstNames;
    const ResultSet lists = db.query("SELECT * FROM nazioni order by nazione asc ");
    for (int r = 0; r < lists.rows(); ++r) {
        auto& names = lists.at(1, r).text() == "cognome" ? surnames : firstNames;
        for (int c = 2; c < 22; ++c) names[lists.at(0, r).text()].insert(lists.at(c, r).text());
    }

    const ResultSet rs = db.query("SELECT * FROM giocatori  ");
    std::set<std::pair<std::string, std::string>> pairs;
    std::set<std::string> nationsUsed;
    for (int r = 0; r < rs.rows(); ++r) {
        const std::string nation = rs.at("nazionalita", r).text();
        nationsUsed.insert(nation);
        ASSERT_TRUE(surnames.count(nation)) << nation;
        EXPECT_TRUE(surnames[nation].count(rs.at("cognome", r).text())) << nation;
        EXPECT_TRUE(firstNames[nation].count(rs.at("nome", r).text())) << nation;
        EXPECT_TRUE(pairs.insert({rs.at("cognome", r).text(), rs.at("nome", r).text()}).second)
            << "repeated " << rs.at("cognome", r).text() << " " << rs.at("nome", r).text();
        const double year = rs.at("anno", r).number();
        EXPECT_GE(year, 1960);
        EXPECT_LE(year, 1994);
        EXPECT_EQ(rs.at("profilo", r).number(), 0);
        for (const char* column : {"cambiocarte", "aggressivita"}) {
            EXPECT_GE(rs.at(column, r).number(), 1) << column;
            EXPECT_LE(rs.at(column, r).number(), 20) << column;
        }
        EXPECT_GE(rs.at("foto", r).number(), 1);
        EXPECT_LE(rs.at("foto", r).number(), 91);
    }
    // Every nation is drawn from, not only the first rows of the list.
    EXPECT_EQ(nationsUsed.size(), surnames.size());
}

TEST_F(PlayerPoolTest, ValuesCoverTheirWholeRanges) {
    const ResultSet rs = first().db.query(
        "SELECT min(anno), max(anno), min(cambiocarte), max(cambiocarte), min(aggressivita), "
        "max(aggressivita), min(foto), max(foto) FROM giocatori");
    const std::vector<double> expected{1960, 1994, 1, 20, 1, 20, 1, 91};
    for (int c = 0; c < 8; ++c) EXPECT_EQ(rs.at(c, 0).number(), expected[c]) << c;
}

TEST_F(PlayerPoolTest, WindowIsLockedWithProgressWhileTheRowsAreWritten) {
    const FirstStart& f = first();
    EXPECT_EQ(f.surface.caption(ctl::Label39), "Attendere....");
    EXPECT_EQ(f.surface.processedEvents(), f.appended);
    EXPECT_EQ(f.surface.eventsWithWindowEnabled, 0);
    EXPECT_EQ(f.surface.eventsWithoutProgress, 0);
    EXPECT_EQ(f.surface.width(ctl::Label39), 300 + 5 * f.appended);
    EXPECT_TRUE(f.surface.windowEnabled());
    EXPECT_FALSE(f.surface.visible(ctl::Label39));
}

TEST_F(PlayerPoolTest, DrawsFiveNumbersPerAttemptAndFourMorePerPlayer) {
    const FirstStart& f = first();
    EXPECT_EQ(f.random.drawsMade(),
              1 + 5 * f.attempts + 4 * static_cast<std::uint64_t>(f.appended));
}

TEST_F(PlayerPoolTest, GenerationIsQuick) {
    RecordProperty("pool_seconds", std::to_string(first().seconds));
    // Well under a second on a desktop; the bound only catches a pathological slowdown.
    EXPECT_LT(first().seconds, 3.0);
}

TEST_F(PlayerPoolTest, SecondStartGeneratesNothing) {
    FirstStart& f = first();
    const std::uint64_t draws = f.random.drawsMade();
    WatchingSurface again;
    EXPECT_EQ(ensurePlayerPool(f.db, f.random, again), 0);
    EXPECT_EQ(players(f.db), f.appended);
    EXPECT_EQ(f.random.drawsMade(), draws);
    EXPECT_TRUE(again.windowEnabled());
    EXPECT_FALSE(again.visible(ctl::Label39));
}

TEST_F(PlayerPoolTest, ThousandRowsAreToppedUp) {
    Database& db = freshDatabase();
    addUserProfiles(db, 1000);
    const int appended = ensurePlayerPool(db, random, surface);
    EXPECT_GT(appended, 2000);
    EXPECT_EQ(players(db), 1000 + appended);
    EXPECT_EQ(db.query("SELECT * FROM giocatori where profilo='1'").rows(), 1000);
}

TEST_F(PlayerPoolTest, ThousandAndOneRowsAreLeftAlone) {
    Database& db = freshDatabase();
    addUserProfiles(db, 1001);
    EXPECT_EQ(ensurePlayerPool(db, random, surface), 0);
    EXPECT_EQ(players(db), 1001);
    EXPECT_EQ(random.drawsMade(), 0U);
    EXPECT_TRUE(surface.windowEnabled());
    EXPECT_FALSE(surface.visible(ctl::Label39));
}

TEST_F(PlayerPoolTest, SameRandomStateGivesTheSamePool) {
    Database& db = freshDatabase();
    ensurePlayerPool(db, random, surface);
    EXPECT_EQ(poolRows(db), poolRows(first().db));
    EXPECT_EQ(random.drawsMade(), first().random.drawsMade());

    // One draw earlier or later is another pool.
    db.execute("DELETE FROM giocatori");
    Random shifted;
    shifted.next();
    ensurePlayerPool(db, shifted, surface);
    EXPECT_NE(poolRows(db), poolRows(first().db));
}

TEST_F(PlayerPoolTest, ExistingPlayerIsNotRepeated) {
    // Every name pair the pool could draw for one nation already exists: none is added again.
    Database& db = freshDatabase();
    const ResultSet italy = db.query("SELECT * FROM nazioni where nazione='Italia' ");
    std::vector<std::string> surnames, firstNames;
    for (int r = 0; r < italy.rows(); ++r) {
        auto& names = italy.at(1, r).text() == "cognome" ? surnames : firstNames;
        for (int c = 2; c < 22; ++c) names.push_back(italy.at(c, r).text());
    }
    {
        Transaction transaction(db);
        for (const std::string& s : surnames) {
            for (const std::string& n : firstNames) {
                db.appendRow("giocatori", {{"cognome", s}, {"nome", n}, {"profilo", 1}});
            }
        }
        transaction.commit();
    }
    ensurePlayerPool(db, random, surface);
    EXPECT_EQ(db.query("SELECT * FROM giocatori where nazionalita='Italia'").rows(), 0);
    EXPECT_EQ(db.query("SELECT cognome, nome FROM giocatori GROUP BY cognome, nome HAVING "
                       "count(*) > 1")
                  .rows(),
              0);
}

}  // namespace
}  // namespace zelvaro
