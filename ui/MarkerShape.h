// The table's markers: the frames over the two cards picked for a change, the blinking dot
// of the seat on turn and the gold frame around the card winning the trick. They are only
// drawn over the cards: clicks go through to the card below.
#pragma once

#include <QWidget>

namespace zelvaro::ui {

class MarkerShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Selection, TurnDot, WinningCard };

    MarkerShape(Kind kind, QWidget* parent = nullptr);
    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

}  // namespace zelvaro::ui
