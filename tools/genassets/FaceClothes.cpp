#include "FaceClothes.h"

#include <QPainter>
#include <QPainterPath>

#include "FaceHead.h"

namespace face {

namespace {

// The line round the shirt and its collar.
QColor seamColour(const Look& look) {
    return look.shirt.darker(135);
}

}  // namespace

void paintShirt(QPainter& p, const Look& look, const Frame& f) {
    const QColor line = seamColour(look);
    QPainterPath body;
    body.moveTo(f.cx - 58, 122);
    body.cubicTo(f.cx - 56, 104, f.cx - 38, 98, f.cx - 15, 96);
    body.lineTo(f.cx + 15, 96);
    body.cubicTo(f.cx + 38, 98, f.cx + 56, 104, f.cx + 58, 122);
    body.closeSubpath();
    p.setPen(QPen(line, 1.3));
    p.setBrush(look.shirt);
    p.drawPath(body);

    if (look.collar == Collar::Hoodie) {
        QPainterPath hood;
        hood.moveTo(f.cx - 30, 99);
        hood.cubicTo(f.cx - 22, 92, f.cx + 22, 92, f.cx + 30, 99);
        hood.cubicTo(f.cx + 22, 110, f.cx - 22, 110, f.cx - 30, 99);
        p.setBrush(look.shirt.lighter(112));
        p.drawPath(hood);
        p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(f.cx - 6, 105), QPointF(f.cx - 7, 116));
        p.drawLine(QPointF(f.cx + 6, 105), QPointF(f.cx + 7, 116));
    }
}

void paintCollar(QPainter& p, const Look& look, const Frame& f) {
    const QColor line = seamColour(look);
    switch (look.collar) {
        case Collar::Crew: {
            QPainterPath band;
            band.moveTo(f.cx - 15, 96);
            band.quadTo(f.cx, 108, f.cx + 15, 96);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(look.shirt.darker(115), 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(band);
            break;
        }
        case Collar::VNeck: {
            QPainterPath v;
            v.moveTo(f.cx - 15, 96);
            v.lineTo(f.cx, 112);
            v.lineTo(f.cx + 15, 96);
            p.setPen(QPen(line, 1.3));
            p.setBrush(neckShade(look));
            p.drawPath(v);
            break;
        }
        case Collar::Shirt: {
            p.setPen(QPen(QColor(0xb0, 0xb0, 0xb8), 1.0));
            p.setBrush(Qt::white);
            QPolygonF left, right;
            left << QPointF(f.cx - 14, 94) << QPointF(f.cx, 106) << QPointF(f.cx - 8, 112)
                 << QPointF(f.cx - 18, 99);
            right << QPointF(f.cx + 14, 94) << QPointF(f.cx, 106) << QPointF(f.cx + 8, 112)
                  << QPointF(f.cx + 18, 99);
            p.drawPolygon(left);
            p.drawPolygon(right);
            p.setPen(Qt::NoPen);
            p.setBrush(line);
            p.drawEllipse(QPointF(f.cx, 115), 1.3, 1.3);
            break;
        }
        case Collar::Turtle: {
            p.setPen(QPen(line, 1.2));
            p.setBrush(look.shirt.lighter(108));
            p.drawRoundedRect(QRectF(f.cx - 15, 90, 30, 12), 5, 5);
            break;
        }
        case Collar::Hoodie:
            break;
    }
}

}  // namespace face
