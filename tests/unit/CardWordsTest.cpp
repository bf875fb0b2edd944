// The table's card moves read cards four at a time. These tests hold them to plain card-by-card
// versions over many random layouts: holes anywhere in the pile, hands in any order, equal
// values, empty places in the middle, the first and the last place. The pile's own scans are
// held to plain versions in tests/rules/CardWordsTest.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/GameSession.h"
#include "engine/display/TableDisplay.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "tests/rules/Layouts.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

using rulestest::compactedByHand;
using rulestest::firstEmptyByHand;
using rulestest::kDensities;
using rulestest::Layouts;

Hand sortedByHand(Hand hand) {
    std::stable_sort(hand.begin(), hand.end(), [](Card a, Card b) { return a.value > b.value; });
    return hand;
}

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
        if (layouts.below(2) == 0)
            display.showHand(seat);
        else
            display.showHands();
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
