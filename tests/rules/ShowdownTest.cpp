// Who wins a trick, who comes second in a tie, and what the pot of the Piatto games holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/Showdown.h"
#include "tests/rules/Cards.h"

namespace zelvaro::rulestest {
namespace {

// Which setting of "a 2 beats an Ace" a row holds for; a trick without an Ace and a 2 in it
// must come out the same under both.
enum class TwoBeatsAce { No, Yes, Either };

struct TrickRow {
    const char* name;
    Trick cards;
    TwoBeatsAce rule;
    int winner;
    int second;  // -1 without a tie
    int ties;
    int trickmax;  // what the provisional winner holds the table at
};

TEST(TrickWinnerTest, EachTrickHasItsWinnerSecondTiesAndProvisionalWinner) {
    const std::vector<TrickRow> rows{
        {"the last of three equal cards wins, the one before is second",
         trick({7, 11, 11, 3, 11, 5}), TwoBeatsAce::Either, 4, 2, 3, 11},
        {"a single highest card has no second", trick({7, 12, 11, 3, 9, 5}), TwoBeatsAce::Either, 1,
         -1, 1, 12},
        {"an earlier tie leaves no second behind a later higher card", trick({9, 9, 13, 3, 4, 5}),
         TwoBeatsAce::Either, 2, -1, 1, 13},
        {"a 2 takes an Ace, then any higher card takes the 2", trick({14, 2, 9}), TwoBeatsAce::Yes,
         2, -1, 1, 9},
        {"a later 2 ties with the 2 that took an Ace", trick({14, 2, 2}), TwoBeatsAce::Yes, 2, 1, 2,
         2},
        {"a later Ace takes the 2 that took an Ace", trick({14, 2, 14}), TwoBeatsAce::Yes, 2, -1, 1,
         14},
        {"without the rule an Ace beats a 2", trick({14, 2}), TwoBeatsAce::No, 0, -1, 1, 14},
        {"a 2 never takes a card below the Ace", trick({13, 2}), TwoBeatsAce::Either, 0, -1, 1, 13},
        {"a lone card first among passes", trick({4, 15, 15, 15, 15, 15}), TwoBeatsAce::Either, 0,
         -1, 1, 4},
        {"a lone card in the middle of passes", trick({15, 15, 4, 15, 15, 15}), TwoBeatsAce::Either,
         2, -1, 1, 4},
        {"a lone card last after passes", trick({15, 15, 15, 15, 15, 4}), TwoBeatsAce::Either, 5,
         -1, 1, 4},
        {"passes and places not laid yet never win", trick({15, 15, 7, 15}), TwoBeatsAce::Either, 2,
         -1, 1, 7},
        {"a tie across a pass", trick({8, 15, 8}), TwoBeatsAce::Either, 2, 0, 2, 8},
        {"nothing laid yet", trick({}), TwoBeatsAce::Either, 0, -1, 0, 0},
    };
    for (const TrickRow& row : rows) {
        for (bool twoBeatsAce : {false, true}) {
            if (row.rule == (twoBeatsAce ? TwoBeatsAce::No : TwoBeatsAce::Yes)) continue;
            SCOPED_TRACE(std::string(row.name) + (twoBeatsAce ? ", a 2 beats an Ace" : ""));
            const TrickOutcome outcome = findTrickWinner(row.cards, twoBeatsAce);
            EXPECT_EQ(outcome.winnerSlot, row.winner);
            EXPECT_EQ(outcome.secondSlot, row.second);
            EXPECT_EQ(outcome.tiecount, row.ties);
            const ProvisionalResult provisional = provisionalWinner(row.cards, twoBeatsAce);
            EXPECT_EQ(provisional.winnerSlot, row.winner);
            EXPECT_EQ(provisional.trickmax, row.trickmax);
        }
    }
}

struct PotRow {
    Trick cards;
    int pot;
    int winningvalue;
    int winnercount;
    int share;
    const char* caption;
};

TEST(PotTest, ThePotItsWinnersTheirShareAndTheCaption) {
    const std::vector<PotRow> rows{
        {trick({9, 12, 12, 15, 15, 15}), 33, 12, 2, 16, "Piatto: 33  (2 Vincitori 16)"},  // 16.5
        {trick({9, 13, 13}), 35, 13, 2, 18, "Piatto: 35  (2 Vincitori 18)"},              // 17.5
        {trick({14, 14, 6, 2, 14, 15}), 50, 14, 3, 17, "Piatto: 50  (3 Vincitori 17)"},   // 16.67
        {trick({14}), 14, 14, 1, 14, "Piatto: 14  (1 Vincitore 14)"},
        {trick({5, 9, 15}), 14, 9, 1, 14, "Piatto: 14  (1 Vincitore 14)"},
        // A 2 never beats an Ace in the pot.
        {trick({14, 2}), 16, 14, 1, 16, "Piatto: 16  (1 Vincitore 16)"},
        {trick({}), 0, 0, 0, 0, "Piatto: 0"},
        {trick({15, 15}), 0, 0, 0, 0, "Piatto: 0"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PotRow& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i) + ": " + row.caption);
        const PotResult pot = computePot(row.cards);
        EXPECT_EQ(pot.pot, row.pot);
        EXPECT_EQ(pot.winningvalue, row.winningvalue);
        EXPECT_EQ(pot.winnercount, row.winnercount);
        EXPECT_EQ(potShare(pot), row.share);
        EXPECT_EQ(potCaption(pot), row.caption);
    }
}

}  // namespace
}  // namespace zelvaro::rulestest
