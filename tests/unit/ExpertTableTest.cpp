// The expert level at a real table, over whole hands of every game type: what a seat cannot
// see never changes its decision, every decision is a card it may lay and the same view always
// gives the same one, the table lays what the expert decides with one draw a move as before,
// and the look ahead plays each hand card by card as the table does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "engine/ExpertSeat.h"
#include "rules/ExpertPlayer.h"
#include "rules/ExpertRandom.h"
#include "rules/HandPlayout.h"
#include "rules/LayRule.h"
#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

struct Table {
    const char* type;
    const char* speed;
    const char* change;
    const char* twoBeatsAce;
    const char* prize;
};

// Every family, each speed, with and without the change and the 2 over the Ace, each prize.
const std::vector<Table> kTables{
    {"Partita Singola", "Normale", "Si", "No", "1 Carta"},
    {"25 Punti", "Lenta", "Si", "Si", "2 Carte"},
    {"100 Punti", "Turbo", "No", "No", "Nascosto"},
    {"3 Vinte", "Normale", "Si", "No", "2 Carte"},
    {"Chips", "Turbo", "Si", "Si", "1 Carta"},
    {"Eliminazione 25", "Normale", "Si", "No", "Nascosto"},
    {"Eliminazione 100", "Lenta", "No", "Si", "1 Carta"},
    {"Piatto 500", "Normale", "Si", "No", "1 Carta"},
    {"Piatto 2000", "Turbo", "Si", "Si", "Nascosto"},
};

// A seat about to decide, as the table stood just before.
struct Position {
    GameSession session;
    int seat;
    bool change;
};

class ExpertTableTest : public TableFixture {
protected:
    // Plays `hands` hands at a table of `level`, a new match whenever one ends, seat 0
    // keeping its hand and laying its lowest card; `look` sees the table before every tick
    // and click.
    void playHands(const Table& t, const std::string& level, int hands,
                   const std::function<void()>& look) {
        session.avversari = level;
        const long last = engine.handsPlayed() + hands;
        // A match of this table's options, never the one an earlier table left running.
        surface.setEnabled(ctl::Timer1, false);
        for (int ticks = 0; engine.handsPlayed() < last; ++ticks) {
            ASSERT_LT(ticks, 100000 * hands) << "a hand that never ends";
            look();
            if (!surface.enabled(ctl::Timer1)) {
                setScores({0, 0, 0, 0, 0, 0});
                startDealtHand(optionsWith(t.type, t.change, t.twoBeatsAce, t.speed, t.prize),
                               ticks % kSeats);
                look();
            }
            playSeatZero();
            look();
            tick();
        }
    }

    void playSeatZero() {
        if (session.turnseat != kHumanSeat) return;
        if (surface.visible(ctl::Command1)) return engine.keepClicked();
        if (session.changedecisions != 6 || surface.visible(ctl::Picture14)) return;
        for (int slot = kHandSlots - 1; slot >= 0; --slot) {
            if (mayLay(session.hands[kHumanSeat], slot, session.trick)) {
                return engine.cardClicked(slot);
            }
        }
    }

    // The computer seat whose move the next tick makes, if any.
    std::optional<Position> nextComputerMove() const {
        const int seat = session.turnseat;
        if (seat == kHumanSeat || session.tickcount != 2 || !session.holdsCards(seat)) return {};
        const bool change = session.options.changeAllowed() && session.changedecisions != 6;
        return Position{session, seat, change};
    }

    // Positions of whole hands at expert tables, a few from each hand.
    std::vector<Position> expertPositions(int handsPerTable) {
        std::vector<Position> positions;
        for (const Table& t : kTables) {
            int seen = 0;
            playHands(t, "Esperti", handsPerTable, [&] {
                const std::optional<Position> p = nextComputerMove();
                if (p && (p->change || ++seen % 3 == 0)) positions.push_back(*p);
            });
        }
        return positions;
    }
};

// The cards the seat cannot see, dealt again: the other hands keep their sizes, the prize
// cards the table shows stay where they are.
GameSession shuffleUnseen(const GameSession& s, int seat, ExpertRandom& random) {
    GameSession other = s;
    int shown = 0;
    if (!s.options.isPotGame()) {
        if (isText(s.options.premio, "1 Carta")) shown = 1;
        if (isText(s.options.premio, "2 Carte")) shown = 2;
    }
    std::vector<Card> unseen;
    for (int place = shown; place < kPileSize && !s.deck[place].empty(); ++place) {
        unseen.push_back(s.deck[place]);
    }
    for (int t = 0; t < kSeats; ++t) {
        if (t == seat) continue;
        for (const Card& c : s.hands[t]) {
            if (!c.empty()) unseen.push_back(c);
        }
    }
    for (int i = static_cast<int>(unseen.size()) - 1; i > 0; --i) {
        std::swap(unseen[i], unseen[random.below(i + 1)]);
    }
    std::size_t next = 0;
    for (int t = 0; t < kSeats; ++t) {
        if (t == seat) continue;
        for (Card& c : other.hands[t]) {
            if (!c.empty()) c = unseen[next++];
        }
    }
    for (int place = shown; place < kPileSize && !s.deck[place].empty(); ++place) {
        other.deck.set(place, unseen[next++]);
    }
    other.sortHands();
    return other;
}

// A decision as one comparable list: the slot laid, or whether and which two slots change.
std::vector<int> decisionAt(const GameSession& s, int seat, bool change) {
    const ExpertView view = expertView(s, seat);
    if (!change) return {expertPlayDecision(view)};
    const ExpertChange c = expertChangeDecision(view);
    return {c.changes ? 1 : 0, c.first, c.second};
}

TEST_F(ExpertTableTest, WhatASeatCannotSeeNeverChangesItsDecision) {
    const std::vector<Position> positions = expertPositions(3);
    ASSERT_GT(positions.size(), 300U);
    ExpertRandom dealer(31);
    int moved = 0;
    for (const Position& p : positions) {
        const std::vector<int> decision = decisionAt(p.session, p.seat, p.change);
        for (int shuffle = 0; shuffle < 2; ++shuffle) {
            const GameSession other = shuffleUnseen(p.session, p.seat, dealer);
            moved += other.hands != p.session.hands ? 1 : 0;
            // Nothing of it reaches what the seat sees, not even the seed of its own draws.
            ASSERT_EQ(viewHash(expertView(other, p.seat)), viewHash(expertView(p.session, p.seat)));
            ASSERT_EQ(decisionAt(other, p.seat, p.change), decision)
                << p.session.options.punteggio << ", seat " << p.seat;
        }
    }
    EXPECT_GT(moved, static_cast<int>(positions.size())) << "the shuffles moved cards";
}

TEST_F(ExpertTableTest, EveryDecisionIsALegalCardAndTheSameViewGivesTheSameOne) {
    const std::vector<Position> positions = expertPositions(2);
    int changes = 0, plays = 0;
    for (const Position& p : positions) {
        SCOPED_TRACE(p.session.options.punteggio);
        const Hand& hand = p.session.hands[p.seat];
        const ExpertView view = expertView(p.session, p.seat);
        const ExpertView copy = view;
        if (p.change) {
            const ExpertChange c = expertChangeDecision(view);
            const ExpertChange again = expertChangeDecision(copy);
            EXPECT_EQ(std::tie(c.changes, c.first, c.second),
                      std::tie(again.changes, again.first, again.second));
            if (!c.changes) continue;
            ++changes;
            // The two lowest cards, two different places.
            ASSERT_NE(c.first, c.second);
            std::vector<int> values;
            for (const Card& card : hand) {
                if (!card.empty()) values.push_back(card.value);
            }
            std::sort(values.begin(), values.end());
            std::vector<int> given{hand[c.first].value, hand[c.second].value};
            std::sort(given.begin(), given.end());
            EXPECT_EQ(given, std::vector<int>(values.begin(), values.begin() + 2));
        } else {
            const int slot = expertPlayDecision(view);
            ++plays;
            EXPECT_TRUE(mayLay(hand, slot, p.session.trick)) << "slot " << slot;
            EXPECT_EQ(expertPlayDecision(copy), slot);
        }
    }
    EXPECT_GT(plays, 200);
    EXPECT_GT(changes, 5);
}

TEST_F(ExpertTableTest, AnExpertTableLaysWhatTheExpertDecidesWithOneDrawAMove) {
    for (const Table& t : kTables) {
        SCOPED_TRACE(t.type);
        std::optional<Position> before;
        std::uint64_t draws = 0;
        std::vector<int> expected;
        int moves = 0;
        playHands(t, "Esperti", 1, [&] {
            if (before && session.tickcount == 0) {
                // The move is made: one draw, and what the expert chose.
                EXPECT_EQ(random.drawsMade(), draws + 1);
                const Hand& hand = before->session.hands[before->seat];
                if (before->change) {
                    // Two cards given and one drawn, or none.
                    EXPECT_EQ(session.cardsHeld(before->seat),
                              before->session.cardsHeld(before->seat) - expected[0]);
                } else {
                    const int place = before->session.trickSlotOfSeat(before->seat);
                    EXPECT_EQ(session.trick[place].value, hand[expected[0]].value);
                }
                ++moves;
                before.reset();
            }
            if (!before) {
                before = nextComputerMove();
                if (before) {
                    draws = random.drawsMade();
                    expected = decisionAt(before->session, before->seat, before->change);
                }
            }
        });
        EXPECT_GT(moves, 10);
    }
}

// Mirrors the hands of a table on a look-ahead table, card by card.
class Mirror {
public:
    explicit Mirror(const GameSession& s) : table_(gameFamily(s.options), s.options.twoBeatsAce()) {
        for (int seat = 0; seat < kSeats; ++seat) {
            for (const Card& c : s.hands[seat]) {
                if (!c.empty()) table_.give(seat, c.value);
            }
            before_[seat] = s.seatstats[seat].score;
        }
        for (int place = 0; place < kPileSize && !s.deck[place].empty(); ++place) {
            table_.putOnPile(s.deck[place].value);
        }
        table_.setTrick(s.trick, s.trickleader);
        EXPECT_EQ(table_.onTurn(), s.turnseat);
    }

    // The cards laid since the last look, and after a showdown every hand's size.
    void follow(const GameSession& s) {
        int k = seen_;
        for (; k < kSeats && !s.trick[k].empty(); ++k) {
            if (!s.trick[k].isReal()) continue;
            ASSERT_EQ(table_.onTurn(), s.seatOfTrickSlot(k));
            table_.lay(s.trick[k].value);
            ++laid_[s.trick[k].value];
        }
        seen_ = k;
        if (seen_ > 0 && trickIsEmpty(s.trick)) {
            seen_ = 0;
            EXPECT_EQ(s.cardsgone, laid_) << "the cards gone are those laid this hand";
            for (int seat = 0; seat < kSeats; ++seat) {
                EXPECT_EQ(table_.held(seat), s.cardsHeld(seat)) << "seat " << seat;
            }
        }
    }

    // The hand is over at the table: the same winner, and the scores moved as the look ahead
    // counted.
    void compareEnd(const GameSession& s) const {
        ASSERT_TRUE(table_.over());
        EXPECT_EQ(table_.winner(), s.trickwinner);
        const GameFamily family = gameFamily(s.options);
        for (int seat = 0; seat < kSeats; ++seat) {
            const int moved = s.seatstats[seat].score - before_[seat];
            if (family != GameFamily::LastHolder) {
                EXPECT_EQ(moved, table_.gained(seat)) << "seat " << seat;
            } else if (s.options.punteggio.find("Vinte") != std::string::npos) {
                EXPECT_EQ(moved, seat == table_.winner() ? 1 : 0) << "seat " << seat;
            }
        }
    }

private:
    HandPlayout table_;
    std::array<int, kSeats> before_{};
    ValueCounts laid_{};
    int seen_ = 0;
};

TEST_F(ExpertTableTest, TheLookAheadPlaysEachHandAsTheTableDoes) {
    for (const Table& t : kTables) {
        SCOPED_TRACE(t.type);
        std::optional<Mirror> mirror;
        long mirrored = -1;
        int ended = 0;
        const auto look = [&] {
            if (mirror && engine.handsPlayed() != mirrored) {
                mirror->compareEnd(session);
                mirror.reset();
                ++ended;
            }
            if (!mirror && mirrored != engine.handsPlayed() && surface.enabled(ctl::Timer1) &&
                session.changedecisions == 6 && trickIsEmpty(session.trick)) {
                mirror.emplace(session);
                mirrored = engine.handsPlayed();
            }
            if (mirror) mirror->follow(session);
        };
        playHands(t, "Classici", 16, look);
        look();
        EXPECT_EQ(ended, 16);
    }
}

}  // namespace
}  // namespace zelvaro::tabletest
