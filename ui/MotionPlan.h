// Where the cards that changed in one move of the game travel: a card laid goes from its
// seat's hand to its table place, the trick to its winners' seats, the dealt, drawn and prize
// cards come from the pile, the changed cards go to it, and the player's sorted hand slides
// each card from its old place to its new one. A plan only says what goes where and when; the
// window's card motion draws it.
#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "primitives/Controls.h"

namespace zelvaro::ui {

enum class CardRole { Hand, TablePlace, Prize };
struct CardSpot {
    CardRole role;
    int seat;   // 0 the player, 1 to 5 the opponents; -1 for the prize cards
    int place;  // the hand's place, 0 for a table place
};
// Where a control stands among the table's cards; nothing for any other control.
std::optional<CardSpot> cardSpotOf(Control c);

// What a card control shows.
struct CardLook {
    bool shown = false;
    QString picture;
    QPixmap pixmap;
};

// One card control as it was before the move and as it is after it.
struct CardChange {
    Control control;
    CardSpot spot;
    QRectF place;  // in design pixels
    CardLook before;
    CardLook after;
};

struct Flight {
    // The control the card lands on, kept from painting until it does; none for a card that
    // goes away.
    std::optional<Control> target;
    QPixmap pixmap;
    QRectF from;
    QRectF to;
    int delayMs = 0;
    int durationMs = 0;
    int endMs() const { return delayMs + durationMs; }
};

// The table's fixed places: the pile the cards come from and go back to, and where each
// seat's won tricks go, in design pixels.
struct TableHomes {
    QRectF pile;
    std::array<QRectF, 6> seats;
    // In the pot games, where the pot stands and the chip that carries each winner's share.
    std::optional<QRectF> pot;
    QPixmap chip;
};

struct MotionPace {
    int moveMs = 0;  // one move, from its first card leaving to its last one landing
    int dealMs = 0;  // the whole deal
    bool on() const { return moveMs > 0; }
    // When the last card of a move lands at the latest.
    int longestMs() const { return moveMs > dealMs ? moveMs : dealMs; }
};

class MotionPlan {
public:
    MotionPlan(const TableHomes& homes, MotionPace pace) : homes_(homes), pace_(pace) {}

    // Whether the move deals new hands: cards come to the hands of three seats or more.
    static bool isDeal(const std::vector<CardChange>& changes);

    // `winners` holds one bit for each seat that takes the trick (none when not known).
    std::vector<Flight> plan(const std::vector<CardChange>& changes, unsigned winners) const;

private:
    // The two backs an opponent lays on the pile when his hand shows one fewer, and the one he
    // draws back.
    void changeOfBacks(const CardChange& gone, std::vector<Flight>& flights) const;

    TableHomes homes_;
    MotionPace pace_;
};

}  // namespace zelvaro::ui
