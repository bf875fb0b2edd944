// The table's cards in motion. The surface tells it, before each change of a card control,
// what the control showed; when the game's move is over (the window's handler returns, or at
// the latest the next turn of the event loop) it compares with what the controls show now,
// plans the flights (MotionPlan) and draws each card on its way as a sprite above the table.
// The card controls themselves never move and show or hide exactly when the game says: a
// control a card is flying to is only kept from painting until the card lands on it.
//
// A new move, a new size of the window, a message box, a panel or leaving the table lands
// every card at once. The game never waits for a card.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "primitives/Controls.h"
#include "ui/CardVeil.h"
#include "ui/MotionPlan.h"

class QWidget;

namespace zelvaro::ui {

class CardSprite;
class SeatShade;

class CardMotion : public QObject {
public:
    // What the motion asks of the surface: when a move begins, how long its cards may travel
    // (nothing moves when it is off), and the picture a card control shows.
    struct Source {
        std::function<MotionPace()> pace;
        std::function<QString(Control)> picture;
    };

    // `table` is the table screen the cards stand on.
    explicit CardMotion(QWidget& table);
    ~CardMotion() override;
    // Nothing moves until a surface is attached; an empty source detaches it.
    void attach(Source source);

    // Before a card control changes: `card` still shows its old look.
    void noteCard(Control c, QWidget* card, const QString& picture);
    // Seats lit as the held trick's winners, where the trick will go: those lit since its last
    // card was laid.
    void noteWinner(int seat);
    // The move is over: its cards set off.
    void play();
    // Every card lands at once where the game put it.
    void land();

    // Cards on their way (or about to leave), and when the last one lands, from now.
    int flightsInAir() const { return static_cast<int>(flights_.size()); }
    int msToRest() const;
    const CardVeil& veil() const { return veil_; }
    CardVeil& veil() { return veil_; }
    // How many moves changed a card so far.
    int moves() const { return moves_; }
    // The flights of the move being drawn, as planned.
    const std::vector<Flight>& plannedFlights() const { return planned_; }

    // Tests and benchmarks drive the clock themselves, frame by frame.
    void useManualClock();
    void advance(int ms);

private:
    struct Airborne {
        Flight flight;
        qint64 startMs;
        QWidget* target;
        CardSprite* sprite;
        // The winning card's frame round the table place the card flies to: it waits too.
        QWidget* frame = nullptr;
    };
    struct Noted {
        Control control;
        QWidget* card;
        CardSpot spot;
        CardLook before;
    };

    qint64 now() const;
    void frame();
    // Puts one flight's sprite where it stands at `t` (0 to 1 of its way).
    void show(Airborne& a, double t);
    void finish(Airborne& a);
    TableHomes homes() const;
    // The chip that carries a winner's share of the pot.
    static QPixmap paintChip();
    // Dims the seats out of the hand in play (none when nothing moves) and lights the others.
    void followSeats(bool moving);
    // At a deal every card of the hands comes from the pile, also where a hand kept a card
    // that looks the same: the unchanged ones join the move.
    // `cards` holds each change's widget.
    void dealWhole(std::vector<CardChange>& changes, std::vector<QWidget*>& cards) const;

    QWidget& table_;
    Source source_;
    // The hands' controls, seat by seat.
    std::vector<std::pair<Control, QWidget*>> hands_;
    CardVeil veil_;
    QTimer frames_;
    QTimer closer_;
    QElapsedTimer clock_;
    bool manualClock_ = false;
    qint64 manualNow_ = 0;

    // The move being recorded: whether it moves anything, and each card's look before it.
    bool recording_ = false;
    bool moving_ = false;
    MotionPace movePace_;
    std::vector<Noted> noted_;
    unsigned winners_ = 0;

    int moves_ = 0;
    std::vector<Airborne> flights_;
    std::vector<Flight> planned_;
    // Sprites kept for the next moves, so that a deal does not make sixty widgets each time.
    std::vector<CardSprite*> spare_;
    std::array<SeatShade*, 6> shades_{};
    QWidget* pot_ = nullptr;
    QWidget* winningFrame_ = nullptr;
    QPixmap chip_;
};

}  // namespace zelvaro::ui
