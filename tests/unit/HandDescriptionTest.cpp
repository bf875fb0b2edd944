// The player's cards named for a screen reader: each card's Italian name, set on its place
// as the table shows it, and set again on a window put back from a saved game.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/GameSession.h"
#include "engine/display/TableDisplay.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "rules/Card.h"
#include "store/Database.h"

namespace zelvaro {
namespace {

TEST(HandDescriptionTest, EveryCardHasItsOwnName) {
    const struct {
        Card card;
        const char* name;
    } rows[] = {{Card(14, 'c'), "Asso di cuori"},
                {Card(10, 'p'), "Dieci di picche"},
                {Card(13, 'm'), "Re di quadri"},
                {Card(2, 'f'), "Due di fiori"},
                {Card(11, 'c'), "Fante di cuori"},
                {Card(12, 'p'), "Donna di picche"},
                {kEmptyCard, ""},
                {Card(kPass, kNoSuit), ""},
                {Card(15, 'c'), ""},
                {Card(9, 'x'), ""}};
    for (const auto& row : rows) EXPECT_EQ(cardName(row.card), row.name) << row.name;
    std::set<std::string> names;
    for (int value = 2; value <= kAce; ++value) {
        for (const char suit : {'c', 'm', 'f', 'p'}) names.insert(cardName(Card(value, suit)));
    }
    EXPECT_EQ(names.size(), 52U);
}

TEST(HandDescriptionTest, ThePlacesAreNamedAsTheTableShowsThem) {
    MemorySurface surface;
    GameSession session;
    Tournament tournament;
    Database db;
    TableDisplay display(surface, session, tournament, db);
    Hand& hand = session.hands[kHumanSeat];
    const auto expectNamed = [&](const char* when) {
        for (int i = 0; i < kHandSlots; ++i) {
            EXPECT_EQ(surface.description(ctl::Picture2[i]),
                      hand[i].empty() ? "" : cardName(hand[i]))
                << when << " " << i;
        }
    };
    for (int i = 0; i < 6; ++i) hand[i] = Card(14 - i, "cmfp"[i % 4]);
    display.showHands();
    expectNamed("dealt");
    // A card laid: the hand closes up and the last place empties.
    for (int i = 2; i < 5; ++i) hand[i] = hand[i + 1];
    hand[5] = kEmptyCard;
    display.showHand(kHumanSeat);
    expectNamed("laid");
    // A window put back from a saved game knows no names until the display gives them.
    for (int i = 0; i < kHandSlots; ++i) surface.setDescription(ctl::Picture2[i], "");
    display.forgetShown();
    expectNamed("put back");
}

}  // namespace
}  // namespace zelvaro
