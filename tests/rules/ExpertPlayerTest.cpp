// The expert's choices where the right one is plain: the cheapest card that takes the trick
// from the last place, the lowest card when nothing wins, a big pot taken, a strong hand kept.
// (Its information rule, legality and determinism over whole games are in tests/unit.)
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "rules/ExpertPlayer.h"
#include "tests/rules/Cards.h"

namespace zelvaro::rulestest {
namespace {

// Seat 1 on turn, the others holding `others` cards each.
ExpertView viewOf(const std::string& type, const Hand& cards, const Trick& table, int leader,
                  int others, std::array<int, 2> prize = {0, 0}) {
    ExpertView view;
    view.seat = 1;
    view.hand = cards;
    view.trick = table;
    view.trickleader = leader;
    view.prize = prize;
    for (int s = 0; s < kSeats; ++s) view.cardsHeld[s] = others;
    int own = 0;
    for (const Card& c : cards) own += c.empty() ? 0 : 1;
    view.cardsHeld[1] = own;
    view.options.punteggio = type;
    view.options.premio = prize[1] != 0 ? "2 Carte" : (prize[0] != 0 ? "1 Carta" : "Nascosto");
    return view;
}

struct PlayRow {
    const char* name;
    ExpertView view;
    int value;  // of the card laid
};

TEST(ExpertPlayTest, PlainPositionsGetThePlainCard) {
    // Led by seat 2, seat 1 lays last.
    const std::vector<PlayRow> rows{
        {"last, the cheapest card that wins keeps the Ace",
         viewOf("50 Punti", hand({14, 10, 3}), trick({9, 4, 6, 8, 5}), 2, 4, {13, 12}), 10},
        {"last, two Kings on the pile are worth the Ace",
         viewOf("3 Vinte", hand({14, 5, 3}), trick({12, 4, 6, 8, 5}), 2, 4, {13, 13}), 14},
        {"last and nothing wins: the lowest card",
         viewOf("Eliminazione 50", hand({13, 9, 3}), trick({14, 4, 6, 8, 5}), 2, 4), 3},
        {"last in a pot game, a pot of 44 taken with the Ace",
         viewOf("Piatto 1000", hand({14, 4}), trick({13, 12, 11, 2, 6}), 2, 2), 14},
        {"last in a pot game, nothing wins: the lowest card",
         viewOf("Piatto 500", hand({13, 12, 4}), trick({14, 3, 2, 2, 6}), 2, 3), 4},
    };
    for (const PlayRow& row : rows) {
        SCOPED_TRACE(row.name);
        const int slot = expertPlayDecision(row.view);
        ASSERT_GE(slot, 0);
        EXPECT_EQ(row.view.hand[slot].value, row.value);
    }
}

TEST(ExpertPlayTest, AnEmptyHandLaysNothingAndALoneChoiceIsTaken) {
    EXPECT_EQ(expertPlayDecision(viewOf("25 Punti", hand({}), trick({5}), 0, 3)), -1);
    // Leading with Aces and one other card, that card is the only one it may lay.
    EXPECT_EQ(expertPlayDecision(viewOf("25 Punti", hand({14, 14, 5}), trick({}), 1, 3)), 2);
}

TEST(ExpertPlayTest, AnEndlessHandIsBrokenByLegalCardsAtRandom) {
    // Past six hundred cards laid in one hand the choice no longer repeats itself.
    std::set<int> laid;
    for (int n = 0; n < 40; ++n) {
        ExpertView view = viewOf("3 Vinte", hand({14, 9, 6, 3}), trick({}), 1, 4);
        view.gone[2] = static_cast<std::int16_t>(601 + n);
        const int slot = expertPlayDecision(view);
        ASSERT_GE(slot, 1) << "never the Ace to lead";
        laid.insert(view.hand[slot].value);
    }
    EXPECT_EQ(laid, (std::set<int>{3, 6, 9}));
}

TEST(ExpertChangeTest, AHandOfHighCardsIsKept) {
    for (const char* type : {"Partita Singola", "50 Punti", "Eliminazione 25", "Piatto 2000"}) {
        SCOPED_TRACE(type);
        const ExpertChange change = expertChangeDecision(
            viewOf(type, hand({14, 14, 13, 13, 12, 12, 11, 11}), trick({}), 1, 8, {2, 0}));
        EXPECT_FALSE(change.changes);
    }
}

TEST(ExpertChangeTest, AChangeGivesTheTwoLowestCards) {
    // Two 2s among high cards, and an Ace on top of the pile to draw.
    const ExpertView view =
        viewOf("Piatto 1000", hand({14, 13, 13, 12, 12, 11, 2, 2}), trick({}), 1, 8);
    const ExpertChange change = expertChangeDecision(view);
    if (change.changes) {
        EXPECT_NE(change.first, change.second);
        EXPECT_EQ(view.hand[change.first].value, 2);
        EXPECT_EQ(view.hand[change.second].value, 2);
    } else {
        EXPECT_EQ(change.first, -1);
        EXPECT_EQ(change.second, -1);
    }
}

}  // namespace
}  // namespace zelvaro::rulestest
