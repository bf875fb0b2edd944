// The table fixture of the hand's-end tests: a match started, a hand ended, the end checked.
#pragma once

#include <string>

#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {

class MatchEndTest : public TableFixture {
protected:
    void startMatch(const std::string& punteggio, const std::string& gamemode = "Partita") {
        session.gamemode = gamemode;
        MatchOptions o = optionsWith(punteggio);
        o.limite = storedLimit;
        startDealtHand(o, 0);
        surface.setVisible(ctl::Picture1, true);
    }

    // The hand ends with `holder` alone holding `cards` cards.
    void endHandWith(int holder, int cards) {
        emptyAllHands();
        for (int i = 0; i < cards; ++i) session.hands[holder][i] = cardOf(13 - i, i);
        engine.endHand();
    }

    void storeLimit(const std::string& limite) {
        storedLimit = limite;
        db.execute("UPDATE opzioni SET limite='" + limite + "'");
    }

    bool nextHandDealt() {
        if (!surface.enabled(ctl::Timer1)) return false;
        for (int seat = 0; seat < kSeats; ++seat) {
            if (session.cardsHeld(seat) != 8) return false;
        }
        return true;
    }

    void expectWinnerMessage(const std::string& name) {
        ASSERT_EQ(surface.messages().size(), 1u);
        EXPECT_EQ(surface.messages()[0].text, "Partita terminata\nIl vincitore e' " + name);
        EXPECT_EQ(surface.messages()[0].title, "Zelvaro");
        EXPECT_EQ(surface.messages()[0].buttons, MessageButtons::Ok);
        EXPECT_FALSE(surface.visible(ctl::Picture1));
        EXPECT_FALSE(surface.enabled(ctl::Timer1));
        EXPECT_TRUE(engine.matchOver());
    }

    void expectMatchGoesOn() {
        EXPECT_TRUE(surface.messages().empty());
        EXPECT_TRUE(surface.visible(ctl::Picture1));
        EXPECT_FALSE(surface.visible(ctl::Frame6));
        EXPECT_TRUE(nextHandDealt());
        EXPECT_FALSE(engine.matchOver());
    }

    void expectTournamentTableDone() {
        EXPECT_TRUE(surface.messages().empty());
        EXPECT_TRUE(surface.visible(ctl::Frame6));
        EXPECT_FALSE(surface.windowEnabled());
        EXPECT_FALSE(surface.enabled(ctl::Timer1));
        EXPECT_TRUE(engine.matchOver());
    }

    std::string storedLimit = "Senza Limite";
};

}  // namespace zelvaro::tabletest
