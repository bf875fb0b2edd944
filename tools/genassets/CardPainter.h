#pragma once

// Draws the playing cards: the 52 faces, the empty place and the back.

#include "PaintKit.h"

#include <QImage>
#include <QString>

class QPainter;

class CardPainter
{
public:
    static constexpr int Width = 144;
    static constexpr int Height = 200;

    // value 2..14 (11 jack, 12 queen, 13 king, 14 ace).
    QImage face(int value, Suit suit) const;
    // The outline left on the table where a card is missing.
    QImage emptyPlace() const;
    QImage back() const;

    static QString rankText(int value);

private:
    static void paintBody(QPainter &painter);
    static void paintIndices(QPainter &painter, int value, Suit suit);
    static void paintPips(QPainter &painter, int value, Suit suit);
    static void paintAce(QPainter &painter, Suit suit);
    static void paintCourt(QPainter &painter, int value, Suit suit);
    static void paintCourtHalf(QPainter &painter, int value, Suit suit);
};
