#include "BadgeSpeedGauge.h"

#include <QPainter>
#include <cmath>

#include "BadgeKit.h"
#include "PaintKit.h"

namespace badge {

void paintGauge(QPainter& p, int speed) {
    const QPointF c(BadgeWidth / 2, 60);
    const qreal r = 40;
    const QRectF arcRect(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const QColor zones[] = {QColor(0x4c, 0xaf, 0x50), QColor(0xf2, 0xc2, 0x3a),
                            QColor(0xe5, 0x3e, 0x35)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(zones[i], 7, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(arcRect.adjusted(4, 4, -4, -4), static_cast<int>((180 - i * 60) * 16), -60 * 16);
    }
    p.setPen(QPen(White, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i <= 6; ++i) {
        const qreal a = radians(180 - i * 30);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(c + dir * (r - 13), c + dir * (r - 17));
    }
    const qreal angle = radians(speed == 0 ? 150 : speed == 1 ? 90 : 28);
    const QPointF tip = c + QPointF(std::cos(angle), -std::sin(angle)) * (r - 10);
    const QPointF side(std::sin(angle) * 3.2, std::cos(angle) * 3.2);
    QPolygonF needle;
    needle << c + side << tip << c - side;
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawPolygon(needle);
    p.setBrush(PaintKit::gold());
    p.setPen(QPen(PaintKit::gold().darker(150), 1));
    p.drawEllipse(c, 5, 5);
    // Chevrons on the right say the same thing again: one, two or three.
    p.setPen(QPen(PaintKit::gold(), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= speed; ++i) {
        const qreal x = 14 + i * 7;
        QPolygonF chev;
        chev << QPointF(x, 12) << QPointF(x + 5, 18) << QPointF(x, 24);
        p.drawPolyline(chev);
    }
    if (speed == 2) {
        QPolygonF bolt;
        bolt << QPointF(110, 8) << QPointF(101, 22) << QPointF(107, 22) << QPointF(103, 33)
             << QPointF(114, 17) << QPointF(108, 17) << QPointF(113, 8);
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x10), 1.0));
        p.setBrush(QColor(0xff, 0xd8, 0x3a));
        p.drawPolygon(bolt);
    }
}

}  // namespace badge
