#pragma once

// Shared vector shapes, colours and text helpers for every picture painter.

#include <QChar>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

class QImage;
class QPainter;

enum class Suit { Hearts, Diamonds, Clubs, Spades };

class PaintKit {
public:
    // The felt of the table; painted wherever a picture has no content of its own.
    static QColor tableGreen();
    static QColor gold();

    // Suit symbol filling the unit square centred on the origin (-0.5 .. 0.5).
    static QPainterPath suitPath(Suit suit);
    static QColor suitColour(Suit suit);
    // Letter used in the card file names: c hearts, m diamonds, f clubs, p spades.
    static QChar suitLetter(Suit suit);
    // Draws the suit symbol centred on centre, size pixels tall.
    static void drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal size,
                         const QColor& colour);

    static QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5,
                             qreal rotationDegrees = 0);

    static QFont font(const QString& family, int pixelSize, bool bold);
    // Draws text centred in rect (on the capital height, so every word sits alike),
    // squeezed sideways when it is wider than the rect.
    static void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text,
                               const QFont& font, const QColor& colour);

    // An RGB canvas (JPEG has no alpha) filled with colour, of width x height design pixels
    // drawn at `scale` image pixels each: its device pixel ratio makes a painter on it draw in
    // the design's coordinates, so a painter's shapes come out sharp at any scale.
    static QImage canvas(int width, int height, const QColor& colour, int scale = 1);
    static void prepare(QPainter& painter);
};
