// What must hold between two ticks of a soaked match: the cards, the table shown, the last
// trick, a full trick held, the hand's result line and the winner's message.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/display/TableLayout.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {

enum class Kind { Single, Points, Wins, Chips, Elimination, Pot };

class MatchSoakChecks : public TableFixture {
protected:
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
        ASSERT_FALSE(surface.visible(ctl::TableHint))
            << where << ": " << surface.caption(ctl::TableHint);
        const std::array<ControlArray<12>, kSeats> handPictures{ctl::Picture2, ctl::Picture4,
                                                                ctl::Picture3, ctl::Picture8,
                                                                ctl::Picture7, ctl::Picture5};
        for (int seat = 0; seat < kSeats; ++seat) {
            for (int slot = 0; slot < kHandSlots; ++slot) {
                const Card card = session.hands[seat][slot];
                const Control picture = handPictures[seat][slot];
                ASSERT_EQ(surface.visible(picture), !card.empty())
                    << where << " seat " << seat << " slot " << slot;
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
            ASSERT_EQ(surface.picture(layout::kTablePlaceControl[seat]), cardPicture(card))
                << where;
        }
        for (int seat = 0; seat < kSeats; ++seat) {
            ASSERT_EQ(surface.visible(layout::kTablePlaceControl[seat]), laid[seat])
                << where << " seat " << seat;
        }
        const bool anyLaid = std::find(laid.begin(), laid.end(), true) != laid.end();
        ASSERT_EQ(surface.visible(ctl::Shape6), anyLaid) << where;
        if (anyLaid) {
            const layout::Point place = layout::kTablePlace[session.trickwinner];
            ASSERT_EQ(surface.left(ctl::Shape6), layout::twips(place.x - layout::kWinMarkerMargin))
                << where;
            ASSERT_EQ(surface.top(ctl::Shape6), layout::twips(place.y - layout::kWinMarkerMargin))
                << where;
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
            ASSERT_EQ(surface.caption(ctl::LastTrickNames[seat]), session.seatstats[seat].surname)
                << where;
            ASSERT_EQ(surface.foreColor(ctl::LastTrickNames[seat]) == kHighlightColor,
                      slot == winnerSlot)
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
                                  ? trick[slot].isReal() && trick[slot].value == top &&
                                        computePot(trick).winnercount > 0
                                  : slot == outcome.winnerSlot;
            if (wins) winners.push_back(seat);
            ASSERT_EQ(surface.foreColor(name) == kHighlightColor, wins)
                << where << " seat " << seat;
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
        ASSERT_GE(panelTop + surface.height(ctl::TurnLight), layout::twips(corner.y + height))
            << where;
        ASSERT_LT(surface.width(ctl::TurnLight),
                  layout::twips(width + 2 * layout::kSeatLightMargin + 1))
            << where;
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
            const std::string told = session.seatstats[seat].surname +
                                     (delta[seat] > 0 ? " +" : " −") +
                                     std::to_string(std::abs(delta[seat]));
            const std::size_t at = line.find(told);
            EXPECT_NE(at, std::string::npos) << where << ": " << line << " lacks " << told;
            if (previousSeat >= 0 && at != std::string::npos) {
                // Seats come in seat order here: one listed before a lower seat gained more.
                EXPECT_EQ(at > previousAt, delta[seat] <= delta[previousSeat])
                    << where << ": " << line;
            }
            previousAt = at;
            previousSeat = seat;
        }
        if (named == 0) {
            EXPECT_EQ(line, "Nessun punto in questa mano") << where;
        }
        std::size_t separators = 0;
        for (std::size_t at = line.find(" · "); at != std::string::npos;
             at = line.find(" · ", at + 1))
            ++separators;
        EXPECT_EQ(separators + 1, static_cast<std::size_t>(std::max(named, 1)))
            << where << ": " << line;
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
            case Kind::Single:
                EXPECT_EQ(best, 1) << where;
                break;
            case Kind::Wins:
                EXPECT_EQ(best, target) << where;
                break;
            case Kind::Points:
                EXPECT_EQ(bestSeat, holder) << where;
                EXPECT_GT(best, goal) << where;
                break;
            case Kind::Elimination:
            case Kind::Pot:
                EXPECT_GT(best, goal) << where;
                break;
            case Kind::Chips:
                break;
        }
        EXPECT_EQ(surface.messages()[0].text,
                  "Partita terminata\nIl vincitore e' " + session.seatstats[bestSeat].surname)
            << where;
        EXPECT_EQ(surface.messages()[0].buttons, MessageButtons::Ok) << where;
    }

    int holdsSeen = 0;
};

}  // namespace zelvaro::tabletest
