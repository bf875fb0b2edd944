// Which cards a seat may lay: every card it holds, but no Ace to lead while it holds anything
// else; never an empty place.
#include <gtest/gtest.h>

#include <vector>

#include "rules/LayRule.h"
#include "tests/rules/Cards.h"

namespace zelvaro::rulestest {
namespace {

struct LayRow {
    const char* name;
    Hand cards;
    Trick table;
    std::vector<int> allowed;  // the slots that may be laid, in order
};

TEST(LayRuleTest, EachHandOnEachTrickAllowsExactlyItsSlots) {
    const std::vector<LayRow> rows{
        {"leading, the Ace waits while another card is held", hand({14, 9, 4}), trick({}), {1, 2}},
        {"leading with Aces only, any of them", hand({14, 14}), trick({}), {0, 1}},
        {"leading, two Aces and one other card", hand({14, 14, 2}), trick({}), {2}},
        {"following, the Ace may be laid", hand({14, 9, 4}), trick({5}), {0, 1, 2}},
        {"after a pass the trick is no longer empty", hand({14, 3}), trick({15}), {0, 1}},
        {"empty places are never laid", hand({12, 0, 7}), trick({}), {0, 2}},
        {"an empty hand lays nothing", hand({}), trick({3}), {}},
    };
    for (const LayRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<int> allowed;
        for (int slot = -1; slot <= kHandSlots; ++slot) {
            if (mayLay(row.cards, slot, row.table)) allowed.push_back(slot);
        }
        EXPECT_EQ(allowed, row.allowed);
    }
}

TEST(LayRuleTest, ATrickIsEmptyUntilAPlaceHoldsACardOrAPass) {
    EXPECT_TRUE(trickIsEmpty(trick({})));
    EXPECT_FALSE(trickIsEmpty(trick({15})));
    EXPECT_FALSE(trickIsEmpty(trick({0, 0, 0, 0, 0, 2})));
}

}  // namespace
}  // namespace zelvaro::rulestest
