#include "CardPainter.h"

#include <QPainter>

#include "CardBack.h"
#include "CardCourt.h"
#include "CardPips.h"

namespace {

constexpr qreal CornerRadius = 9.0;

}  // namespace

QString CardPainter::rankText(int value) {
    switch (value) {
        case 11:
            return QStringLiteral("J");
        case 12:
            return QStringLiteral("Q");
        case 13:
            return QStringLiteral("K");
        case 14:
            return QStringLiteral("A");
        default:
            return QString::number(value);
    }
}

QImage CardPainter::face(int value, Suit suit) const {
    QImage image = canvas();
    QPainter painter(&image);
    PaintKit::prepare(painter);
    paintBody(painter);
    if (value == 14)
        card::paintAce(painter, suit);
    else if (value >= 11)
        card::paintCourt(painter, value, suit);
    else
        card::paintPips(painter, value, suit);
    paintIndices(painter, value, suit);
    return image;
}

QImage CardPainter::emptyPlace() const {
    QImage image = canvas();
    QPainter painter(&image);
    PaintKit::prepare(painter);
    const QRectF place = Edge.adjusted(2.5, 2.5, -2.5, -2.5);
    painter.setBrush(QColor(0x1a, 0x5e, 0x33));
    painter.setPen(QPen(QColor(0x11, 0x47, 0x25), 3.0));
    painter.drawRoundedRect(place, CornerRadius, CornerRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x17, 0x57, 0x2f), 1.2, Qt::DashLine));
    painter.drawRoundedRect(place.adjusted(6, 6, -6, -6), CornerRadius - 3, CornerRadius - 3);
    return image;
}

QImage CardPainter::back() const {
    QImage image = canvas();
    QPainter painter(&image);
    PaintKit::prepare(painter);
    paintBody(painter);
    card::paintBack(painter);
    return image;
}

QImage CardPainter::canvas() const {
    return PaintKit::canvas(Width, Height, PaintKit::tableGreen(), m_scale);
}

void CardPainter::paintBody(QPainter& painter) {
    painter.save();
    painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(Edge, CornerRadius, CornerRadius);
    painter.restore();
}

void CardPainter::paintIndices(QPainter& painter, int value, Suit suit) {
    const QColor colour = PaintKit::suitColour(suit);
    const QFont font = PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), 27, true);
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        if (corner == 1) {
            painter.translate(Width, Height);
            painter.rotate(180);
        }
        PaintKit::drawFittedText(painter, QRectF(2, 5, 29, 26), rankText(value), font, colour);
        PaintKit::drawSuit(painter, suit, QPointF(16.5, 44), 17, colour);
        painter.restore();
    }
}
