#include "FaceFeatures.h"

#include <QPainter>
#include <QPainterPath>

namespace face {

void paintCheeks(QPainter& p, const Look& look, const Frame& f) {
    const qreal eyeY = f.eyeY();
    if (look.blush) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x70, 0x70, look.skin.lightness() > 150 ? 70 : 55));
        p.drawEllipse(QPointF(f.cx - f.hw * 0.6, eyeY + 10), 6, 3.6);
        p.drawEllipse(QPointF(f.cx + f.hw * 0.6, eyeY + 10), 6, 3.6);
    }
    if (look.freckles) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xa0, 0x60, 0x40, 150));
        const QPointF spots[] = {{-3, 0}, {0, 2.5}, {3, 0.5}, {-1.5, -2.5}, {2, -2}};
        for (int side = -1; side <= 1; side += 2)
            for (const QPointF& s : spots)
                p.drawEllipse(QPointF(f.cx + side * f.hw * 0.55 + s.x(), eyeY + 8 + s.y()), 0.7,
                              0.7);
    }
}

void paintNose(QPainter& p, const Look& look, const Frame& f) {
    const qreal eyeY = f.eyeY();
    const QColor noseColour = look.skin.darker(130);
    const qreal noseY = eyeY + 9;
    switch (look.nose) {
        case Nose::Curve: {
            QPainterPath n;
            n.moveTo(f.cx - 3, noseY + 1);
            n.quadTo(f.cx, noseY + 3.5, f.cx + 3, noseY + 1);
            p.setPen(QPen(noseColour, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(n);
            break;
        }
        case Nose::Button:
            p.setPen(Qt::NoPen);
            p.setBrush(look.skin.darker(112));
            p.drawEllipse(QPointF(f.cx, noseY), 3.6, 2.8);
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawEllipse(QPointF(f.cx - 1, noseY - 1), 1.1, 0.9);
            break;
        case Nose::Line: {
            QPainterPath n;
            n.moveTo(f.cx + 0.5, eyeY + 1);
            n.quadTo(f.cx - 2.5, noseY + 1, f.cx - 1, noseY + 2.2);
            n.lineTo(f.cx + 2.4, noseY + 1.6);
            p.setPen(QPen(noseColour, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(n);
            break;
        }
    }
}

void paintMouth(QPainter& p, const Look& look, const Frame& f) {
    const qreal my = f.cy + f.hh * 0.52;
    const QColor lip = look.lipstick ? QColor(0xc4, 0x2a, 0x48) : QColor(0x8a, 0x3a, 0x34);
    switch (look.mouth) {
        case Mouth::Smile:
        case Mouth::Small: {
            const qreal w = look.mouth == Mouth::Smile ? 8 : 5;
            QPainterPath m;
            m.moveTo(f.cx - w, my - 1);
            m.quadTo(f.cx, my + (look.mouth == Mouth::Smile ? 6 : 3.5), f.cx + w, my - 1);
            p.setPen(QPen(lip, look.lipstick ? 2.6 : 2.0, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(m);
            break;
        }
        case Mouth::Smirk: {
            QPainterPath m;
            m.moveTo(f.cx - 6, my + 1);
            m.quadTo(f.cx + 2, my + 3.5, f.cx + 7, my - 2);
            p.setPen(QPen(lip, 2.0, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(m);
            break;
        }
        case Mouth::Open:
        case Mouth::Grin: {
            const qreal w = look.mouth == Mouth::Open ? 8 : 10;
            const qreal depth = look.mouth == Mouth::Open ? 8 : 6;
            QPainterPath m;
            m.moveTo(f.cx - w, my - 1.5);
            m.quadTo(f.cx, my + 0.5, f.cx + w, my - 1.5);
            m.quadTo(f.cx + w * 0.8, my + depth, f.cx, my + depth);
            m.quadTo(f.cx - w * 0.8, my + depth, f.cx - w, my - 1.5);
            m.closeSubpath();
            p.setPen(QPen(look.lipstick ? lip : QColor(0x6a, 0x26, 0x22), 1.2, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(0x6e, 0x22, 0x24));
            p.drawPath(m);
            p.save();
            p.setClipPath(m);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(f.cx - w, my - 3, 2 * w, 4.2));
            p.setBrush(QColor(0xe8, 0x72, 0x7c));
            p.drawEllipse(QPointF(f.cx, my + depth + 1), w * 0.5, 3.4);
            p.restore();
            break;
        }
    }
}

void paintAgeLines(QPainter& p, const Look& look, const Frame& f) {
    if (!look.older) return;
    const qreal eyeY = f.eyeY();
    const qreal eyeDx = f.eyeDx();
    p.setPen(QPen(look.skin.darker(122), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = f.cx + side * (eyeDx + 7);
        p.drawLine(QPointF(x, eyeY - 1), QPointF(x + side * 2.5, eyeY - 2.5));
        p.drawLine(QPointF(x, eyeY + 1), QPointF(x + side * 2.5, eyeY + 2));
    }
    p.drawArc(QRectF(f.cx - 8, eyeY - 19, 16, 6), 30 * 16, 120 * 16);
}

}  // namespace face
