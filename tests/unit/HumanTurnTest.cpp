// The human's clicks: marking cards for the change, the two change buttons and laying a
// card, with every click that must be ignored.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

#include "engine/display/TableLayout.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

std::map<std::pair<int, char>, int> multiset(const Hand& h) {
    std::map<std::pair<int, char>, int> m;
    for (const Card& c : h) {
        if (!c.empty()) ++m[{c.value, c.suit}];
    }
    return m;
}

class HumanTurnTest : public TableFixture {
protected:
    // A "Lenta" hand with the card change, the human leading and asked to decide.
    void openChangeQuestion() {
        startDealtHand(optionsWith("25 Punti", "Si", "No", "Lenta"), 0);
        tick();
        ASSERT_TRUE(surface.visible(ctl::Command1));
        ASSERT_TRUE(surface.visible(ctl::Command2));
        ASSERT_EQ(session.cardsHeld(0), 10);
    }

    // Play phase, the human on turn with a hand of its own choosing.
    void humanToPlay(std::initializer_list<int> values, int leader = 0) {
        startDealtHand(optionsWith("25 Punti", "No"), leader);
        session.clearTrick();
        session.turnseat = 0;
        setHand(0, values);
        display.showHands();
    }

    Hand humanHand() const { return session.hands[0]; }
};

TEST_F(HumanTurnTest, ClickIsIgnoredWhileAComputerSeatHoldsTheTurn) {
    openChangeQuestion();
    session.turnseat = 2;
    engine.cardClicked(0);
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape3));

    humanToPlay({12, 9, 5}, 3);
    session.turnseat = 3;
    engine.cardClicked(1);
    EXPECT_EQ(session.cardsHeld(0), 3);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
}

TEST_F(HumanTurnTest, AnEmptyPlaceCanNeitherBeMarkedNorLaid) {
    openChangeQuestion();
    engine.cardClicked(11);  // a "Lenta" hand fills places 0 to 9
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape3));

    humanToPlay({12, 9, 5});
    engine.cardClicked(7);
    EXPECT_EQ(session.cardsHeld(0), 3);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
    EXPECT_EQ(session.turnseat, 0);
}

TEST_F(HumanTurnTest, ClicksDuringTheChangeQuestionToggleTwoMarks) {
    openChangeQuestion();
    const Hand before = humanHand();
    engine.cardClicked(3);
    EXPECT_EQ(engine.markA(), 3);
    EXPECT_TRUE(surface.visible(ctl::Shape3));
    const int leftAtThree = surface.left(ctl::Shape3);
    engine.cardClicked(5);
    EXPECT_EQ(engine.markB(), 5);
    EXPECT_TRUE(surface.visible(ctl::Shape4));

    engine.cardClicked(7);  // a third card changes nothing
    EXPECT_EQ(engine.markA(), 3);
    EXPECT_EQ(engine.markB(), 5);

    engine.cardClicked(3);  // unmark A
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape3));
    EXPECT_EQ(engine.markB(), 5);

    engine.cardClicked(7);  // the freed mark is reused
    EXPECT_EQ(engine.markA(), 7);
    EXPECT_TRUE(surface.visible(ctl::Shape3));
    EXPECT_NE(surface.left(ctl::Shape3), leftAtThree);

    engine.cardClicked(5);  // unmark B
    EXPECT_EQ(engine.markB(), -1);
    EXPECT_FALSE(surface.visible(ctl::Shape4));
    engine.cardClicked(0);
    EXPECT_EQ(engine.markB(), 0);

    // Marking never lays a card.
    EXPECT_EQ(humanHand(), before);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
}

TEST_F(HumanTurnTest, ChangeWithOneMarkDoesNothing) {
    openChangeQuestion();
    const Hand before = humanHand();
    const auto pile = session.deck;
    engine.cardClicked(1);
    engine.changeClicked();
    EXPECT_EQ(humanHand(), before);
    EXPECT_EQ(session.deck, pile);
    EXPECT_TRUE(surface.visible(ctl::Command1));
    EXPECT_TRUE(surface.visible(ctl::Command2));
    EXPECT_EQ(engine.markA(), 1);
    EXPECT_EQ(session.changedecisions, 0);
    EXPECT_EQ(session.pulsanticambio, 0);
    EXPECT_EQ(session.turnseat, 0);
}

TEST_F(HumanTurnTest, AfterAChangeThePrizeAreaShowsTheNewTopOfThePile) {
    startDealtHand(optionsWith("25 Punti", "Si", "No", "Lenta", "2 Carte"), 0);
    tick();
    ASSERT_TRUE(surface.visible(ctl::Command1));
    const Card drawn = session.deck[0];
    ASSERT_EQ(surface.picture(ctl::Picture16), cardPicture(drawn));
    engine.cardClicked(0);
    engine.cardClicked(1);
    engine.changeClicked();
    // The old top card is in the human's hand now; the prize is the next two cards (and this
    // deal's next card differs from the one drawn, or the check would prove nothing).
    ASSERT_NE(session.deck[0], drawn);
    EXPECT_EQ(surface.picture(ctl::Picture16), cardPicture(session.deck[0]));
    EXPECT_EQ(surface.picture(ctl::Picture17), cardPicture(session.deck[1]));
}

TEST_F(HumanTurnTest, ChangeGivesUpTheTwoMarkedCardsAndTakesTheTopCard) {
    openChangeQuestion();
    const Hand before = humanHand();
    const Card top = session.deck[0];
    const Card next = session.deck[1];
    ASSERT_EQ(cardsInPile(session), 44);
    engine.cardClicked(6);  // mark A
    engine.cardClicked(2);  // mark B
    const Card atTwo = before[2];
    const Card atSix = before[6];
    session.tickcount = 7;
    engine.changeClicked();

    EXPECT_EQ(session.cardsHeld(0), 9);
    auto expected = multiset(before);
    if (--expected[{atTwo.value, atTwo.suit}] == 0) expected.erase({atTwo.value, atTwo.suit});
    if (--expected[{atSix.value, atSix.suit}] == 0) expected.erase({atSix.value, atSix.suit});
    ++expected[{top.value, top.suit}];
    EXPECT_EQ(multiset(humanHand()), expected);
    EXPECT_TRUE(handIsSorted(humanHand()));

    // Given up in slot order at the bottom of the pile; the next card is now on top.
    ASSERT_EQ(cardsInPile(session), 45);
    EXPECT_EQ(session.deck[43], atTwo);
    EXPECT_EQ(session.deck[44], atSix);
    EXPECT_EQ(session.deck[0], next);
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));

    EXPECT_FALSE(surface.visible(ctl::Command1));
    EXPECT_FALSE(surface.visible(ctl::Command2));
    EXPECT_FALSE(surface.visible(ctl::Shape3));
    EXPECT_FALSE(surface.visible(ctl::Shape4));
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_EQ(engine.markB(), -1);
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.pulsanticambio, 1);
    EXPECT_EQ(session.turnseat, 1);
    EXPECT_EQ(session.tickcount, 0);
}

TEST_F(HumanTurnTest, KeepHidesTheButtonsAndMovesOn) {
    openChangeQuestion();
    const Hand before = humanHand();
    engine.cardClicked(4);
    session.tickcount = 5;
    engine.keepClicked();
    EXPECT_EQ(humanHand(), before);
    EXPECT_FALSE(surface.visible(ctl::Command1));
    EXPECT_FALSE(surface.visible(ctl::Command2));
    EXPECT_FALSE(surface.visible(ctl::Shape3));
    EXPECT_EQ(engine.markA(), -1);
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.pulsanticambio, 1);
    EXPECT_EQ(session.turnseat, 1);
    EXPECT_EQ(session.tickcount, 0);

    // Answered once: the question does not come back in this hand.
    session.turnseat = 0;
    tick();
    EXPECT_FALSE(surface.visible(ctl::Command1));
}

TEST_F(HumanTurnTest, TheChangeDecisionCountsOnce) {
    openChangeQuestion();
    engine.keepClicked();
    session.turnseat = 0;
    engine.keepClicked();
    engine.cardClicked(0);
    engine.cardClicked(1);
    engine.changeClicked();
    EXPECT_EQ(session.changedecisions, 1);
    EXPECT_EQ(session.cardsHeld(0), 10);
}

TEST_F(HumanTurnTest, ClickBeforeTheChangePhaseEndsLaysNothing) {
    openChangeQuestion();
    engine.keepClicked();
    session.turnseat = 0;  // the change phase is still running: 1 of 6 decisions
    surface.setVisible(ctl::Label29, true);
    engine.cardClicked(9);
    EXPECT_EQ(session.cardsHeld(0), 10);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
    EXPECT_FALSE(surface.visible(ctl::Label29));
}

TEST_F(HumanTurnTest, ClickLaysTheCardOnTheTable) {
    humanToPlay({13, 9, 7, 4});
    const Card nine = session.hands[0][1];
    const int pileBefore = cardsInPile(session);
    surface.setVisible(ctl::Label29, true);
    session.tickcount = 9;
    engine.cardClicked(1);
    EXPECT_EQ(session.trick[0], nine);
    EXPECT_TRUE(surface.visible(ctl::Picture14));
    EXPECT_EQ(surface.picture(ctl::Picture14), cardPicture(nine));
    EXPECT_FALSE(surface.visible(ctl::Label29));
    EXPECT_EQ(session.cardsHeld(0), 3);
    EXPECT_EQ(session.hands[0][1].value, 7);
    EXPECT_FALSE(surface.visible(ctl::Picture2[3]));
    EXPECT_EQ(cardsInPile(session), pileBefore + 1);
    EXPECT_EQ(session.deck[pileBefore], nine);
    EXPECT_EQ(session.trickwinner, 0);
    EXPECT_TRUE(surface.visible(ctl::Shape6));
    EXPECT_EQ(session.turnseat, 1);
    EXPECT_EQ(session.tickcount, 0);
}

TEST_F(HumanTurnTest, SecondCardInTheSameTrickIsIgnored) {
    humanToPlay({13, 9, 7, 4});
    engine.cardClicked(2);
    session.turnseat = 0;
    engine.cardClicked(0);
    EXPECT_EQ(session.cardsHeld(0), 3);
    EXPECT_EQ(session.trick[0].value, 7);
    EXPECT_TRUE(session.trick[1].empty());
}

TEST_F(HumanTurnTest, LeadingAnAceIsRefusedWhileHoldingAnotherCard) {
    humanToPlay({14, 9, 5});
    engine.cardClicked(0);
    EXPECT_EQ(session.cardsHeld(0), 3);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_FALSE(surface.visible(ctl::Picture14));
    EXPECT_EQ(session.turnseat, 0);
    engine.cardClicked(1);
    EXPECT_EQ(session.trick[0].value, 9);
}

TEST_F(HumanTurnTest, LeadingAnAceIsAcceptedWithOnlyAces) {
    humanToPlay({14, 14});
    engine.cardClicked(0);
    EXPECT_EQ(session.trick[0].value, 14);
    EXPECT_EQ(session.cardsHeld(0), 1);
    EXPECT_TRUE(surface.visible(ctl::Picture14));
}

TEST_F(HumanTurnTest, AnAceMayFollowAnotherSeatsCard) {
    humanToPlay({14, 9, 5}, 4);
    setTrick({7, 8});  // seats 4 and 5
    session.turnseat = 0;
    engine.cardClicked(0);
    EXPECT_EQ(session.trick[2].value, 14);
    EXPECT_EQ(session.trickwinner, 0);
}

TEST_F(HumanTurnTest, EmptyPlaceCannotBeLaid) {
    humanToPlay({10, 6});
    engine.cardClicked(5);
    EXPECT_TRUE(session.trick[0].empty());
    EXPECT_EQ(session.cardsHeld(0), 2);
    EXPECT_FALSE(surface.visible(ctl::Picture14));
}

TEST_F(HumanTurnTest, SeatsWithoutCardsPassAfterTheHumansCard) {
    humanToPlay({10, 6});
    setHand(1, {});
    setHand(2, {});
    engine.cardClicked(0);
    EXPECT_EQ(session.trick[1].value, kPass);
    EXPECT_EQ(session.trick[2].value, kPass);
    EXPECT_TRUE(session.trick[3].empty());
    EXPECT_EQ(session.turnseat, 3);
}

TEST_F(HumanTurnTest, WithoutCardChangeTheLeadingHumanPlaysAtOnce) {
    startDealtHand(optionsWith("25 Punti", "No", "No", "Normale"), 0);
    EXPECT_FALSE(surface.visible(ctl::Command1));
    EXPECT_FALSE(surface.visible(ctl::Command2));
    EXPECT_EQ(session.changedecisions, 6);
    EXPECT_EQ(session.pulsanticambio, 1);
    EXPECT_EQ(surface.picture(ctl::Picture19), "immagini/Non Cambio Carte.jpg");
    tick();
    EXPECT_FALSE(surface.visible(ctl::Command1));
    EXPECT_FALSE(surface.visible(ctl::Command2));
    ASSERT_EQ(session.turnseat, 0);
    const int lowest = session.cardsHeld(0) - 1;
    const Card laid = session.hands[0][lowest];
    engine.cardClicked(lowest);
    EXPECT_EQ(session.trick[0], laid);
    EXPECT_EQ(session.cardsHeld(0), 7);
    EXPECT_TRUE(eachCardExactlyTwice(pileAndHandCounts(session)));
}

}  // namespace
}  // namespace zelvaro::tabletest

namespace zelvaro::tabletest {
namespace {

// Each refused click says why in the hint line, and only a refused click does; the player's
// prompt says when the turn is his and what he is to do.
TEST_F(HumanTurnTest, ARefusedClickSaysWhyAndALegalOneSaysNothing) {
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* hint;  // nullptr: no hint
    };
    const std::vector<Case> cases{
        {"an Ace led with other cards", [this] { humanToPlay({14, 9}); engine.cardClicked(0); },
         "Non puoi aprire con un Asso finché hai altre carte."},
        {"a card while another seat is on turn",
         [this] { humanToPlay({12, 9}, 3); session.turnseat = 3; engine.cardClicked(0); },
         "Non è il tuo turno."},
        {"a change with one card marked",
         [this] { openChangeQuestion(); engine.cardClicked(0); engine.changeClicked(); },
         "Segna due carte per cambiarle."},
        {"a legal card", [this] { humanToPlay({14, 9}); engine.cardClicked(1); }, nullptr},
        {"a change with two cards marked",
         [this] {
             openChangeQuestion();
             engine.cardClicked(0);
             engine.cardClicked(1);
             engine.changeClicked();
         },
         nullptr},
        {"keeping the hand", [this] { openChangeQuestion(); engine.keepClicked(); }, nullptr},
        {"a second card marked after the hint asked for two",
         [this] {
             openChangeQuestion();
             engine.cardClicked(0);
             engine.changeClicked();
             engine.cardClicked(1);
         },
         nullptr},
        {"a third card marked", [this] {
             openChangeQuestion();
             for (int slot : {0, 1, 2}) engine.cardClicked(slot);
         },
         "Si cambiano due carte: togline una per segnarne un'altra."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        display.aids().hideHint();
        c.act();
        EXPECT_EQ(surface.visible(ctl::TableHint), c.hint != nullptr);
        if (c.hint != nullptr) {
            EXPECT_EQ(surface.caption(ctl::TableHint), c.hint);
        }
    }
    // A legal move after a refused one takes the hint away.
    humanToPlay({14, 9});
    engine.cardClicked(0);
    ASSERT_TRUE(surface.visible(ctl::TableHint));
    engine.cardClicked(1);
    EXPECT_FALSE(surface.visible(ctl::TableHint));
}

TEST_F(HumanTurnTest, ThePromptAndTheLightFollowTheTurn) {
    openChangeQuestion();
    EXPECT_TRUE(surface.visible(ctl::TurnPrompt));
    EXPECT_EQ(surface.caption(ctl::TurnPrompt), "Tocca a te\nscegli il cambio");
    EXPECT_TRUE(surface.visible(ctl::TurnLight));
    EXPECT_EQ(surface.top(ctl::TurnLight), layout::twips(layout::kHumanPlate.y - layout::kSeatLightMargin));
    engine.keepClicked();
    // The turn has passed to seat 1: its panel is lit, the prompt is gone.
    EXPECT_FALSE(surface.visible(ctl::TurnPrompt));
    const layout::Point panel = layout::kSeatPanel[session.turnseat];
    EXPECT_EQ(surface.left(ctl::TurnLight), layout::twips(panel.x - layout::kSeatLightMargin));
    EXPECT_EQ(surface.height(ctl::TurnLight),
              layout::twips(layout::kSeatPanelHeight + 2 * layout::kSeatLightMargin));

    humanToPlay({12, 9});
    tick();
    EXPECT_EQ(surface.caption(ctl::TurnPrompt), "Tocca a te\ngioca una carta");
    engine.cardClicked(0);
    EXPECT_FALSE(surface.visible(ctl::TurnPrompt));
}

}  // namespace
}  // namespace zelvaro::tabletest
