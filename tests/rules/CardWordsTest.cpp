// The pile's scans and the hand's order check read cards four at a time. These tests hold them
// to plain card-by-card versions: holes anywhere, equal values, empty places in the middle, the
// first and the last place, the empty and the full pile.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "rules/CardWords.h"
#include "rules/Pile.h"
#include "tests/rules/Layouts.h"

namespace zelvaro::rulestest {
namespace {

TEST(CardWordsTest, AFreshPileCountsTakesACardAndCompactsAsAPlainOne) {
    Layouts layouts(1);
    for (int density : kDensities) {
        for (int round = 0; round < 300; ++round) {
            SCOPED_TRACE("density " + std::to_string(density) + " round " + std::to_string(round));
            const Pile::Places places = layouts.pile(density);
            const int first = firstEmptyByHand(places);
            Pile pile;
            pile = places;
            ASSERT_EQ(pile.firstEmptyPlace(), first < 0 ? kPileSize : first);
            ASSERT_EQ(pile.cardCount(), std::count_if(places.begin(), places.end(),
                                                      [](Card c) { return !c.empty(); }));

            Pile put;
            put = places;
            Pile::Places expected = places;
            const Card card = layouts.card();
            if (first >= 0) expected[first] = card;
            ASSERT_EQ(put.putAtFirstEmptyPlace(card), first >= 0);
            ASSERT_EQ(put, expected);

            pile.compact();
            ASSERT_EQ(pile, compactedByHand(places));
        }
    }
}

TEST(CardWordsTest, NeverRiseSeesARiseInEveryPlaceAndAcrossWords) {
    Hand hand{};
    for (int i = 0; i < kHandSlots; ++i) hand[i] = Card{13 - i, 'c'};  // 13 down to 2
    EXPECT_TRUE(cardwords::valuesNeverRise(hand));
    for (int i = 1; i < kHandSlots; ++i) {
        Hand risen = hand;
        risen[i] = Card{hand[i - 1].value + 1, 'p'};  // just above the place before it
        EXPECT_FALSE(cardwords::valuesNeverRise(risen)) << "rise at place " << i;
    }
    Hand withHole = hand;
    withHole[5] = kEmptyCard;  // a card after an empty place is a rise
    EXPECT_FALSE(cardwords::valuesNeverRise(withHole));
    Hand equal{};
    equal.fill(Card{9, 'f'});
    EXPECT_TRUE(cardwords::valuesNeverRise(equal));
    Hand empty{};
    empty.fill(kEmptyCard);
    EXPECT_TRUE(cardwords::valuesNeverRise(empty));
}

}  // namespace
}  // namespace zelvaro::rulestest
