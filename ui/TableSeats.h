// The seats around the table screen: each opponent's plate (face, name, flag, year of birth,
// strength) over his hand of backs; the six places of the trick with the winning card's
// frame; and the player's own plate and hand with the selection and turn markers, the
// opponents' decision and the card-change buttons.
#pragma once

class QPainter;
class QRect;
class QWidget;

namespace zelvaro::ui {

class ControlBuilder;

class TableSeats {
public:
    // The controls are made as children of `table`.
    TableSeats(ControlBuilder& make, QWidget& table);

    // The opponents first, then the trick, then the player.
    void build();
    // What the seats print on the cloth: the outlines of the trick's places, the seats'
    // plates and the strength meters' empty tracks.
    static void paintCloth(QPainter& painter);

private:
    void buildOpponents();
    void buildTrick();
    void buildHuman();
    void buildSuggestion(const QRect& firstCard);

    ControlBuilder& make_;
    QWidget* table_;
};

}  // namespace zelvaro::ui
