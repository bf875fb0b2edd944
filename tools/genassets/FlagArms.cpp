#include "FlagArms.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "FlagKit.h"

namespace flag {

void spain(QPainter& p) {
    stripes(p, true, {{0xaa151b, 1}, {0xf1bf00, 2}, {0xaa151b, 1}});
    // Simplified arms: crowned quartered shield between the two pillars.
    const qreal cx = 36, cy = 41;
    p.setPen(QPen(rgb(0x6b4b1a), 0.8));
    p.setBrush(rgb(0xd9d9d9));
    p.drawRect(QRectF(cx - 15, cy - 9, 4, 18));
    p.drawRect(QRectF(cx + 11, cy - 9, 4, 18));
    p.setBrush(rgb(0xc8a300));
    p.drawRect(QRectF(cx - 16, cy - 11, 6, 2.5));
    p.drawRect(QRectF(cx + 10, cy - 11, 6, 2.5));
    QPainterPath shield;
    shield.moveTo(cx - 8, cy - 8);
    shield.lineTo(cx + 8, cy - 8);
    shield.lineTo(cx + 8, cy + 4);
    shield.quadTo(cx + 8, cy + 11, cx, cy + 12);
    shield.quadTo(cx - 8, cy + 11, cx - 8, cy + 4);
    shield.closeSubpath();
    p.save();
    p.setClipPath(shield);
    p.fillRect(QRectF(cx - 8, cy - 8, 8, 10), rgb(0xc8102e));
    p.fillRect(QRectF(cx, cy - 8, 8, 10), rgb(0xf0f0f0));
    p.fillRect(QRectF(cx - 8, cy + 2, 8, 10), rgb(0xf0d000));
    p.fillRect(QRectF(cx, cy + 2, 8, 10), rgb(0xc8102e));
    p.fillRect(QRectF(cx - 3.5, cy - 6, 3, 3), rgb(0xf1bf00));
    p.fillRect(QRectF(cx + 2, cy - 6, 3, 3.5), rgb(0x7a2d8e));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
    QPainterPath crown;
    crown.moveTo(cx - 7, cy - 9);
    crown.lineTo(cx - 8, cy - 14);
    crown.lineTo(cx - 3.5, cy - 12);
    crown.lineTo(cx, cy - 16);
    crown.lineTo(cx + 3.5, cy - 12);
    crown.lineTo(cx + 8, cy - 14);
    crown.lineTo(cx + 7, cy - 9);
    crown.closeSubpath();
    p.setBrush(rgb(0xf1bf00));
    p.drawPath(crown);
}

void portugal(QPainter& p) {
    stripes(p, false, {{0x006600, 2}, {0xff0000, 3}});
    const QPointF c(48, 40);
    // Armillary sphere.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0xffe000), 2.4));
    p.drawEllipse(c, 17, 17);
    p.setPen(QPen(rgb(0xffe000), 1.4));
    p.drawEllipse(c, 17, 6);
    p.drawEllipse(c, 6, 17);
    p.setPen(QPen(rgb(0x000000), 0.5));
    p.drawEllipse(c, 18.3, 18.3);
    // Shield.
    QPainterPath shield;
    shield.moveTo(c.x() - 9, c.y() - 10);
    shield.lineTo(c.x() + 9, c.y() - 10);
    shield.lineTo(c.x() + 9, c.y() + 3);
    shield.quadTo(c.x() + 9, c.y() + 11, c.x(), c.y() + 12);
    shield.quadTo(c.x() - 9, c.y() + 11, c.x() - 9, c.y() + 3);
    shield.closeSubpath();
    p.setPen(QPen(rgb(0x000000), 0.5));
    p.setBrush(rgb(0xff0000));
    p.drawPath(shield);
    QTransform inner;
    inner.translate(c.x(), c.y());
    inner.scale(0.66, 0.66);
    inner.translate(-c.x(), -c.y() + 0.5);
    p.setBrush(Qt::white);
    p.drawPath(inner.map(shield));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x003399));
    const QPointF quinas[] = {{0, -4.5}, {-3.8, 0}, {0, 0}, {3.8, 0}, {0, 4.5}};
    for (const QPointF& q : quinas)
        p.drawRect(QRectF(c.x() + q.x() - 1.4, c.y() + q.y() - 1.2, 2.8, 3.4));
    // Castles on the red border, suggested by small gold marks.
    p.setBrush(rgb(0xffe000));
    const QPointF castles[] = {{-7.3, -8}, {7.3, -8}, {-7.3, 2}, {7.3, 2}, {0, 9.6}};
    for (const QPointF& q : castles) p.drawRect(QRectF(c.x() + q.x() - 1, c.y() + q.y() - 1, 2, 2));
}

void mexico(QPainter& p) {
    vertical(p, {0x006847, 0xffffff, 0xce1126});
    const QPointF c(W / 2, H / 2);
    p.translate(c);
    p.scale(1.3, 1.3);
    p.translate(-c);
    // Wreath of oak and laurel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x3a7d2a), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 13, c.y() - 12, 26, 26), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x3a7d2a));
    for (int i = 0; i < 7; ++i) {
        const qreal a = (205 + i * 21) * std::numbers::pi / 180.0;
        p.drawEllipse(QPointF(c.x() + 13 * std::cos(a), c.y() + 1 - 13 * std::sin(a)), 2.2, 2.2);
    }
    p.setPen(QPen(rgb(0x1f4fa0), 1.2));
    p.drawLine(QPointF(c.x() - 4, c.y() + 13), QPointF(c.x() + 4, c.y() + 13));
    // Cactus on its rock.
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x4e9a2f));
    p.drawEllipse(QPointF(c.x() - 1, c.y() + 8), 4, 2.6);
    p.drawEllipse(QPointF(c.x() + 3.5, c.y() + 5), 2.5, 3.2);
    p.drawEllipse(QPointF(c.x() - 5, c.y() + 5.5), 2.2, 3);
    // Eagle: wings spread, head turned to the hoist, snake in the beak.
    const QColor brown = rgb(0x6b3e1b);
    p.setBrush(brown);
    QPainterPath body;
    body.moveTo(c.x() - 2, c.y() + 5);
    body.cubicTo(c.x() - 6, c.y() - 2, c.x() - 2, c.y() - 7, c.x() + 1, c.y() - 6);
    body.cubicTo(c.x() + 6, c.y() - 4, c.x() + 5, c.y() + 3, c.x() + 2, c.y() + 5);
    body.closeSubpath();
    p.drawPath(body);
    QPainterPath wing;
    wing.moveTo(c.x() + 1, c.y() - 3);
    wing.cubicTo(c.x() + 6, c.y() - 14, c.x() + 11, c.y() - 13, c.x() + 12, c.y() - 9);
    wing.cubicTo(c.x() + 8, c.y() - 8, c.x() + 6, c.y() - 2, c.x() + 3, c.y() + 1);
    wing.closeSubpath();
    p.drawPath(wing);
    QPainterPath wing2;
    wing2.moveTo(c.x() - 1, c.y() - 3);
    wing2.cubicTo(c.x() - 3, c.y() - 11, c.x() - 6, c.y() - 12, c.x() - 9, c.y() - 10);
    wing2.cubicTo(c.x() - 6, c.y() - 7, c.x() - 5, c.y() - 3, c.x() - 3, c.y() + 1);
    wing2.closeSubpath();
    p.drawPath(wing2);
    p.drawEllipse(QPointF(c.x() - 4, c.y() - 7), 2.4, 2.2);
    p.setBrush(rgb(0xe0a800));
    QPolygonF beak;
    beak << QPointF(c.x() - 6.3, c.y() - 7.6) << QPointF(c.x() - 8.5, c.y() - 6.5)
         << QPointF(c.x() - 6.2, c.y() - 6);
    p.drawPolygon(beak);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x4e8b33), 1.0));
    QPainterPath snake;
    snake.moveTo(c.x() - 8, c.y() - 6);
    snake.cubicTo(c.x() - 11, c.y() - 2, c.x() - 6, c.y() - 1, c.x() - 9, c.y() + 3);
    p.drawPath(snake);
}

}  // namespace flag
