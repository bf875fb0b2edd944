// The pile keeps count of its first empty place, its last card and its cards between moves.
// These tests run long random sequences of every move, direct writes among them, against a
// plain array handled card by card, and compare after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "rules/Pile.h"
#include "tests/rules/Layouts.h"

namespace zelvaro::rulestest {
namespace {

using Places = Pile::Places;

int cardsIn(const Places& places) {
    return static_cast<int>(
        std::count_if(places.begin(), places.end(), [](Card c) { return !c.empty(); }));
}

// One random move on both the pile and the plain model.
void randomMove(Layouts& layouts, Pile& pile, Places& model) {
    const int place = layouts.below(kPileSize);
    switch (layouts.below(7)) {
        case 0: {  // a direct write, a card or a hole anywhere
            const Card card = layouts.below(3) == 0 ? kEmptyCard : layouts.card();
            pile.set(place, card);
            model[place] = card;
            break;
        }
        case 1:
        case 2: {  // a card off a place, often the top two as the prize takes them
            const int taken = layouts.below(2) == 0 ? layouts.below(2) : place;
            EXPECT_EQ(pile.take(taken), model[taken]);
            model[taken] = kEmptyCard;
            break;
        }
        case 3:
        case 4: {  // a card to the bottom
            const Card card = layouts.card();
            const int first = firstEmptyByHand(model);
            EXPECT_EQ(pile.putAtFirstEmptyPlace(card), first >= 0);
            if (first >= 0) model[first] = card;
            break;
        }
        case 5:
            pile.compact();
            model = compactedByHand(model);
            break;
        default:
            if (layouts.below(20) == 0) {  // now and then a whole new layout
                model = layouts.pile(layouts.below(101));
                pile = model;
            }
            break;
    }
}

TEST(PileTest, EveryMoveMatchesThePlainPileAndTheCountsStayTrue) {
    Layouts layouts(11);
    for (int sequence = 0; sequence < 200; ++sequence) {
        Places model = layouts.pile(layouts.below(101));
        Pile pile;
        pile = model;
        for (int step = 0; step < 400; ++step) {
            SCOPED_TRACE("sequence " + std::to_string(sequence) + " step " + std::to_string(step));
            randomMove(layouts, pile, model);
            ASSERT_EQ(pile, model);
            const int first = firstEmptyByHand(model);
            ASSERT_EQ(pile.firstEmptyPlace(), first < 0 ? kPileSize : first);
            ASSERT_EQ(pile.cardCount(), cardsIn(model));
        }
    }
}

TEST(PileTest, AFullPileRefusesACardAndAnEmptyOneCompactsToNothing) {
    Pile pile;
    EXPECT_EQ(pile.firstEmptyPlace(), 0);
    EXPECT_EQ(pile.cardCount(), 0);
    pile.compact();
    EXPECT_EQ(pile.cardCount(), 0);
    for (int k = 0; k < kPileSize; ++k) {
        ASSERT_TRUE(pile.putAtFirstEmptyPlace(Card{2 + k % 13, 'c'}));
    }
    EXPECT_EQ(pile.firstEmptyPlace(), kPileSize);
    EXPECT_FALSE(pile.putAtFirstEmptyPlace(Card{9, 'p'}));
    EXPECT_EQ(pile[kPileSize - 1], (Card{2 + (kPileSize - 1) % 13, 'c'}));
    // The prize off the top: the rest closes up and the bottom two places are free again.
    const Card second = pile[2];
    pile.take(0);
    pile.take(1);
    pile.compact();
    EXPECT_EQ(pile[0], second);
    EXPECT_EQ(pile.firstEmptyPlace(), kPileSize - 2);
    EXPECT_EQ(pile.cardCount(), kPileSize - 2);
}

TEST(PileTest, TakingTheLastCardsMovesTheEndBack) {
    Pile pile;
    pile.set(5, Card{7, 'f'});
    pile.set(60, Card{8, 'm'});
    EXPECT_EQ(pile.take(60), (Card{8, 'm'}));
    // The only card left stands at 5: compaction brings it to the top.
    pile.compact();
    EXPECT_EQ(pile[0], (Card{7, 'f'}));
    EXPECT_TRUE(pile[5].empty());
    EXPECT_EQ(pile.firstEmptyPlace(), 1);
    EXPECT_TRUE(pile.take(30).empty());
    EXPECT_EQ(pile.cardCount(), 1);
}

}  // namespace
}  // namespace zelvaro::rulestest
