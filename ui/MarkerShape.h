// The table's markers: the frames over the two cards picked for a change, the blinking dot
// of the seat on turn, the gold frame around the card winning the trick, the light around
// the panel of the seat on turn, and the band behind the player's row in the standings. They
// are only drawn over (or under) other controls: clicks go through to what is below.
#pragma once

#include <QWidget>

namespace zelvaro::ui {

class MarkerShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Selection, TurnDot, WinningCard, SeatLight, RowBand, Suggestion };

    MarkerShape(Kind kind, QWidget* parent = nullptr);
    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

}  // namespace zelvaro::ui
