// The table fixture of the human's-click tests: the change question opened, a hand to play.
#pragma once

#include <initializer_list>

#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {

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

}  // namespace zelvaro::tabletest
