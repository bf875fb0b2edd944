// "Avanti veloce" changes nothing but the time between ticks: whole single games and a whole
// tournament, played headless on copies of one file, end the same with it and without.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/GameSession.h"
#include "engine/HeadlessClock.h"
#include "engine/TableEngine.h"
#include "front/FastForward.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "tests/unit/TableFixture.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/HumanPolicy.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

struct Program {
    explicit Program(const fs::path& folder) : app(surface, folder) {
        if (!app.startUp()) throw std::runtime_error("no start");
    }
    MemorySurface surface;
    ZelvaroApp app;
};

// What a run leaves to compare: the scores and the human's cards at every hand's end, and
// the tournament's field and standings.
struct Record {
    std::string hands;
    std::string standings;
    int fastForwards = 0;
    int waitsOffered = 0;  // ticks of the round's wait with its "Avanti veloce" offered
    bool operator==(const Record& other) const {
        return hands == other.hands && standings == other.standings;
    }
};

std::string rowsOf(Database& db, const std::string& sql) {
    std::string out;
    const ResultSet rs = db.query(sql);
    for (int r = 0; r < rs.rows(); ++r) {
        for (int c = 0; c < rs.columnCount(); ++c) out += rs.at(c, r).text() + "|";
        out += "\n";
    }
    return out;
}

class FastForwardTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        fs::create_directories(folder_->path() / "made");
        Program made(folder_->path() / "made");
        made.app.database().appendRow("giocatori", {{"cognome", "Veloce"},
                                                    {"nome", "Ada"},
                                                    {"nazionalita", "Italia"},
                                                    {"anno", 1988},
                                                    {"profilo", "1"},
                                                    {"cambiocarte", "0"},
                                                    {"aggressivita", "0"}});
        made.app.database().close();
    }
    static void TearDownTestSuite() { delete folder_; }

    // Plays on a fresh copy of the file until `done`, pressing "Avanti veloce" whenever it is
    // offered when `fastForward` is set.
    template <typename Start, typename Done>
    Record play(bool fastForward, const std::string& type, Start start, Done done) {
        const fs::path copy = folder_->path() / (fastForward ? "fast" : "plain");
        fs::remove_all(copy);
        tabletest::copyDatabaseFile(folder_->path() / "made" / Database::kFileName,
                                    copy / Database::kFileName);
        Program program(copy);
        ZelvaroApp& app = program.app;
        MemorySurface& surface = program.surface;
        app.database().execute("UPDATE opzioni SET punteggio='" + type + "'");
        Record record;
        long hands = 0;
        HeadlessClock clock(surface, [&](Control timer) {
            app.timerTick(timer);
            if (app.engine().handsPlayed() == hands) return;
            hands = app.engine().handsPlayed();
            for (const SeatStats& seat : app.session().seatstats) {
                record.hands += seat.surname + " " + std::to_string(seat.score) + ", ";
            }
            for (const Card& card : app.session().hands[kHumanSeat])
                record.hands += cardPicture(card);
            record.hands += "\n";
        });
        start(app, surface);
        while (!done(app, surface)) {
            if (surface.enabled(ctl::Timer1)) playHumanTurn(app, surface);
            // The wait for the round is offered whether or not the player still holds cards.
            if (surface.visible(ctl::Frame6) && surface.enabled(ctl::Timer2) &&
                !app.fastForwarding()) {
                EXPECT_TRUE(surface.visible(ctl::WaitFastForward));
                record.waitsOffered += surface.visible(ctl::WaitFastForward) ? 1 : 0;
            }
            bool ran = false;
            for (const Control button : {ctl::TableFastForward, ctl::WaitFastForward}) {
                if (!fastForward || !surface.visible(button)) continue;
                ran = true;
                app.click(button);
                EXPECT_TRUE(app.fastForwarding());
                ++record.fastForwards;
                // A stretch ends with its budget, so the window gets its turn back.
                const long handsBefore = app.engine().handsPlayed();
                EXPECT_TRUE(app.fastForwardFor(std::chrono::milliseconds(0)));
                EXPECT_EQ(app.engine().handsPlayed(), handsBefore);
                app.fastForward().run([&] { return clock.fireNext(); },
                                      std::chrono::steady_clock::time_point::max());
                // It stops when the player has something to decide, or when the game is over.
                EXPECT_FALSE(app.fastForwarding());
                EXPECT_TRUE(app.session().holdsCards(kHumanSeat) ||
                            !surface.visible(ctl::Picture1) || done(app, surface));
            }
            if (!ran && !clock.fireNext()) break;
        }
        record.standings = rowsOf(app.database(), "SELECT * FROM torneo order by rowid") +
                           rowsOf(app.database(), "SELECT * FROM classifica order by rowid");
        return record;
    }

    static TempFolder* folder_;
};

TempFolder* FastForwardTest::folder_ = nullptr;

TEST_F(FastForwardTest, SingleGamesEndTheSameWithAndWithoutIt) {
    const auto start = [](ZelvaroApp& app, MemorySurface& surface) {
        app.click(ctl::Label2);
        pickProfile(app, surface, "Veloce Ada");
        app.click(ctl::Label21);
    };
    for (const char* type : {"50 Punti", "Eliminazione 25", "3 Vinte"}) {
        SCOPED_TRACE(type);
        const auto done = [](ZelvaroApp&, MemorySurface& surface) {
            return !surface.enabled(ctl::Timer1);
        };
        const Record plain = play(false, type, start, done);
        const Record fast = play(true, type, start, done);
        EXPECT_GT(fast.fastForwards, 0);
        EXPECT_TRUE(plain == fast);
        EXPECT_EQ(plain.hands, fast.hands);
    }
}

TEST_F(FastForwardTest, ATournamentEndsTheSameWithAndWithoutIt) {
    const auto start = [](ZelvaroApp& app, MemorySurface& surface) {
        app.click(ctl::Label35);
        pickProfile(app, surface, "Veloce Ada");
        app.click(ctl::Label21);
        app.click(ctl::Label36);
    };
    // Played until it is over for the player: out, or the final played.
    const auto done = [](ZelvaroApp&, MemorySurface& surface) {
        return !surface.enabled(ctl::Timer2);
    };
    const Record plain = play(false, "Eliminazione 25", start, done);
    const Record fast = play(true, "Eliminazione 25", start, done);
    EXPECT_GT(fast.fastForwards, 0);
    EXPECT_GT(plain.waitsOffered, 0);
    EXPECT_EQ(plain.hands, fast.hands);
    EXPECT_TRUE(plain.standings == fast.standings);
    EXPECT_FALSE(plain.standings.empty());
}

}  // namespace
}  // namespace zelvaro
