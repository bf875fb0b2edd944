// A disk that fills up during each of the game's write bursts: the first start's seed and
// pool, a new profile, the options, the compaction at "Esci". The burst is undone, the user
// is told, and the file stays a sound database with everything written before it.
#include <gtest/gtest.h>

#include <string>

#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "tests/unit/FailingDisk.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::FailingDisk;
using testsupport::TempFolder;

constexpr const char* kDiskFull =
    "Spazio su disco esaurito.\nL'operazione è stata annullata: i dati salvati finora sono "
    "intatti.";

// What the file holds, read with no limit on the disk: whether every page is sound, and
// the rows of every table.
struct Contents {
    bool sound = false;
    std::string rows;
    bool operator==(const Contents&) const = default;
};

bool isSound(Database& db) {
    return db.query("PRAGMA integrity_check").at(0, 0).text() == "ok";
}

Contents contentsOf(const fs::path& file) {
    Database db;
    db.open(file);
    Contents contents;
    contents.sound = isSound(db);
    for (const char* table : {"giocatori", "nazioni", "opzioni", "temp", "torneo", "classifica"}) {
        const ResultSet rs = db.query(std::string("SELECT * FROM ") + table + " order by rowid");
        for (int r = 0; r < rs.rows(); ++r) {
            for (int c = 0; c < rs.columnCount(); ++c) contents.rows += rs.at(c, r).text() + "|";
            contents.rows += "\n";
        }
    }
    return contents;
}

class FullDiskTest : public ::testing::Test {
protected:
    fs::path file() const { return folder.path() / Database::kFileName; }

    // A started game, its file as it stands, and the disk about to fill up.
    void expectToldAndUnchanged(MemorySurface& surface) {
        ASSERT_FALSE(surface.messages().empty());
        EXPECT_EQ(surface.messages().back().text, kDiskFull);
        disk.allowOnly(-1);
    }

    FailingDisk disk;
    TempFolder folder;
};

TEST_F(FullDiskTest, AFirstStartThatCannotWriteEndsAndTheNextOneMakesTheGame) {
    // Nothing at all, the seed but not the pool, part of the pool.
    for (const long long bytes : {0LL, 60'000LL, 200'000LL}) {
        SCOPED_TRACE(bytes);
        fs::remove_all(folder.path());
        fs::create_directories(folder.path());
        {
            MemorySurface surface;
            ZelvaroApp app(surface, folder.path());
            disk.allowOnly(bytes);
            EXPECT_FALSE(app.startUp());
            ASSERT_EQ(surface.messages().size(), 1U);
            EXPECT_EQ(surface.messages()[0].text, kDiskFull);
            EXPECT_TRUE(surface.windowEnabled());
            disk.allowOnly(-1);
        }
        {
            Database left;
            left.open(file());
            EXPECT_TRUE(isSound(left));
        }
        MemorySurface surface;
        ZelvaroApp app(surface, folder.path());
        ASSERT_TRUE(app.startUp());
        EXPECT_GT(app.database().query("SELECT * FROM giocatori where profilo='0' ").rows(), 2400);
    }
}

TEST_F(FullDiskTest, ANewProfileOrNewOptionsAreUndoneWhole) {
    MemorySurface surface;
    ZelvaroApp app(surface, folder.path());
    ASSERT_TRUE(app.startUp());
    const Contents started = contentsOf(file());

    app.click(ctl::Label2);
    surface.clearMessages();
    surface.setCaption(ctl::Text1, "Pieno");
    surface.setCaption(ctl::Text2, "Disco");
    disk.allowOnly(0);
    app.click(ctl::Label26);
    expectToldAndUnchanged(surface);
    app.click(ctl::Label9);

    app.click(ctl::Label10);
    surface.setCaption(ctl::Combo1, "Turbo");
    surface.setCaption(ctl::Combo2, "Chips");
    surface.setCaption(ctl::Combo8, "Limite 20 Mani");
    surface.clearMessages();
    // Room for the log's header, not for the page the six changes are in.
    disk.allowOnly(500);
    app.click(ctl::Label12);
    expectToldAndUnchanged(surface);

    app.database().close();
    const Contents after = contentsOf(file());
    EXPECT_TRUE(after.sound);
    EXPECT_TRUE(after.rows == started.rows) << after.rows.substr(after.rows.size() - 300);
}

TEST_F(FullDiskTest, ACompactionThatCannotWriteLeavesTheFileAndNoCopy) {
    MemorySurface surface;
    ZelvaroApp app(surface, folder.path());
    ASSERT_TRUE(app.startUp());
    app.database().appendRow("giocatori", {{"cognome", "Salvato"},
                                           {"nome", "Prima"},
                                           {"nazionalita", "Italia"},
                                           {"anno", 1990},
                                           {"profilo", "1"}});
    disk.allowOnly(100'000);  // less than the file
    app.click(ctl::Label3);
    EXPECT_TRUE(disk.full());
    disk.allowOnly(-1);
    EXPECT_TRUE(surface.windowClosed());
    EXPECT_FALSE(fs::exists(folder.path() / Database::kTempFileName));
    const Contents after = contentsOf(file());
    EXPECT_TRUE(after.sound);
    EXPECT_NE(after.rows.find("Salvato|Prima|"), std::string::npos);
}

}  // namespace
}  // namespace zelvaro
