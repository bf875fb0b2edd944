// The computer seats' decisions: whether to change cards, which card to give up, which card
// to lay. Every threshold and slot below is worked out by hand from the hand, the table, the
// profile and the draw; each threshold is a row, just below it and at it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "rules/ComputerPlayer.h"
#include "tests/rules/Cards.h"

namespace zelvaro::rulestest {
namespace {

// ----- the draw -----

TEST(ComputerDrawTest, DrawIsTheRoundedPercentPlusThirtyFromThirtyToOneHundredThirty) {
    const std::vector<std::pair<double, int>> rows{
        {0.0, 30},   {0.0625, 36}, {0.125, 42},  // 12.5 rounds to 12
        {0.375, 68},                             // 37.5 rounds to 38
        {0.5, 80},   {0.625, 92},  {0.875, 118}, {0.996, 130}, {1.0 - 1.0 / (1 << 20), 130},
    };
    for (const auto& [r, draw] : rows) EXPECT_EQ(computerDraw(r), draw) << r;
    // Over the whole unit interval the draws never fall back and take every value in between.
    std::set<int> seen;
    int previous = computerDraw(0.0);
    for (int step = 0; step < 1024; ++step) {
        const int draw = computerDraw(step / 1024.0);
        EXPECT_GE(draw, previous) << step;
        previous = draw;
        seen.insert(draw);
    }
    seen.insert(computerDraw(1.0 - 1.0 / (1 << 20)));
    EXPECT_EQ(seen.size(), 101U);
    EXPECT_EQ(*seen.begin(), 30);
    EXPECT_EQ(*seen.rbegin(), 130);
}

// ----- the card change -----

struct ChangeRow {
    const char* name;
    Hand cards;
    int aggressivita;
    int threshold;  // the seat changes on any draw below it
};

TEST(ChangeDecisionTest, ASeatChangesOnDrawsBelowItsThreshold) {
    const std::vector<ChangeRow> rows{
        {"average 6.5 rounds to 6: bonus 40", hand({7, 6}), 1, 41},
        {"average 7: bonus 80", hand({8, 6}), 1, 81},
        {"average 6.67 rounds to 7: bonus 80", hand({7, 7, 6}), 1, 81},
        {"average 10: bonus 80", hand({12, 10, 8}), 1, 81},
        {"average 10.5 rounds to 10: bonus 80", hand({11, 10}), 1, 81},
        {"average 11.5 rounds to 12: no bonus, below every draw", hand({12, 11}), 20, 20},
        {"average 10.6 rounds to 11: no bonus", hand({11, 11, 11, 10, 10}), 20, 20},
        {"without a bonus the profile alone counts", hand({12, 11}), 50, 50},
        {"an aggressive seat with average 8", hand({10, 8, 8, 6}), 20, 100},
        {"the threshold is clamped to 100", hand({8, 8}), 200, 100},
        {"the average is over the cards held, not the twelve places", hand({9, 0, 7}), 1, 81},
    };
    for (const ChangeRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(computerChangeDecision(row.cards, row.aggressivita, row.threshold - 1));
        EXPECT_FALSE(computerChangeDecision(row.cards, row.aggressivita, row.threshold));
    }
    EXPECT_FALSE(computerChangeDecision(hand({}), 100, 0)) << "an empty hand has nothing to change";
}

TEST(ChooseDiscardTest, TheLowestCardFirstAmongEqualsNeverAnEmptyPlace) {
    const std::vector<std::pair<Hand, int>> rows{
        {hand({14, 9, 5, 3, 3}), 3},
        {hand({5, 3, 9, 3}), 1},
        {hand({2}), 0},
        {hand({9, 0, 0, 4, 0, 6}), 3},
        {hand({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12}), 11},
        {hand({}), -1},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(chooseDiscard(rows[i].first), rows[i].second) << "row " << i;
    }
}

// ----- laying a card -----

// What the seat sees besides its hand and the table.
struct SeatView {
    int activeseats = 6;
    int othercards = 20;
    int aggressivita = 10;
    bool twoBeatsAce = false;
    bool potGame = false;
    const char* premio = "Nascosto";
    int prize0 = 0;
    int prize1 = 0;
};

int play(const Hand& cards, const Trick& table, const SeatView& seat, int draw) {
    const std::string premio = seat.premio;
    const PlayView view{cards,
                        table,
                        seat.activeseats,
                        seat.othercards,
                        seat.aggressivita,
                        seat.twoBeatsAce,
                        seat.potGame,
                        premio,
                        seat.prize0,
                        seat.prize1};
    return computerPlayDecision(view, draw);
}

struct PlayRow {
    const char* name;
    Hand cards;
    Trick table;
    SeatView seat;
    std::vector<std::pair<int, int>> plays;  // the draw and the slot laid on it
};

// Laying last against 8, 4, 6, 3, 7 with 13, 11, 9, 5: strength 9 + 16 + 50 - 40 - 8 = 27,
// base 77, threshold 77 + 10 - 15 = 72 with the prize hidden.
const Trick kLayingLast = trick({8, 4, 6, 3, 7});

// clang-format off
const std::vector<PlayRow> kPlayRows{
    {"leading with an Ace and other cards lays the last other card", hand({14, 9, 5}), trick({}),
     {}, {{30, 2}, {80, 2}, {130, 2}}},
    {"leading with two Aces and other cards lays the last other card", hand({14, 14, 9, 5}),
     trick({}), {}, {{30, 3}, {80, 3}, {130, 3}}},
    {"an Ace may be laid when not leading", hand({14, 9, 5}), trick({10}),
     {.aggressivita = 100}, {{30, 0}}},
    // strength 6 + 16 + 50 - 20 - 8 = 44, halved for the Ace: 22; base -8; threshold 77.
    {"a 2 beats an Ace: the attacker lays its last 2, holding back its highest card",
     hand({13, 9, 2, 2}), trick({14}),
     {.activeseats = 4, .othercards = 10, .aggressivita = 100, .twoBeatsAce = true},
     {{30, 3}, {76, 3}, {77, 0}}},
    {"without the rule nothing reaches the Ace", hand({13, 9, 2, 2}), trick({14}),
     {.activeseats = 4, .othercards = 10, .aggressivita = 100}, {{76, 0}}},
    {"a 2 beats an Ace: an attacker without a 2 falls back", hand({13, 9, 5, 3}), trick({14}),
     {.activeseats = 4, .othercards = 10, .aggressivita = 100, .twoBeatsAce = true}, {{30, 0}}},
    {"laying last, the attacker takes the cheapest winning card", hand({13, 11, 9, 5}),
     kLayingLast, {}, {{71, 2}, {72, 0}, {130, 0}}},
    {"laying last, the first of equal cheapest cards", hand({13, 9, 9, 5}), kLayingLast, {},
     {{30, 1}}},
    {"laying last with nothing above the table falls back", hand({7, 6, 5, 4}), kLayingLast, {},
     {{30, 0}}},
    // Four real cards: trickposition 5, so the attacker lays its highest card.
    {"a pass on the table means the seat is not last", hand({13, 11, 9, 5}),
     trick({8, 15, 6, 3, 7}), {}, {{30, 0}}},
    {"the attacker lays the last of its equal highest cards, equal to the table",
     hand({8, 8, 3}), trick({8}), {.aggressivita = 100}, {{30, 1}}},
    {"the attacker lays the last of its equal highest cards, above the table",
     hand({12, 12, 3}), trick({8}), {.aggressivita = 100}, {{30, 1}}},
    {"holding back outside the endgame lays the highest card, below the table",
     hand({12, 7, 4}), trick({13}), {}, {{130, 0}}},
    {"holding back outside the endgame lays the highest card, above the table",
     hand({12, 7, 4}), trick({3, 5}), {}, {{130, 0}}},
    // strength 50 - 8 + 3 + 6 + 6 + 8 * 10 = 137; base 107; threshold 107 + 1 - 15 = 93.
    {"two seats left, holding back lays the lowest card", hand({12, 7, 4, 4}), trick({10}),
     {.activeseats = 2, .aggressivita = 1}, {{92, 0}, {93, 2}}},
    // Leading: trickmax 0, so 12 + 7 + 4 + 4 and +1 for each of the eight empty places:
    // strength 85; base 35; threshold 20 + aggressivita.
    {"two seats left and leading, the empty places count: 31 attacks", hand({12, 7, 4, 4}),
     trick({}), {.activeseats = 2, .aggressivita = 11}, {{30, 0}}},
    {"two seats left and leading, the empty places count: 30 holds back", hand({12, 7, 4, 4}),
     trick({}), {.activeseats = 2, .aggressivita = 10}, {{30, 2}}},
    {"two seats left, a 2 that beats an Ace is kept", hand({12, 5, 3, 2}), trick({9}),
     {.activeseats = 2, .twoBeatsAce = true}, {{130, 2}}},
    {"two seats left, the 2 kept, the first of equal cards above it", hand({5, 3, 3, 2}),
     trick({9}), {.activeseats = 2, .twoBeatsAce = true}, {{130, 1}}},
    {"two seats left, only 2s", hand({2, 2}), trick({9}), {.activeseats = 2, .twoBeatsAce = true},
     {{130, 0}}},
    {"two seats left, without the rule the 2 goes", hand({12, 5, 3, 2}), trick({9}),
     {.activeseats = 2}, {{130, 3}}},
    // Threshold 77 + 100 - 15 = 162, clamped to 100.
    {"the threshold is clamped to 100", hand({13, 11, 9, 5}), kLayingLast,
     {.aggressivita = 100}, {{99, 2}, {100, 0}}},
    // strength 3 + 8 + 50 - 80 - 8 = -27; Int(-27 / 2) = -14; base -44; threshold 41.
    {"an Ace on the table halves the strength, rounding down", hand({5, 2}), trick({14}),
     {.activeseats = 4, .othercards = 40, .aggressivita = 100, .twoBeatsAce = true},
     {{40, 1}, {41, 0}}},
    // Int(-27 / 4) = -7; base 100 - 60 - 7 - 50 = -17; threshold 68.
    {"two Aces on the table quarter the strength", hand({5, 2}), trick({14, 14}),
     {.activeseats = 4, .othercards = 40, .aggressivita = 100, .twoBeatsAce = true},
     {{67, 1}, {68, 0}}},
    {"a hidden prize: threshold 72", hand({13, 11, 9, 5}), kLayingLast, {}, {{80, 0}}},
    // "1 Carta": 77 + 10 - 30 + 2 * prize0.
    {"one face-up prize card counts twice its value: 85", hand({13, 11, 9, 5}), kLayingLast,
     {.premio = "1 Carta", .prize0 = 14, .prize1 = 2}, {{80, 2}, {85, 0}}},
    {"only the top prize card is face up: 61", hand({13, 11, 9, 5}), kLayingLast,
     {.premio = "1 Carta", .prize0 = 2, .prize1 = 14}, {{60, 2}, {61, 0}}},
    // "2 Carte": 77 + 10 - 60 + 2 * (prize0 + prize1).
    {"two face-up prize cards count twice their sum: 81", hand({13, 11, 9, 5}), kLayingLast,
     {.premio = "2 Carte", .prize0 = 14, .prize1 = 13}, {{80, 2}, {81, 0}}},
    {"two face-up prize cards count twice their sum: 59", hand({13, 11, 9, 5}), kLayingLast,
     {.premio = "2 Carte", .prize0 = 14, .prize1 = 2}, {{58, 2}, {59, 0}}},
    // 43 + 60 (own sum above the table) - 30 (share 10 is 100% of the top card) = 73;
    // base 63; threshold 58.
    {"a pot game's low share weakens the seat", hand({12, 12, 3}), trick({10, 10}),
     {.activeseats = 4, .othercards = 10, .aggressivita = 10, .potGame = true},
     {{57, 1}, {58, 0}}},
    // strength 43, threshold 28.
    {"the same seat outside a pot game", hand({12, 12, 3}), trick({10, 10}),
     {.activeseats = 4, .othercards = 10, .aggressivita = 10}, {{57, 0}, {28, 0}, {27, 1}}},
    // -17 + 60 + 30 (share 22 is 220% of the top card 10) = 73; base 83; threshold 69.
    {"a pot game's rich share strengthens the seat", hand({12, 12, 3}), trick({10, 5, 7}),
     {.activeseats = 4, .othercards = 40, .aggressivita = 1, .potGame = true},
     {{68, 1}, {69, 0}}},
    // Share 12 on a top card of 6: q = 200, so -30: strength 13, threshold 9.
    {"a pot game's share of exactly twice the top card is not enough", hand({12, 12, 3}),
     trick({6, 4, 2}), {.activeseats = 4, .othercards = 40, .aggressivita = 1, .potGame = true},
     {{30, 0}}},
    // 43 + 60 and nothing else; base 53; threshold 48.
    {"a pot game's leader keeps its strength with nothing to share", hand({12, 12, 3}),
     trick({}), {.activeseats = 4, .othercards = 10, .aggressivita = 10, .potGame = true},
     {{47, 1}, {48, 0}}},
    // Own sum 14 against an Ace: no +60. 37 halved for the Ace is 18, share 14 is 100% of the
    // top card: -30, so -12; base -42; threshold 43.
    {"a pot game's own sum must exceed the top card", hand({12, 2}), trick({14}),
     {.activeseats = 4, .othercards = 10, .aggressivita = 100, .twoBeatsAce = true,
      .potGame = true},
     {{42, 1}, {43, 0}}},
    // Endgame strength 137 - 30 = 107; base 77; threshold 63.
    {"a pot game's endgame never adds the own sum bonus", hand({12, 7, 4, 4}), trick({10}),
     {.activeseats = 2, .aggressivita = 1, .potGame = true}, {{62, 0}, {63, 2}}},
};
// clang-format on

TEST(PlayDecisionTest, EachSeatLaysTheCardWorkedOutForItsDraw) {
    for (const PlayRow& row : kPlayRows) {
        SCOPED_TRACE(row.name);
        for (const auto& [draw, slot] : row.plays) {
            EXPECT_EQ(play(row.cards, row.table, row.seat, draw), slot) << "draw " << draw;
        }
    }
}

TEST(PlayDecisionTest, ALeaderHoldingOnlyAcesLaysAnAce) {
    const Hand aces = hand({14, 14});
    for (int activeseats : {6, 2}) {
        for (int draw : {30, 80, 130}) {
            const int slot = play(aces, trick({}), {.activeseats = activeseats}, draw);
            ASSERT_TRUE(slot == 0 || slot == 1) << activeseats << " seats, draw " << draw;
        }
    }
}

}  // namespace
}  // namespace zelvaro::rulestest
