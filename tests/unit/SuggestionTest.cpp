// "Suggerimento" over whole games at both levels: at every turn of the player's, H marks
// exactly the card the expert would lay (or the two it would give at the change), the marks
// go when he acts, and a game in which he asks at every turn ends as the same game in which
// he never asks.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/ExpertSeat.h"
#include "engine/display/TableLayout.h"
#include "primitives/Random.h"
#include "rules/ExpertPlayer.h"
#include "store/OpponentLevel.h"
#include "tests/unit/ContinueSupport.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

using continuetest::Program;
using testsupport::TempFolder;

// The expert's choice for the player's seat, asked of the rules directly: the card to lay, or
// at the change the two to give (both -1 when it keeps its cards).
std::array<int, 2> expertsChoice(const GameSession& session, bool changeQuestion) {
    const ExpertView view = expertView(session, kHumanSeat);
    if (!changeQuestion) return {expertPlayDecision(view), -1};
    const ExpertChange change = expertChangeDecision(view);
    return change.changes ? std::array<int, 2>{change.first, change.second}
                          : std::array<int, 2>{-1, -1};
}

std::array<int, 2> markedPlaces(const Surface& surface) {
    return {layout::markedHandPlace(surface, ctl::SuggestionMarks[0]),
            layout::markedHandPlace(surface, ctl::SuggestionMarks[1])};
}

struct HintedRun {
    std::string outcome;  // scores, hands and draws at the end
    int asked = 0;        // suggestions asked and compared
    int changes = 0;      // of them at the change question
    int toGive = 0;       // of those, with two cards to give
};

struct HandsDone {};

// The first `hands` hands of a single game of `type` at `level`, the player keeping his
// cards and laying his lowest; with `ask`, H is pressed whenever he is to act.
HintedRun play(const std::string& type, std::string_view level, bool ask, long hands) {
    TempFolder folder;
    Program program(folder.path());
    ZelvaroApp& app = program.app;
    MemorySurface& surface = program.surface;
    writeOpponentLevel(app.database(), level);
    TournamentDriver driver(app, surface);
    HintedRun run;
    driver.beforeEveryTick([&](Control) {
        if (app.engine().handsPlayed() >= hands) throw HandsDone{};
    });
    driver.beforeEveryMove([&] {
        if (!surface.visible(ctl::SuggestionButton)) {
            // Nothing to act on: no mark of an earlier turn is left.
            EXPECT_EQ(markedPlaces(surface), (std::array<int, 2>{-1, -1}));
            return;
        }
        if (!ask) return;
        const bool change = surface.visible(ctl::Command1);
        const std::array<int, 2> expected = expertsChoice(app.session(), change);
        EXPECT_TRUE(app.keyPressed(GameKey::Hint));
        EXPECT_EQ(markedPlaces(surface), expected) << (change ? "change" : "lay");
        if (change && expected[0] < 0) {
            EXPECT_TRUE(surface.visible(ctl::TableHint));
        }
        ++run.asked;
        run.changes += change ? 1 : 0;
        run.toGive += change && expected[0] >= 0 ? 1 : 0;
    });
    continuetest::startSingleGame(program, type);
    EXPECT_EQ(app.session().avversari, level);
    try {
        while (driver.playRound()) {
        }
    } catch (const HandsDone&) {
    }
    for (const SeatStats& seat : app.session().seatstats)
        run.outcome += seat.surname + " " + std::to_string(seat.score) + "\n";
    for (const Hand& hand : app.session().hands) {
        for (const Card card : hand) run.outcome += std::to_string(card.value) + card.suit;
    }
    run.outcome += "\ndraws " + std::to_string(app.random().drawsMade());
    return run;
}

TEST(SuggestionTest, HMarksTheExpertsChoiceAndAskingChangesNothingOfTheGame) {
    const struct {
        const char* type;
        std::string_view level;
    } games[] = {{"25 Punti", kClassicOpponents},
                 {"Eliminazione 25", kExpertOpponents},
                 {"Piatto 500", kClassicOpponents},
                 {"3 Vinte", kExpertOpponents}};
    int asked = 0, changes = 0, toGive = 0;
    for (const auto& game : games) {
        SCOPED_TRACE(std::string(game.type) + " " + std::string(game.level));
        const HintedRun asking = play(game.type, game.level, true, 4);
        EXPECT_EQ(asking.outcome, play(game.type, game.level, false, 4).outcome);
        asked += asking.asked;
        changes += asking.changes;
        toGive += asking.toGive;
    }
    // Enough positions of both kinds to mean something, and at the change some to give.
    EXPECT_GT(asked, 40);
    EXPECT_GT(changes, 3);
    EXPECT_GT(toGive, 0) << "the expert always kept its cards";
}

}  // namespace
}  // namespace zelvaro
