// The card operations read cards four at a time. These tests hold them to plain card-by-card
// versions over many random layouts: holes anywhere in the pile, hands in any order, equal
// values, empty places in the middle, the first and the last place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/CardWords.h"
#include "engine/GameSession.h"
#include "primitives/MemorySurface.h"
#include "engine/display/TableDisplay.h"
#include "store/Database.h"
#include "tests/unit/Layouts.h"
#include "tests/unit/TableFixture.h"
#include "primitives/Tournament.h"

namespace zelvaro::tabletest {
namespace {

Hand sortedByHand(Hand hand) {
    std::stable_sort(hand.begin(), hand.end(), [](Card a, Card b) { return a.value > b.value; });
    return hand;
}

constexpr int kDensities[] = {0, 3, 30, 50, 70, 97, 100};

// Runs `check(layouts, density)` for every density, `rounds` times each, and stops at the first
// failed assertion.
template <typename Check>
void forEachLayout(std::uint64_t seed, int rounds, Check check) {
    Layouts layouts(seed);
    for (int density : kDensities) {
        for (int round = 0; round < rounds; ++round) {
            SCOPED_TRACE("density " + std::to_string(density) + " round " + std::to_string(round));
            check(layouts, density);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

TEST(CardWordsTest, CompactionMatchesAPlainStableCompaction) {
    forEachLayout(1, 300, [](Layouts& layouts, int density) {
        GameSession session;
        session.deck = layouts.pile(density);
        const auto expected = compactedByHand(session.deck.places());
        session.compactDeck();
        ASSERT_EQ(session.deck, expected);
    });
}

TEST(CardWordsTest, ACardGoesToTheFirstEmptyPlaceWhereverTheHolesAre) {
    forEachLayout(2, 300, [](Layouts& layouts, int density) {
        GameSession session;
        session.deck = layouts.pile(density);
        session.hands[3].fill(kEmptyCard);
        session.hands[3][0] = layouts.card();
        auto expected = session.deck.places();
        const int place = firstEmptyByHand(expected);
        if (place >= 0) expected[place] = session.hands[3][0];
        session.discardToDeck(3, 0);
        ASSERT_EQ(session.deck, expected);
        EXPECT_TRUE(session.hands[3][0].empty());
    });
}

TEST(CardWordsTest, LayingACardMatchesPlacingItThenCompactingAndSorting) {
    forEachLayout(3, 300, [](Layouts& layouts, int density) {
        GameSession session;
        session.deck = layouts.pile(density);
        const int seat = layouts.below(kSeats);
        session.hands[seat] = sortedByHand(layouts.hand(80));
        if (session.hands[seat][0].empty()) session.hands[seat][0] = layouts.card();
        const int held = session.cardsHeld(seat);
        const int slot = layouts.below(held);
        const Card laid = session.hands[seat][slot];

        auto pile = session.deck.places();
        const int place = firstEmptyByHand(pile);
        if (place >= 0) pile[place] = laid;
        Hand hand = session.hands[seat];
        hand[slot] = kEmptyCard;

        session.playToTrick(seat, slot);
        ASSERT_EQ(session.deck, compactedByHand(pile));
        ASSERT_EQ(session.hands[seat], sortedByHand(hand));
        EXPECT_EQ(session.trick[0], laid);
    });
}

TEST(CardWordsTest, SortingMatchesAStableSortHighestFirst) {
    forEachLayout(4, 500, [](Layouts& layouts, int density) {
        GameSession session;
        for (Hand& hand : session.hands) hand = layouts.hand(density);
        // Half of the hands start sorted: the quick check must let them be, and only them.
        for (int seat = 0; seat < kSeats; seat += 2) {
            session.hands[seat] = sortedByHand(session.hands[seat]);
        }
        auto expected = session.hands;
        for (Hand& hand : expected) hand = sortedByHand(hand);
        session.sortHands();
        ASSERT_EQ(session.hands, expected);
    });
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

TEST(CardWordsTest, CardsHeldCountsEveryPlaceWhateverTheOrder) {
    forEachLayout(5, 200, [](Layouts& layouts, int density) {
        GameSession session;
        session.hands[1] = layouts.hand(density);
        const auto expected = std::count_if(session.hands[1].begin(), session.hands[1].end(),
                                            [](Card c) { return !c.empty(); });
        ASSERT_EQ(session.cardsHeld(1), expected);
    });
}

// The display draws again only the places that changed. Whatever the hands went through, the
// pictures must end up as a full redraw would leave them.
TEST(CardWordsTest, HandPicturesAlwaysEndAsAFullRedrawLeavesThem) {
    Layouts layouts(6);
    MemorySurface surface;
    GameSession session;
    Tournament tournament;
    Database db;
    TableDisplay display(surface, session, tournament, db);
    const std::array<ControlId, kSeats> pictures{ControlId::Picture2, ControlId::Picture4,
                                                 ControlId::Picture3, ControlId::Picture8,
                                                 ControlId::Picture7, ControlId::Picture5};
    for (int round = 0; round < 400; ++round) {
        const int seat = layouts.below(kSeats);
        session.hands[seat] = layouts.hand(kDensities[layouts.below(7)]);
        if (layouts.below(2) == 0) display.showHand(seat);
        else display.showHands();
        for (int slot = 0; slot < kHandSlots; ++slot) {
            const Card card = session.hands[seat][slot];
            const Control picture{pictures[seat], slot};
            ASSERT_EQ(surface.visible(picture), !card.empty()) << seat << "/" << slot;
            if (card.empty()) continue;
            ASSERT_EQ(surface.picture(picture), seat == kHumanSeat ? cardPicture(card) : kCardBack)
                << seat << "/" << slot;
        }
    }
}

}  // namespace
}  // namespace zelvaro::tabletest
