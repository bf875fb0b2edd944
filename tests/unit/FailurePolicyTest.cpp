// The one answer to a failure: what the player reads, and what the game does after it, the
// same wherever the failure was caught.
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <exception>
#include <set>
#include <stdexcept>
#include <string>

#include "engine/GameSession.h"
#include "engine/display/TableDisplay.h"
#include "front/FailurePolicy.h"
#include "primitives/MemorySurface.h"
#include "primitives/Screen.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "store/StoreMessages.h"

namespace zelvaro {
namespace {

TEST(FailurePolicyTest, EachKindOfFailureIsToldInItsOwnWords) {
    const DatabaseError full("database or disk is full", SQLITE_FULL);
    const std::string database = FailurePolicy::message(std::make_exception_ptr(full));
    const std::string other = FailurePolicy::message(
        std::make_exception_ptr(std::out_of_range("no such control element: Label99")));
    const std::string unknown = FailurePolicy::message(std::make_exception_ptr(42));
    // The database's causes keep their own words, written in one place.
    EXPECT_EQ(database, failureMessage(full));
    // Anything else says what failed, and is not called a database error.
    EXPECT_NE(other.find("no such control element: Label99"), std::string::npos) << other;
    EXPECT_EQ(other.find("database"), std::string::npos) << other;
    EXPECT_FALSE(unknown.empty());
    EXPECT_EQ((std::set<std::string>{database, other, unknown}).size(), 3U);
}

// A failure on each screen of a tournament and of a single game, from a click or a tick.
TEST(FailurePolicyTest, ATournamentStopsOnAFailureAndASingleGameGoesOn) {
    const struct {
        const char* name;
        const char* gamemode;
        Control shown;  // Form1: the bare menu
        bool waiting;   // the tournament's waiting notice over the table
        bool tick;      // Timer1's tick failed
        Screen after;
    } rows[] = {
        {"tournament table, tick", "Torneo", ctl::Picture1, false, true, Screen::Menu},
        {"tournament waiting, click", "Torneo", ctl::Picture1, true, false, Screen::Menu},
        {"tournament standings", "Torneo", ctl::Picture27, false, false, Screen::Menu},
        {"tournament rules panel", "Torneo", ctl::Frame5, false, false, Screen::Panel},
        {"single game, tick", "Partita", ctl::Picture1, false, true, Screen::Table},
        {"single game, click", "Partita", ctl::Picture1, false, false, Screen::Table},
        {"menu", "", ctl::Form1, false, false, Screen::Menu},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySurface surface;
        GameSession session;
        Tournament tournament;
        Database db;
        TableDisplay display(surface, session, tournament, db);
        session.gamemode = row.gamemode;
        if (!(row.shown == ctl::Form1)) surface.setVisible(row.shown, true);
        surface.setVisible(ctl::Frame6, row.waiting);
        surface.setWindowEnabled(!row.waiting);
        for (Control timer : {ctl::Timer1, ctl::Timer2}) surface.setEnabled(timer, true);

        FailurePolicy(surface, session, display)
            .answer(std::make_exception_ptr(std::runtime_error("scrittura fallita")),
                    row.tick ? std::optional<Control>(ctl::Timer1) : std::nullopt);
        ASSERT_EQ(surface.messages().size(), 1U);
        EXPECT_NE(surface.messages()[0].text.find("scrittura fallita"), std::string::npos);
        EXPECT_EQ(shownScreen(surface), row.after) << screenName(shownScreen(surface));
        EXPECT_FALSE(surface.visible(ctl::Frame6));
        EXPECT_TRUE(surface.windowEnabled());
        // The failed tick's timer stops; a tournament left stops them all; otherwise they run.
        const bool left = row.after == Screen::Menu && !(row.shown == ctl::Form1);
        EXPECT_EQ(surface.enabled(ctl::Timer1), !row.tick && !left);
        EXPECT_EQ(surface.enabled(ctl::Timer2), !left);
    }
}

}  // namespace
}  // namespace zelvaro
