#include "FaceHead.h"

#include <QPainter>

namespace face {

QPainterPath headPath(const Frame& f, qreal jaw) {
    QPainterPath p;
    p.moveTo(f.cx - f.hw, f.cy - 2);
    p.cubicTo(f.cx - f.hw, f.cy - f.hh * 1.36, f.cx + f.hw, f.cy - f.hh * 1.36, f.cx + f.hw,
              f.cy - 2);
    p.cubicTo(f.cx + f.hw, f.cy + f.hh * jaw, f.cx + f.hw * 0.45, f.cy + f.hh, f.cx, f.cy + f.hh);
    p.cubicTo(f.cx - f.hw * 0.45, f.cy + f.hh, f.cx - f.hw, f.cy + f.hh * jaw, f.cx - f.hw,
              f.cy - 2);
    p.closeSubpath();
    return p;
}

void paintHead(QPainter& p, const Look& look, const QPainterPath& head) {
    p.setPen(QPen(look.skin.darker(130), 1.2));
    p.setBrush(look.skin);
    p.drawPath(head);
}

void paintNeck(QPainter& p, const Look& look, const Frame& f) {
    p.setPen(QPen(look.skin.darker(130), 1.1));
    p.setBrush(neckShade(look));
    QPainterPath neck;
    neck.moveTo(f.cx - 11, f.cy + f.hh - 12);
    neck.lineTo(f.cx - 12, 100);
    neck.quadTo(f.cx, 106, f.cx + 12, 100);
    neck.lineTo(f.cx + 11, f.cy + f.hh - 12);
    neck.closeSubpath();
    p.drawPath(neck);
}

QColor neckShade(const Look& look) {
    return look.skin.darker(112);
}

void paintEars(QPainter& p, const Look& look, const Frame& f) {
    p.setPen(QPen(look.skin.darker(130), 1.1));
    p.setBrush(look.skin);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(f.cx + side * (f.hw - 0.5), f.cy + 4);
        p.drawEllipse(c, 5.5, 8);
        p.save();
        p.setPen(QPen(look.skin.darker(125), 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 2.5, c.y() - 4.5, 5, 9), side < 0 ? 90 * 16 : -90 * 16, 180 * 16);
        p.restore();
    }
}

void paintEarrings(QPainter& p, const Look& look, const Frame& f) {
    if (!look.earrings) return;
    const QColor gold(0xe8, 0xba, 0x3a);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(f.cx + side * (f.hw + 0.5), f.cy + 14);
        if (look.hoops) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(gold, 1.6));
            p.drawEllipse(c + QPointF(0, 3), 3.6, 3.6);
        } else {
            p.setPen(QPen(gold.darker(130), 0.7));
            p.setBrush(gold);
            p.drawEllipse(c, 2.3, 2.3);
        }
    }
}

}  // namespace face
