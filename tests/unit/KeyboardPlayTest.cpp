// The table played from the keyboard, headless: which control each key clicks and when, the
// outline over the held cards, and whole hands played by keys through the application, where
// a refused key says why as the click does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/KeyboardPlay.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

// The keys alone over a table laid out by hand; the clicks are noted instead of played.
class KeysOnTheTable : public ::testing::Test {
protected:
    KeysOnTheTable() {
        surface.setVisible(ctl::Picture1, true);
        hold({1, 2, 4, 7, 8});
    }
    // The player holds cards at `places` only, each shown.
    void hold(const std::vector<int>& places) {
        for (int i = 0; i < kHandSlots; ++i) {
            session.hands[kHumanSeat][i] = kEmptyCard;
            surface.setVisible(ctl::Picture2[i], false);
        }
        for (const int i : places) {
            session.hands[kHumanSeat][i] = Card(14 - i, 'f');
            surface.setVisible(ctl::Picture2[i], true);
        }
    }
    // The control the key clicked, none when it clicked nothing.
    std::optional<Control> clickOf(GameKey key, bool used = true) {
        clicks.clear();
        EXPECT_EQ(keys.press(key), used);
        EXPECT_LE(clicks.size(), 1U);
        return clicks.empty() ? std::nullopt : std::optional<Control>(clicks.front());
    }

    MemorySurface surface;
    GameSession session;
    std::vector<Control> clicks;
    KeyboardPlay keys{surface, session, [this](Control c) { clicks.push_back(c); }};
};

TEST_F(KeysOnTheTable, ButtonKeysClickTheirControlOnlyWhileItIsOffered) {
    const struct {
        const char* name;
        GameKey key;
        Control control;
        Control panel;  // where the control stands
    } rows[] = {{"C", GameKey::Change, ctl::Command1, ctl::Picture1},
                {"N", GameKey::Keep, ctl::Command2, ctl::Picture1},
                {"F", GameKey::FastForward, ctl::TableFastForward, ctl::Picture1},
                {"F waiting", GameKey::FastForward, ctl::WaitFastForward, ctl::Frame6},
                {"Esc", GameKey::Back, ctl::Label18, ctl::Picture1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        surface.setVisible(row.panel, true);
        surface.setVisible(row.control, false);
        EXPECT_EQ(clickOf(row.key, false), std::nullopt);
        surface.setVisible(row.control, true);
        EXPECT_EQ(clickOf(row.key), row.control);
        surface.setEnabled(row.control, false);
        EXPECT_EQ(clickOf(row.key, false), std::nullopt);
        surface.setEnabled(row.control, true);
        // While the window takes no input only the waiting notice, which stands outside it,
        // answers.
        surface.setWindowEnabled(false);
        const bool outside = row.panel == ctl::Frame6;
        EXPECT_EQ(clickOf(row.key, outside),
                  outside ? std::optional<Control>(row.control) : std::nullopt);
        surface.setWindowEnabled(true);
        surface.setVisible(row.panel, false);
        EXPECT_EQ(clickOf(row.key, false), std::nullopt);
        surface.setVisible(row.control, false);
        surface.setVisible(ctl::Picture1, true);
    }
    // Both "Avanti veloce" shown: the waiting notice's, which lies over the table.
    for (Control c : {ctl::Frame6, ctl::TableFastForward, ctl::WaitFastForward})
        surface.setVisible(c, true);
    EXPECT_EQ(clickOf(GameKey::FastForward), ctl::WaitFastForward);
}

TEST_F(KeysOnTheTable, DigitsLayTheNthHeldCardAndThoseBeyondDoNothing) {
    const std::vector<int> held{1, 2, 4, 7, 8};
    ASSERT_EQ(keys.heldPlaces(), held);
    for (int nth = 0; nth < 10; ++nth) {
        SCOPED_TRACE(nth);
        const int before = keys.outlinedPlace();
        const std::optional<Control> clicked = clickOf(cardKey(nth));
        if (nth < static_cast<int>(held.size())) {
            EXPECT_EQ(clicked, ctl::Picture2[held[nth]]);
            EXPECT_EQ(keys.outlinedPlace(), held[nth]);
        } else {
            EXPECT_EQ(clicked, std::nullopt);
            EXPECT_EQ(keys.outlinedPlace(), before);
        }
    }
}

TEST_F(KeysOnTheTable, ArrowsGoRoundTheHeldCardsAndLayTakesTheOutlinedOne) {
    // The first Space shows the outline on the first card; the next lays it.
    EXPECT_EQ(clickOf(GameKey::Lay), std::nullopt);
    EXPECT_EQ(keys.outlinedPlace(), 1);
    EXPECT_EQ(clickOf(GameKey::Lay), ctl::Picture2[1]);
    const struct {
        GameKey key;
        int place;
    } steps[] = {{GameKey::Left, 8},  {GameKey::Left, 7},  {GameKey::Right, 8},
                 {GameKey::Right, 1}, {GameKey::Right, 2}, {GameKey::Right, 4}};
    for (const auto& step : steps) {
        EXPECT_EQ(clickOf(step.key), std::nullopt);
        EXPECT_EQ(keys.outlinedPlace(), step.place);
    }
    EXPECT_EQ(clickOf(GameKey::Lay), ctl::Picture2[4]);
}

TEST_F(KeysOnTheTable, TheOutlineFollowsTheCardsAsTheyGo) {
    EXPECT_EQ(keys.outlinedPlace(), -1);  // no key yet
    clickOf(cardKey(2));
    ASSERT_EQ(keys.outlinedPlace(), 4);
    const struct {
        std::vector<int> held;
        int outlined;
    } steps[] = {{{1, 2, 7, 8}, 7},         // its card laid: the next one held
                 {{1, 2, 4, 7, 8}, 7},      // it stays there when a card comes back before it
                 {{1, 2}, 2},               // the cards after it gone: the last one
                 {{}, -1},                  // none held: no outline
                 {{0, 1, 2, 3, 4, 5}, 2}};  // the next hand: where it was
    for (const auto& step : steps) {
        hold(step.held);
        keys.followHand();
        EXPECT_EQ(keys.outlinedPlace(), step.outlined) << step.held.size();
    }
    // Off the table there is nothing to frame.
    surface.setVisible(ctl::Picture1, false);
    EXPECT_EQ(keys.outlinedPlace(), -1);
}

TEST_F(KeysOnTheTable, KeysActOnlyWhereTheirControlsAre) {
    surface.setVisible(ctl::Command1, true);
    surface.setVisible(ctl::Picture1, false);
    const struct {
        const char* name;
        Control shown;  // Form1: the bare menu
        bool rulesOpen;
    } screens[] = {{"menu", ctl::Form1, true},
                   {"options", ctl::Frame1, false},
                   {"standings", ctl::Picture27, false},
                   {"table", ctl::Picture1, false}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.name);
        if (!(screen.shown == ctl::Form1)) surface.setVisible(screen.shown, true);
        // A panel over the menu takes its entries away.
        surface.setEnabled(ctl::Label15, !(screen.shown == ctl::Frame1));
        const bool table = screen.shown == ctl::Picture1;
        EXPECT_EQ(clickOf(GameKey::Rules, screen.rulesOpen),
                  screen.rulesOpen ? std::optional<Control>(ctl::Label15) : std::nullopt);
        EXPECT_EQ(clickOf(cardKey(0), table),
                  table ? std::optional<Control>(ctl::Picture2[1]) : std::nullopt);
        EXPECT_EQ(clickOf(GameKey::Change, table),
                  table ? std::optional<Control>(ctl::Command1) : std::nullopt);
        if (!(screen.shown == ctl::Form1)) surface.setVisible(screen.shown, false);
    }
}

// The application with a single game of "Chips" and the card change on, for a whole suite.
class KeysThroughTheGame : public ::testing::Test {
protected:
    struct Program {
        explicit Program(const fs::path& folder) : app(surface, folder) {
            if (!app.startUp()) throw std::runtime_error("the game did not start");
        }
        MemorySurface surface;
        ZelvaroApp app;
    };
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        program_ = new Program(folder_->path());
        Database& db = program_->app.database();
        db.appendRow("giocatori", {{"cognome", "Tasti"},
                                   {"nome", "Ada"},
                                   {"nazionalita", "Italia"},
                                   {"anno", 1990},
                                   {"profilo", "1"},
                                   {"cambiocarte", "0"},
                                   {"aggressivita", "0"}});
        db.execute("UPDATE opzioni SET punteggio='Chips'");
        db.execute("UPDATE opzioni SET cambiocarte='Si'");
    }
    static void TearDownTestSuite() {
        delete program_;
        delete folder_;
    }
    static MemorySurface& surface() { return program_->surface; }
    static ZelvaroApp& app() { return program_->app; }
    static const Hand& hand() { return app().session().hands[kHumanSeat]; }

    // The player's cards on the table, left to right.
    static std::vector<Card> heldCards() {
        std::vector<Card> cards;
        for (int i = 0; i < kHandSlots; ++i) {
            if (surface().visible(ctl::Picture2[i]) && hand()[i].isReal())
                cards.push_back(hand()[i]);
        }
        return cards;
    }
    static Card outlinedCard() {
        const int place = app().outlinedPlace();
        return place < 0 ? kEmptyCard : hand()[place];
    }
    static void tick() {
        if (surface().enabled(ctl::Timer1)) app().timerTick(ctl::Timer1);
    }
    // A single game on the table, unless one is there already.
    static void startGame() {
        if (surface().visible(ctl::Picture1)) return;
        app().click(ctl::Label2);
        app().click(ctl::Label21);
    }
    // Every card of the hand is named for a screen reader as it is; an empty place says nothing.
    static void expectHandNamed() {
        for (int i = 0; i < kHandSlots; ++i) {
            EXPECT_EQ(surface().description(ctl::Picture2[i]), cardName(hand()[i])) << i;
        }
    }

    static TempFolder* folder_;
    static Program* program_;
};

TempFolder* KeysThroughTheGame::folder_ = nullptr;
KeysThroughTheGame::Program* KeysThroughTheGame::program_ = nullptr;

TEST_F(KeysThroughTheGame, WholeHandsArePlayedByKeysAndTheOutlineFollowsTheCards) {
    startGame();
    ASSERT_TRUE(surface().visible(ctl::Picture1));
    const GameSession& session = app().session();
    struct {
        int changes = 0, laidByDigit = 0, laidByArrows = 0, refusedOutOfTurn = 0;
    } seen;
    const long firstHand = app().engine().handsPlayed();
    for (long ticks = 0; app().engine().handsPlayed() < firstHand + 3 && ticks < 200'000; ++ticks) {
        const bool mine = session.turnseat == kHumanSeat;
        const std::vector<Card> held = heldCards();
        if (mine && surface().visible(ctl::Command1) && seen.changes == 0) {
            // Two cards marked with the arrows and Space, a mark set and taken off by digit.
            for (GameKey key : {GameKey::Card1, GameKey::Card1, GameKey::Right, GameKey::Lay,
                                GameKey::Right, GameKey::Lay}) {
                EXPECT_TRUE(app().keyPressed(key));
            }
            EXPECT_TRUE(surface().visible(ctl::Shape3) && surface().visible(ctl::Shape4));
            EXPECT_TRUE(app().keyPressed(GameKey::Change));
            EXPECT_FALSE(surface().visible(ctl::Command1));
            ++seen.changes;
        } else if (mine && surface().visible(ctl::Command1)) {
            EXPECT_TRUE(app().keyPressed(GameKey::Keep));
            EXPECT_FALSE(surface().visible(ctl::Command1));
        } else if (mine && session.changedecisions == 6 && !surface().visible(ctl::Picture14) &&
                   !held.empty()) {
            // A digit past the cards held does nothing.
            if (held.size() < 10) {
                EXPECT_TRUE(app().keyPressed(cardKey(static_cast<int>(held.size()))));
                ASSERT_EQ(heldCards(), held);
            }
            // The first card by digit on even hands, by arrows and Enter on odd ones; an ace
            // that may not open is passed over with Right.
            const bool byDigit = (app().engine().handsPlayed() - firstHand) % 2 == 0;
            Card laid = kEmptyCard;
            if (byDigit) {
                laid = held.front();
                app().keyPressed(GameKey::Card1);
            }
            for (int tries = 0; heldCards().size() == held.size() && tries < 13; ++tries) {
                app().keyPressed(GameKey::Right);
                laid = outlinedCard();
                app().keyPressed(GameKey::Lay);
            }
            ASSERT_EQ(heldCards().size(), held.size() - 1);
            (byDigit && laid == held.front() ? seen.laidByDigit : seen.laidByArrows) += 1;
            // The outline goes to the card after the one laid, or to the new last one.
            const auto at = std::find(held.begin(), held.end(), laid) - held.begin();
            ASSERT_LT(at, static_cast<long>(held.size()));
            if (held.size() == 1) {
                EXPECT_EQ(app().outlinedPlace(), -1);
            } else {
                const std::size_t next =
                    static_cast<std::size_t>(at) + 1 < held.size() ? at + 1 : at - 1;
                EXPECT_EQ(outlinedCard(), held[next]);
            }
        } else if (!mine && !held.empty() && seen.refusedOutOfTurn == 0) {
            EXPECT_TRUE(app().keyPressed(GameKey::Card1));
            EXPECT_EQ(heldCards(), held);
            EXPECT_TRUE(surface().visible(ctl::TableHint));
            EXPECT_EQ(surface().caption(ctl::TableHint), "Non è il tuo turno.");
            ++seen.refusedOutOfTurn;
        }
        expectHandNamed();
        tick();
    }
    EXPECT_GE(app().engine().handsPlayed(), firstHand + 3);
    EXPECT_EQ(seen.changes, 1);
    EXPECT_GT(seen.laidByDigit, 0);
    EXPECT_GT(seen.laidByArrows, 0);
    EXPECT_EQ(seen.refusedOutOfTurn, 1);
}

// The names of the cards are the window's, not the saved game's: a continued game names its
// hand again.
TEST_F(KeysThroughTheGame, AContinuedGameNamesItsHandAgain) {
    startGame();
    // On to a hand that has started, which is what a saved game holds.
    for (long ticks = 0; app().engine().handsPlayed() == 0 && ticks < 200'000; ++ticks) {
        if (surface().visible(ctl::Command2)) app().keyPressed(GameKey::Keep);
        if (app().session().turnseat == kHumanSeat && !heldCards().empty()) {
            app().keyPressed(GameKey::Right);
            app().keyPressed(GameKey::Lay);
        }
        tick();
    }
    ASSERT_GT(app().engine().handsPlayed(), 0);
    ASSERT_TRUE(surface().visible(ctl::Picture1));
    app().shutDown();
    delete program_;
    program_ = nullptr;
    program_ = new Program(folder_->path());
    ASSERT_TRUE(surface().visible(ctl::ContinueEntry));
    app().click(ctl::ContinueEntry);
    ASSERT_TRUE(surface().visible(ctl::Picture1));
    ASSERT_TRUE(app().session().holdsCards(kHumanSeat));
    EXPECT_FALSE(surface().description(ctl::Picture2[0]).empty());
    expectHandNamed();
}

}  // namespace
}  // namespace zelvaro
