// Hundreds of whole single games, headless, across every game type and option: after every
// tick no card is lost or doubled, every trick completes, every match ends (Chips aside),
// and the scores only ever move the way the game type says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "engine/display/TableLayout.h"
#include "front/GameStart.h"
#include "front/ProfilePanel.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

const std::array<const char*, 13> kGameTypes{
    "Partita Singola", "25 Punti",        "50 Punti",         "100 Punti",  "3 Vinte",
    "5 Vinte",         "Chips",           "Eliminazione 25",  "Eliminazione 50",
    "Eliminazione 100", "Piatto 500",     "Piatto 1000",      "Piatto 2000"};
const std::array<const char*, 3> kSpeeds{"Lenta", "Normale", "Turbo"};
const std::array<const char*, 2> kYesNo{"Si", "No"};
const std::array<const char*, 3> kPrizes{"Nascosto", "1 Carta", "2 Carte"};

constexpr int kGames = 208;            // 16 games of each type
constexpr int kChipsHands = 12;        // a Chips match never ends: stop after this many
constexpr int kMaxHandsPerGame = 400;
// A two-seat endgame can swing back and forth for a long time (a seat that would lead its Ace
// lays its lowest other card instead and loses the lead); the longest hands of this run take
// some 14,000 ticks. A hand that outlasts this bound is taken as hung.
constexpr int kMaxTicksPerHand = 100000;

enum class Kind { Single, Points, Wins, Chips, Elimination, Pot };

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
    for (const auto& [name, goal] : std::initializer_list<std::pair<const char*, int>>{
             {"25 Punti", 24}, {"50 Punti", 49}, {"100 Punti", 99}, {"Eliminazione 25", 24},
             {"Eliminazione 50", 49}, {"Eliminazione 100", 99}, {"Piatto 500", 499},
             {"Piatto 1000", 999}, {"Piatto 2000", 1999}}) {
        if (type == name) return goal;
    }
    return 0;
}

class MatchSoakTest : public TableFixture {
protected:
    MatchSoakTest()
        : profiles(surface, db),
          start(surface, db, random, session, tournament, profiles, display, engine) {}

    // Everything that must hold between two ticks.
    void checkTable(const std::string& where) {
        const CardCounts counts = pileAndHandCounts(session);
        ASSERT_TRUE(eachCardExactlyTwice(counts)) << where;
        ASSERT_TRUE(pileIsCompact(session)) << where;
        for (int seat = 0; seat < kSeats; ++seat) {
            ASSERT_TRUE(handIsSorted(session.hands[seat])) << where << " seat " << seat;
        }
        // The trick fills from place 0 without gaps; its cards are copies of pile cards.
        CardCounts onTable{};
        bool gap = false;
        for (const Card& c : session.trick) {
            if (c.empty()) {
                gap = true;
                continue;
            }
            ASSERT_FALSE(gap) << where << " trick with a hole";
            ASSERT_TRUE(c.isPass() || c.isReal()) << where;
            if (c.isReal()) ++onTable[c.value][suitIndex(c.suit)];
        }
        for (int v = 2; v <= 14; ++v) {
            for (int s = 0; s < 4; ++s) {
                ASSERT_LE(onTable[v][s], counts[v][s]) << where << " trick card not on the pile";
            }
        }
        ASSERT_GE(session.turnseat, 0);
        ASSERT_LT(session.turnseat, kSeats);
        ASSERT_GE(session.tickcount, 0);
        ASSERT_LE(session.tickcount, 1000);
    }

    // What the window shows agrees with the state between any two ticks of a running hand:
    // every hand place, the cards on the table, the winning-card marker and the prize.
    void checkDisplay(const std::string& where) {
        if (!surface.enabled(ctl::Timer1)) return;
        // The human's legal moves never earn a hint.
        ASSERT_FALSE(surface.visible(ctl::TableHint)) << where << ": " << surface.caption(ctl::TableHint);
        const std::array<ControlArray<12>, kSeats> handPictures{
            ctl::Picture2, ctl::Picture4, ctl::Picture3, ctl::Picture8, ctl::Picture7, ctl::Picture5};
        for (int seat = 0; seat < kSeats; ++seat) {
            for (int slot = 0; slot < kHandSlots; ++slot) {
                const Card card = session.hands[seat][slot];
                const Control picture = handPictures[seat][slot];
                ASSERT_EQ(surface.visible(picture), !card.empty()) << where << " seat " << seat << " slot " << slot;
                if (card.empty()) continue;
                ASSERT_EQ(surface.picture(picture), seat == 0 ? cardPicture(card) : kCardBack)
                    << where << " seat " << seat << " slot " << slot;
            }
        }
        std::array<bool, kSeats> laid{};
        for (int k = 0; k < kSeats; ++k) {
            const Card card = session.trick[k];
            if (!card.isReal()) continue;
            const int seat = session.seatOfTrickSlot(k);
            laid[seat] = true;
            ASSERT_EQ(surface.picture(layout::kTablePlaceControl[seat]), cardPicture(card)) << where;
        }
        for (int seat = 0; seat < kSeats; ++seat) {
            ASSERT_EQ(surface.visible(layout::kTablePlaceControl[seat]), laid[seat]) << where << " seat " << seat;
        }
        const bool anyLaid = std::find(laid.begin(), laid.end(), true) != laid.end();
        ASSERT_EQ(surface.visible(ctl::Shape6), anyLaid) << where;
        if (anyLaid) {
            const layout::Point place = layout::kTablePlace[session.trickwinner];
            ASSERT_EQ(surface.left(ctl::Shape6), layout::twips(place.x - layout::kWinMarkerMargin)) << where;
            ASSERT_EQ(surface.top(ctl::Shape6), layout::twips(place.y - layout::kWinMarkerMargin)) << where;
        }
        if (session.options.isPotGame()) return;
        const std::string& premio = session.options.premio;
        const std::string top = premio == "2 Carte" ? cardPicture(session.deck[0]) : kCardBack;
        const std::string second = premio == "2 Carte"   ? cardPicture(session.deck[1])
                                   : premio == "1 Carta" ? cardPicture(session.deck[0])
                                                         : kCardBack;
        ASSERT_EQ(surface.picture(ctl::Picture16), top) << where;
        ASSERT_EQ(surface.picture(ctl::Picture17), second) << where;
    }

    // The trick just resolved stands in the last-trick view: each seat's card over its name,
    // only the winner's name lit.
    void checkLastTrick(const std::string& where, const Trick& trick, int leader) {
        int winnerSlot = findTrickWinner(trick, session.options.twoBeatsAce()).winnerSlot;
        if (session.options.isPotGame()) {
            const int top = computePot(trick).winningvalue;
            for (int k = 0; k < kSeats; ++k) {
                if (trick[k].isReal() && trick[k].value == top) winnerSlot = k;
            }
        }
        ASSERT_TRUE(surface.visible(ctl::LastTrickTitle)) << where;
        for (int seat = 0; seat < kSeats; ++seat) {
            const int slot = (seat - leader + kSeats) % kSeats;
            ASSERT_EQ(surface.picture(ctl::LastTrickCards[seat]),
                      trick[slot].isReal() ? cardPicture(trick[slot]) : "")
                << where << " seat " << seat;
            ASSERT_EQ(surface.caption(ctl::LastTrickNames[seat]), session.seatstats[seat].surname) << where;
            ASSERT_EQ(surface.foreColor(ctl::LastTrickNames[seat]) == kHighlightColor, slot == winnerSlot)
                << where << " seat " << seat;
        }
    }

    // A full trick waits on the table for its showdown: the table was asked to hold, and the
    // names lit on the seats are the winners the showdown will find.
    void checkFullTrickHeld(const std::string& where, const Trick& trick, int leader) {
        ASSERT_GT(surface.tableHolds(), holdsSeen) << where;
        holdsSeen = surface.tableHolds();
        const TrickOutcome outcome = findTrickWinner(trick, session.options.twoBeatsAce());
        const int top = computePot(trick).winningvalue;
        std::vector<int> winners;
        for (int slot = 0; slot < kSeats; ++slot) {
            const int seat = (slot + leader) % kSeats;
            const Control name = seat == 0 ? ctl::Label4 : ctl::Label6[seat - 1];
            const bool wins = session.options.isPotGame()
                                  ? trick[slot].isReal() && trick[slot].value == top && computePot(trick).winnercount > 0
                                  : slot == outcome.winnerSlot;
            if (wins) winners.push_back(seat);
            ASSERT_EQ(surface.foreColor(name) == kHighlightColor, wins) << where << " seat " << seat;
        }
        // Nothing points at the seat that lays next: the one winner's panel is the one framed,
        // winners sharing a pot are lit alike and none is framed.
        ASSERT_FALSE(surface.visible(ctl::Shape5)) << where << " turn marker during the hold";
        ASSERT_FALSE(surface.visible(ctl::TurnPrompt)) << where << " prompt during the hold";
        ASSERT_EQ(surface.visible(ctl::TurnLight), winners.size() == 1) << where;
        if (winners.size() != 1) return;
        const int seat = winners.front();
        const layout::Point corner = seat == 0 ? layout::kHumanPlate : layout::kSeatPanel[seat];
        const int width = seat == 0 ? layout::kHumanPlateWidth : layout::kSeatPanelWidth;
        const int height = seat == 0 ? layout::kHumanPlateHeight : layout::kSeatPanelHeight;
        // The light surrounds the winner's panel and no more than its margin around it.
        const int left = surface.left(ctl::TurnLight), panelTop = surface.top(ctl::TurnLight);
        ASSERT_LE(left, layout::twips(corner.x)) << where;
        ASSERT_LE(panelTop, layout::twips(corner.y)) << where;
        ASSERT_GE(left + surface.width(ctl::TurnLight), layout::twips(corner.x + width)) << where;
        ASSERT_GE(panelTop + surface.height(ctl::TurnLight), layout::twips(corner.y + height)) << where;
        ASSERT_LT(surface.width(ctl::TurnLight), layout::twips(width + 2 * layout::kSeatLightMargin + 1)) << where;
    }

    // The line of the hand's end names every seat that gained or lost, with what it did, the
    // most gained first and equal gains in seat order.
    void checkHandResultLine(const std::string& where, const std::array<int, 6>& delta) {
        ASSERT_TRUE(surface.visible(ctl::HandResultLine)) << where;
        const std::string line = surface.caption(ctl::HandResultLine);
        int named = 0;
        std::size_t previousAt = 0;
        int previousSeat = -1;
        for (int seat = 0; seat < kSeats; ++seat) {
            if (delta[seat] == 0) continue;
            ++named;
            const std::string told = session.seatstats[seat].surname + (delta[seat] > 0 ? " +" : " −") +
                                     std::to_string(std::abs(delta[seat]));
            const std::size_t at = line.find(told);
            EXPECT_NE(at, std::string::npos) << where << ": " << line << " lacks " << told;
            if (previousSeat >= 0 && at != std::string::npos) {
                // Seats come in seat order here: one listed before a lower seat gained more.
                EXPECT_EQ(at > previousAt, delta[seat] <= delta[previousSeat]) << where << ": " << line;
            }
            previousAt = at;
            previousSeat = seat;
        }
        if (named == 0) {
            EXPECT_EQ(line, "Nessun punto in questa mano") << where;
        }
        std::size_t separators = 0;
        for (std::size_t at = line.find(" · "); at != std::string::npos; at = line.find(" · ", at + 1)) ++separators;
        EXPECT_EQ(separators + 1, static_cast<std::size_t>(std::max(named, 1))) << where << ": " << line;
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
        const std::string where0 = "game " + std::to_string(game) + " (" + options.punteggio + ", " +
                                   options.tipopartita + ", change " + options.cambiocarte +
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
        EXPECT_FALSE(surface.visible(ctl::HandResultLine)) << where0 << ": the last match's hand line stayed";

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
            engine.tableTick();
            ++ticksThisHand;
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
                        winners == 0 ? 0 : static_cast<int>(std::nearbyint(static_cast<double>(pot) / winners));
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
                        for (int s = 0; s < kSeats; ++s) EXPECT_EQ(delta[s], s == holder ? 5 : -1) << where;
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
                EXPECT_TRUE(surface.enabled(ctl::Timer1)) << where << ": the next hand did not start";
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

    void checkWinner(const std::string& where, Kind kind, int goal, int target,
                     const std::array<int, 6>& after, int holder) {
        ASSERT_EQ(surface.messages().size(), 1u) << where;
        int best = after[0], bestSeat = 0, atBest = 0;
        for (int s = 0; s < kSeats; ++s) {
            if (after[s] > best) {
                best = after[s];
                bestSeat = s;
            }
        }
        for (int s = 0; s < kSeats; ++s) atBest += after[s] == best ? 1 : 0;
        EXPECT_EQ(atBest, 1) << where << ": a tie at the top must not end a single game";
        switch (kind) {
            case Kind::Single: EXPECT_EQ(best, 1) << where; break;
            case Kind::Wins: EXPECT_EQ(best, target) << where; break;
            case Kind::Points:
                EXPECT_EQ(bestSeat, holder) << where;
                EXPECT_GT(best, goal) << where;
                break;
            case Kind::Elimination:
            case Kind::Pot: EXPECT_GT(best, goal) << where; break;
            case Kind::Chips: break;
        }
        EXPECT_EQ(surface.messages()[0].text,
                  "Partita terminata\nIl vincitore e' " + session.seatstats[bestSeat].surname)
            << where;
        EXPECT_EQ(surface.messages()[0].buttons, MessageButtons::Ok) << where;
    }

    ProfilePanel profiles;
    int holdsSeen = 0;
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
