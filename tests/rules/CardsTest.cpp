// A card's picture and the two ways the game turns fractions into whole numbers.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "rules/Card.h"
#include "rules/Rounding.h"

namespace zelvaro::rulestest {
namespace {

TEST(CardPictureTest, EachFaceHasItsPictureAndAnythingElseTheEmptyPlace) {
    const std::vector<std::pair<Card, std::string>> rows{
        {Card{14, 'c'}, "carte/14 c.jpg"}, {Card{2, 'p'}, "carte/2 p.jpg"},
        {Card{10, 'm'}, "carte/10 m.jpg"}, {Card{11, 'f'}, "carte/11 f.jpg"},
        {kEmptyCard, "carte/0 o.jpg"},     {Card{kPass, kNoSuit}, "carte/0 o.jpg"},
        {Card{9, 'x'}, "carte/0 o.jpg"},  // a suit that is none of the four
    };
    for (const auto& [card, picture] : rows) EXPECT_EQ(cardPicture(card), picture);
    EXPECT_EQ(kCardBack, "carte/retro.jpg");
}

TEST(RoundingTest, HalvesGoToTheEvenNeighbourAndIntRoundsDown) {
    struct Row {
        double x;
        std::int64_t halfEven;
        std::int64_t floor;
    };
    const std::vector<Row> rows{
        {16.5, 16, 16}, {17.5, 18, 17},  {2.5, 2, 2},    {3.5, 4, 3},       {99.5, 100, 99},
        {-0.5, 0, -1},  {-1.5, -2, -2},  {-2.5, -2, -3}, {-13.5, -14, -14}, {0.49, 0, 0},
        {0.51, 1, 0},   {-0.51, -1, -1}, {-0.1, 0, -1},  {2.9, 3, 2},       {0.999999, 1, 0},
        {7.0, 7, 7},    {2.0, 2, 2},     {-3.0, -3, -3},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(roundHalfEven(row.x), row.halfEven) << row.x;
        EXPECT_EQ(intFloor(row.x), row.floor) << row.x;
    }
}

}  // namespace
}  // namespace zelvaro::rulestest
