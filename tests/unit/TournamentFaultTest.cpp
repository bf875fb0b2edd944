// A write that fails in the middle of a tournament (a full disk, a disk error): after the
// message the tournament stops cleanly, back on the menu, the file at its last committed
// state with every entrant once, and the next start works.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

TEST(TournamentFaultTest, AWriteFailingAtAnyTickStopsTheTournamentCleanly) {
    std::mt19937 draws(2026);
    for (const char* type : {"50 Punti", "Piatto 500", "Eliminazione 25"}) {
        const int faultTick = std::uniform_int_distribution<int>(50, 3000)(draws);
        SCOPED_TRACE(std::string(type) + ", fault at tick " + std::to_string(faultTick));
        testsupport::TempFolder folder;
        {
            MemorySurface surface;
            ZelvaroApp app(surface, folder.path());
            ASSERT_TRUE(app.startUp());
            Database& db = app.database();
            db.execute("UPDATE opzioni SET punteggio=?", {type});
            db.appendRow("giocatori", {{"cognome", "Guasto"},
                                       {"nome", "Disco"},
                                       {"nazionalita", "Italia"},
                                       {"anno", 1980},
                                       {"profilo", "1"}});
            TournamentDriver driver(app, surface);
            int ticks = 0;
            driver.beforeEveryTick([&](Control) {
                // A fault that lives in this connection only, never in the file: every later
                // change of the field fails as a failing disk would make it.
                if (++ticks > faultTick + 50000)
                    throw std::runtime_error("it went on after the failure");
                if (ticks == faultTick) {
                    db.execute(
                        "CREATE TEMP TRIGGER guasto BEFORE UPDATE ON torneo "
                        "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
                }
            });
            ASSERT_TRUE(driver.start("Guasto Disco"));
            while (driver.playRound()) {
            }
            ASSERT_FALSE(surface.messages().empty());
            EXPECT_NE(surface.messages().back().text.find("disk I/O error"), std::string::npos);
            for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
                EXPECT_FALSE(surface.enabled(timer));
            EXPECT_FALSE(surface.visible(ctl::Picture1));
            EXPECT_FALSE(surface.visible(ctl::Frame6));
            EXPECT_TRUE(surface.windowEnabled());
        }
        Database file;
        file.open(folder.path() / Database::kFileName);
        EXPECT_EQ(file.query("PRAGMA integrity_check").at(0, 0).text(), "ok");
        const ResultSet field =
            file.query("SELECT count(*), count(DISTINCT cognome || '|' || nome) FROM torneo");
        EXPECT_GT(field.at(0, 0).integer(), 0);
        EXPECT_EQ(field.at(0, 0).integer(), field.at(1, 0).integer());
        file.close();
        MemorySurface again;
        ZelvaroApp next(again, folder.path());
        EXPECT_TRUE(next.startUp());
    }
}

}  // namespace
}  // namespace zelvaro
