#include "CardBack.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "CardPainter.h"
#include "PaintKit.h"

namespace card {

void paintBack(QPainter& painter) {
    constexpr int Width = CardPainter::Width;
    constexpr int Height = CardPainter::Height;
    const QRectF field = CardPainter::Edge.adjusted(8, 8, -8, -8);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 5, 5);
    QLinearGradient shade(field.topLeft(), field.bottomRight());
    shade.setColorAt(0, QColor(0xa3, 0x17, 0x26));
    shade.setColorAt(1, QColor(0x7a, 0x0e, 0x1a));
    painter.fillPath(fieldPath, shade);

    // Fine lattice of diagonal lines with a small dot at every crossing.
    painter.save();
    painter.setClipPath(fieldPath);
    painter.setPen(QPen(QColor(0xd4, 0x55, 0x60, 150), 0.9));
    const qreal step = 9.0;
    for (qreal d = -Height; d < Width + Height; d += step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
        painter.drawLine(QPointF(d, 0), QPointF(d - Height, Height));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0xa0, 0xa8, 170));
    for (qreal y = step / 2; y < Height; y += step) {
        for (qreal x = 0; x < Width + step; x += step) {
            const qreal cx = x + (static_cast<int>(y / step) % 2 == 0 ? step / 2 : 0);
            painter.drawEllipse(QPointF(cx, y + 0.5 * step), 0.9, 0.9);
        }
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 1.4));
    painter.drawRoundedRect(field.adjusted(4, 4, -4, -4), 3, 3);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    painter.drawRoundedRect(field.adjusted(6.5, 6.5, -6.5, -6.5), 2, 2);

    // Central medallion with the four suits.
    const QPointF centre(Width / 2.0, Height / 2.0);
    QRadialGradient disc(centre, 28);
    disc.setColorAt(0, QColor(0xb0, 0x1c, 0x2c));
    disc.setColorAt(1, QColor(0x6a, 0x0b, 0x16));
    painter.setBrush(disc);
    painter.setPen(QPen(PaintKit::gold(), 2.2));
    painter.drawEllipse(centre, 27, 27);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
    painter.drawEllipse(centre, 23, 23);
    const QColor ivory(0xfb, 0xf3, 0xe0);
    PaintKit::drawSuit(painter, Suit::Spades, centre + QPointF(0, -10.5), 12, ivory);
    PaintKit::drawSuit(painter, Suit::Hearts, centre + QPointF(10.5, 0), 12, ivory);
    PaintKit::drawSuit(painter, Suit::Clubs, centre + QPointF(0, 10.5), 12, ivory);
    PaintKit::drawSuit(painter, Suit::Diamonds, centre + QPointF(-10.5, 0), 12, ivory);
}

}  // namespace card
