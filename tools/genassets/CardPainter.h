#pragma once

// Draws the playing cards: the 52 faces, the empty place and the back.

#include <QImage>
#include <QRectF>
#include <QString>

#include "PaintKit.h"

class QPainter;

class CardPainter {
public:
    static constexpr int Width = 144;
    static constexpr int Height = 200;
    // The card's edge, half a pixel in so that its one-pixel line falls on whole pixels.
    static constexpr QRectF Edge{0.5, 0.5, Width - 1.0, Height - 1.0};

    // Pictures of Width x Height design pixels, `scale` image pixels each.
    explicit CardPainter(int scale = 1) : m_scale(scale) {}

    // value 2..14 (11 jack, 12 queen, 13 king, 14 ace).
    QImage face(int value, Suit suit) const;
    // The outline left on the table where a card is missing.
    QImage emptyPlace() const;
    QImage back() const;

    static QString rankText(int value);

private:
    QImage canvas() const;
    static void paintBody(QPainter& painter);
    static void paintIndices(QPainter& painter, int value, Suit suit);

    int m_scale;
};
