// Hundreds of whole single games, headless, across every game type and option: after every
// tick no card is lost or doubled, every trick completes, every match ends (Chips aside),
// and the scores only ever move the way the game type says.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <sstream>
#include <string>
#include <tuple>

#include "front/GameStart.h"
#include "front/ProfilePanel.h"
#include "tests/unit/MatchSoakChecks.h"

namespace zelvaro::tabletest {
namespace {

const std::array<const char*, 13> kGameTypes{
    "Partita Singola", "25 Punti",    "50 Punti",        "100 Punti",       "3 Vinte",
    "5 Vinte",         "Chips",       "Eliminazione 25", "Eliminazione 50", "Eliminazione 100",
    "Piatto 500",      "Piatto 1000", "Piatto 2000"};
const std::array<const char*, 3> kSpeeds{"Lenta", "Normale", "Turbo"};
const std::array<const char*, 2> kYesNo{"Si", "No"};
const std::array<const char*, 3> kPrizes{"Nascosto", "1 Carta", "2 Carte"};

constexpr int kGames = 208;      // 16 games of each type
constexpr int kChipsHands = 12;  // a Chips match never ends: stop after this many
constexpr int kMaxHandsPerGame = 400;
// A two-seat endgame can swing back and forth for a long time (a seat that would lead its Ace
// lays its lowest other card instead and loses the lead); the longest hands of this run take
// some 14,000 ticks. A hand that outlasts this bound is taken as hung.
constexpr int kMaxTicksPerHand = 100000;

Kind kindOf(const std::string& type) {
    if (type == "Partita Singola") return Kind::Single;
    if (type == "Chips") return Kind::Chips;
    if (type == "3 Vinte" || type == "5 Vinte") return Kind::Wins;
    if (type.rfind("Eliminazione", 0) == 0) return Kind::Elimination;
    if (type.rfind("Piatto", 0) == 0) return Kind::Pot;
    return Kind::Points;
}

// The score a seat must pass to win, by game type.
int goalOf(const std::string& type) {
    for (const auto& [name, goal] :
         std::initializer_list<std::pair<const char*, int>>{{"25 Punti", 24},
                                                            {"50 Punti", 49},
                                                            {"100 Punti", 99},
                                                            {"Eliminazione 25", 24},
                                                            {"Eliminazione 50", 49},
                                                            {"Eliminazione 100", 99},
                                                            {"Piatto 500", 499},
                                                            {"Piatto 1000", 999},
                                                            {"Piatto 2000", 1999}}) {
        if (type == name) return goal;
    }
    return 0;
}

class MatchSoakTest : public MatchSoakChecks {
protected:
    MatchSoakTest()
        : profiles(surface, db),
          start(surface, db, random, session, tournament, profiles, display, engine) {}

    // What a move changes: the cards held and laid, the seat on turn, the change decisions,
    // the scores and the pot.
    auto tableState() const {
        return std::tuple(session.hands, session.trick, session.turnseat, session.changedecisions,
                          scores(), session.pot);
    }

    // Seat 0's moves: answer the change question alternately by keeping and by giving up
    // the two lowest cards; lay the lowest card that the rules accept.
    void humanMoves(const std::string& where) {
        if (session.turnseat != 0) return;
        if (surface.visible(ctl::Command1)) {
            const int held = session.cardsHeld(0);
            const int decisions = session.changedecisions;
            if (changeNext) {
                engine.cardClicked(held - 1);
                engine.cardClicked(held - 2);
                ASSERT_EQ(engine.markA(), held - 1) << where;
                ASSERT_EQ(engine.markB(), held - 2) << where;
                engine.changeClicked();
                ASSERT_EQ(session.cardsHeld(0), held - 1) << where;
            } else {
                engine.keepClicked();
                ASSERT_EQ(session.cardsHeld(0), held) << where;
            }
            changeNext = !changeNext;
            ASSERT_EQ(session.changedecisions, decisions + 1) << where;
            ASSERT_FALSE(surface.visible(ctl::Command1)) << where;
            ASSERT_FALSE(surface.visible(ctl::Command2)) << where;
            ASSERT_EQ(session.pulsanticambio, 1) << where;
            ++humanChanges;
            return;
        }
        if (session.changedecisions != 6 || !session.holdsCards(0)) return;
        if (surface.visible(ctl::Picture14)) return;  // already laid in this trick
        const int held = session.cardsHeld(0);
        for (int slot = held - 1; slot >= 0; --slot) {
            engine.cardClicked(slot);
            if (session.cardsHeld(0) == held - 1) {
                ++humanCards;
                ASSERT_TRUE(surface.visible(ctl::Picture14)) << where;
                return;
            }
            ASSERT_EQ(session.cardsHeld(0), held) << where;
        }
        FAIL() << where << " the human could lay none of " << held << " cards";
    }

    // Plays one whole game; returns the number of hands played.
    int playGame(int game, const MatchOptions& options) {
        const std::string where0 = "game " + std::to_string(game) + " (" + options.punteggio +
                                   ", " + options.tipopartita + ", change " + options.cambiocarte +
                                   ", 2>A " + options.duesuperaasso + ", " + options.premio + ")";
        storeOptions(db, options);
        surface.clearMessages();
        start.openProfilePanel();  // the one user profile, Rossi Mario, is shown
        tournament.tournamentflag = 0;
        start.confirmProfile();
        EXPECT_TRUE(surface.enabled(ctl::Timer1)) << where0;
        EXPECT_TRUE(surface.visible(ctl::Picture1)) << where0;
        EXPECT_EQ(session.options.punteggio, options.punteggio);
        checkTable(where0 + " at the deal");
        EXPECT_FALSE(surface.visible(ctl::HandResultLine))
            << where0 << ": the last match's hand line stayed";

        const Kind kind = kindOf(options.punteggio);
        const int goal = goalOf(options.punteggio);
        const int target = options.punteggio == "3 Vinte" ? 3 : 5;
        int hands = 0;
        int ticksThisHand = 0;
        auto handStart = scores();
        const int stopsAtStart = surface.timer1Stops;

        for (;;) {
            const std::string where = where0 + " hand " + std::to_string(hands + 1);
            const auto before = scores();
            const Trick trickBefore = session.trick;
            const int leaderBefore = session.trickleader;
            const bool trickFull = !trickBefore[5].empty();

            if (trickFull) checkFullTrickHeld(where, trickBefore, leaderBefore);
            const auto tableBefore = tableState();
            const bool moved = engine.tableTick();
            ++ticksThisHand;
            // The window keeps and redraws nothing after a tick that reports no move: such a
            // tick must have changed nothing of the game but its pause.
            EXPECT_EQ(moved, tableState() != tableBefore) << where;
            if (::testing::Test::HasFatalFailure()) return hands;
            checkTable(where);
            checkDisplay(where);
            if (::testing::Test::HasFatalFailure()) return hands;

            const auto after = scores();
            const bool handEnded = surface.timer1Stops != stopsAtStart + hands;
            if (trickFull) {
                for (const Card& c : session.trick) {
                    EXPECT_TRUE(c.empty()) << where << ": a full trick was not resolved";
                }
                checkLastTrick(where, trickBefore, leaderBefore);
            }

            // Scores move only as the game type says.
            if (kind == Kind::Pot) {
                std::array<int, 6> expected = before;
                if (trickFull) {
                    int pot = 0, top = 0, winners = 0;
                    for (const Card& c : trickBefore) {
                        if (!c.isReal()) continue;
                        pot += c.value;
                        if (c.value > top) {
                            top = c.value;
                            winners = 1;
                        } else if (c.value == top) {
                            ++winners;
                        }
                    }
                    const int share =
                        winners == 0
                            ? 0
                            : static_cast<int>(std::nearbyint(static_cast<double>(pot) / winners));
                    for (int k = 0; k < kSeats; ++k) {
                        if (trickBefore[k].isReal() && trickBefore[k].value == top) {
                            expected[(k + leaderBefore) % kSeats] += share;
                        }
                    }
                }
                EXPECT_EQ(after, expected) << where;
            } else if (kind == Kind::Elimination) {
                for (int s = 0; s < kSeats; ++s) EXPECT_GE(after[s], before[s]) << where;
            } else if (!handEnded) {
                EXPECT_EQ(after, before) << where << ": scores moved inside a hand";
            }

            if (handEnded) {
                ++hands;
                EXPECT_EQ(surface.timer1Stops, stopsAtStart + hands) << where;
                EXPECT_LE(ticksThisHand, kMaxTicksPerHand) << where;
                ticksThisHand = 0;
                const int holder = session.trickwinner;
                std::array<int, 6> delta{};
                for (int s = 0; s < kSeats; ++s) delta[s] = after[s] - handStart[s];
                checkHandResultLine(where, delta);
                switch (kind) {
                    case Kind::Single:
                        EXPECT_EQ(after[holder], 1) << where;
                        EXPECT_EQ(std::accumulate(after.begin(), after.end(), 0), 1) << where;
                        break;
                    case Kind::Points:
                        for (int s = 0; s < kSeats; ++s) {
                            if (s == holder) {
                                EXPECT_GE(delta[s], 6) << where;
                                EXPECT_LE(delta[s], 17) << where;
                            } else {
                                EXPECT_EQ(delta[s], 0) << where;
                            }
                        }
                        break;
                    case Kind::Wins:
                        for (int s = 0; s < kSeats; ++s) {
                            EXPECT_EQ(delta[s], s == holder ? 1 : 0) << where;
                            EXPECT_GE(after[s], 0) << where;
                            EXPECT_LE(after[s], target) << where;
                        }
                        EXPECT_EQ(std::accumulate(after.begin(), after.end(), 0), hands) << where;
                        break;
                    case Kind::Chips:
                        for (int s = 0; s < kSeats; ++s)
                            EXPECT_EQ(delta[s], s == holder ? 5 : -1) << where;
                        EXPECT_EQ(std::accumulate(after.begin(), after.end(), 0), 0) << where;
                        break;
                    case Kind::Elimination:
                        // The last seat holding cards gains 6; every other seat went out once
                        // and scored 1 to 5 for it.
                        for (int s = 0; s < kSeats; ++s) {
                            if (s == holder) {
                                EXPECT_EQ(delta[s], 6) << where;
                            } else {
                                EXPECT_GE(delta[s], 1) << where << " seat " << s;
                                EXPECT_LE(delta[s], 5) << where << " seat " << s;
                            }
                        }
                        break;
                    case Kind::Pot:
                        break;
                }
                handStart = after;

                if (engine.matchOver()) {
                    EXPECT_NE(kind, Kind::Chips) << where;
                    checkWinner(where, kind, goal, target, after, holder);
                    EXPECT_FALSE(surface.enabled(ctl::Timer1)) << where;
                    EXPECT_FALSE(surface.visible(ctl::Picture1)) << where;
                    ++finishedGames;
                    return hands;
                }
                EXPECT_TRUE(surface.messages().empty()) << where;
                EXPECT_TRUE(surface.enabled(ctl::Timer1))
                    << where << ": the next hand did not start";
                EXPECT_EQ(session.turnseat, holder) << where;
                if (kind == Kind::Single || kind == Kind::Wins) {
                    for (int s = 0; s < kSeats; ++s) {
                        EXPECT_LT(after[s], kind == Kind::Single ? 1 : target) << where;
                    }
                }
                if (kind == Kind::Chips && hands >= kChipsHands) {
                    EXPECT_TRUE(surface.visible(ctl::Picture1)) << where;
                    return hands;
                }
                if (hands >= kMaxHandsPerGame) {
                    ADD_FAILURE() << where << ": no end after " << hands << " hands";
                    return hands;
                }
            } else if (ticksThisHand > kMaxTicksPerHand) {
                std::ostringstream held;
                for (int s = 0; s < kSeats; ++s) held << " " << session.cardsHeld(s);
                ADD_FAILURE() << where << ": the hand does not end; cards held" << held.str();
                return hands;
            }
            if (!surface.enabled(ctl::Timer1)) {
                ADD_FAILURE() << where << ": the table stopped without a result";
                return hands;
            }

            humanMoves(where);
            if (::testing::Test::HasFatalFailure()) return hands;
            checkTable(where + " after the human");
            checkDisplay(where + " after the human");
            if (::testing::Test::HasFatalFailure()) return hands;
        }
    }

    ProfilePanel profiles;
    GameStart start;
    bool changeNext = false;
    int humanChanges = 0;
    int humanCards = 0;
    int finishedGames = 0;
};

TEST_F(MatchSoakTest, EveryGameTypeAndOptionPlaysToItsEnd) {
    std::array<int, 13> handsByType{};
    for (int game = 0; game < kGames; ++game) {
        MatchOptions o;
        o.punteggio = kGameTypes[game % 13];
        const int combo = game % 36;  // 13 and 36 share no factor: every pairing comes round
        o.tipopartita = kSpeeds[combo % 3];
        o.cambiocarte = kYesNo[(combo / 3) % 2];
        o.duesuperaasso = kYesNo[(combo / 6) % 2];
        o.premio = kPrizes[(combo / 12) % 3];
        o.limite = "Senza Limite";
        handsByType[game % 13] += playGame(game, o);
        if (HasFailure()) break;
    }
    EXPECT_EQ(finishedGames, kGames - kGames / 13);  // all but the Chips games
    EXPECT_GT(humanChanges, 0);
    EXPECT_GT(humanCards, 0);
    std::ostringstream summary;
    for (int t = 0; t < 13; ++t) summary << kGameTypes[t] << ": " << handsByType[t] << " hands; ";
    RecordProperty("hands", summary.str());
}

}  // namespace
}  // namespace zelvaro::tabletest
