#include "CardPips.h"

#include <QPainter>
#include <vector>

#include "CardPainter.h"

namespace card {

namespace {

// Pip centres: column -1/0/1, row 0 (top) .. 1 (bottom).
struct Pip {
    qreal column;
    qreal row;
};

std::vector<Pip> pipLayout(int value) {
    const std::vector<Pip> sidesThree = {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    const std::vector<Pip> sidesFour = {{-1, 0},       {1, 0},       {-1, 1 / 3.0}, {1, 1 / 3.0},
                                        {-1, 2 / 3.0}, {1, 2 / 3.0}, {-1, 1},       {1, 1}};
    std::vector<Pip> pips;
    switch (value) {
        case 2:
            return {{0, 0}, {0, 1}};
        case 3:
            return {{0, 0}, {0, 0.5}, {0, 1}};
        case 4:
            return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
        case 5:
            return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
        case 6:
            return sidesThree;
        case 7:
            pips = sidesThree;
            pips.push_back({0, 0.25});
            return pips;
        case 8:
            pips = sidesThree;
            pips.push_back({0, 0.25});
            pips.push_back({0, 0.75});
            return pips;
        case 9:
            pips = sidesFour;
            pips.push_back({0, 0.5});
            return pips;
        case 10:
            pips = sidesFour;
            pips.push_back({0, 1 / 6.0});
            pips.push_back({0, 5 / 6.0});
            return pips;
        default:
            return {};
    }
}

}  // namespace

void paintPips(QPainter& painter, int value, Suit suit) {
    const QColor colour = PaintKit::suitColour(suit);
    const qreal top = 35, bottom = CardPainter::Height - 35;
    const qreal size = 25;
    for (const Pip& pip : pipLayout(value)) {
        const QPointF centre(CardPainter::Width / 2.0 + pip.column * 27,
                             top + pip.row * (bottom - top));
        painter.save();
        painter.translate(centre);
        if (pip.row > 0.5) painter.rotate(180);
        PaintKit::drawSuit(painter, suit, QPointF(0, 0), size, colour);
        painter.restore();
    }
}

void paintAce(QPainter& painter, Suit suit) {
    const QPointF centre(CardPainter::Width / 2.0, CardPainter::Height / 2.0);
    const QColor colour = PaintKit::suitColour(suit);
    // A faint engraved ring gives the ace its usual flourish.
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QColor ring = colour;
    ring.setAlpha(60);
    painter.setPen(QPen(ring, 1.0));
    painter.drawEllipse(centre, 46, 46);
    painter.drawEllipse(centre, 43, 43);
    painter.restore();
    PaintKit::drawSuit(painter, suit, centre, 66, colour);
}

}  // namespace card
