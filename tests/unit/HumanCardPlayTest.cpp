// The human laying a card, a refused click's hint and the prompt that follows the turn.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/display/TableLayout.h"
#include "tests/unit/HumanTurnFixture.h"

namespace zelvaro::tabletest {
namespace {

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

// Each refused click says why in the hint line, and only a refused click does; the player's
// prompt says when the turn is his and what he is to do.
TEST_F(HumanTurnTest, ARefusedClickSaysWhyAndALegalOneSaysNothing) {
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* hint;  // nullptr: no hint
    };
    const std::vector<Case> cases{
        {"an Ace led with other cards",
         [this] {
             humanToPlay({14, 9});
             engine.cardClicked(0);
         },
         "Non puoi aprire con un Asso finché hai altre carte."},
        {"a card while another seat is on turn",
         [this] {
             humanToPlay({12, 9}, 3);
             session.turnseat = 3;
             engine.cardClicked(0);
         },
         "Non è il tuo turno."},
        {"a change with one card marked",
         [this] {
             openChangeQuestion();
             engine.cardClicked(0);
             engine.changeClicked();
         },
         "Segna due carte per cambiarle."},
        {"a legal card",
         [this] {
             humanToPlay({14, 9});
             engine.cardClicked(1);
         },
         nullptr},
        {"a change with two cards marked",
         [this] {
             openChangeQuestion();
             engine.cardClicked(0);
             engine.cardClicked(1);
             engine.changeClicked();
         },
         nullptr},
        {"keeping the hand",
         [this] {
             openChangeQuestion();
             engine.keepClicked();
         },
         nullptr},
        {"a second card marked after the hint asked for two",
         [this] {
             openChangeQuestion();
             engine.cardClicked(0);
             engine.changeClicked();
             engine.cardClicked(1);
         },
         nullptr},
        {"a third card marked",
         [this] {
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
    EXPECT_EQ(surface.top(ctl::TurnLight),
              layout::twips(layout::kHumanPlate.y - layout::kSeatLightMargin));
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
