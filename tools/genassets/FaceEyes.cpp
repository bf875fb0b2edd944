#include "FaceEyes.h"

#include <QPainter>
#include <QPainterPath>

namespace face {

void paintBrows(QPainter& p, const Look& look, const Frame& f) {
    const qreal eyeY = f.eyeY();
    const qreal eyeDx = f.eyeDx();
    QColor browColour = look.hairColour.darker(look.hairColour.lightness() > 150 ? 160 : 115);
    if (look.hair == Hair::Bald && !look.older) browColour = QColor(0x3b, 0x28, 0x1e);
    const qreal browWidth = look.brows == Brows::Thick ? 3.4 : 2.3;
    p.setPen(QPen(browColour, browWidth, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = f.cx + side * eyeDx;
        const qreal y = eyeY - 9;
        QPainterPath b;
        switch (look.brows) {
            case Brows::Arch:
                b.moveTo(x - side * 5, y + 1.5);
                b.quadTo(x, y - 3, x + side * 5.5, y + 1);
                break;
            case Brows::Straight:
            case Brows::Thick:
                b.moveTo(x - side * 5, y);
                b.lineTo(x + side * 5, y + 0.5);
                break;
            case Brows::Raised:
                b.moveTo(x - side * 5, y - 0.5);
                b.quadTo(x - side * 1, y - 3.5, x + side * 5, y + 1.5);
                break;
        }
        p.drawPath(b);
    }
}

void paintEyes(QPainter& p, const Look& look, const Frame& f) {
    const QColor ink(0x2a, 0x1e, 0x1a);
    const qreal eyeY = f.eyeY();
    const qreal eyeDx = f.eyeDx();
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(f.cx + side * eyeDx, eyeY);
        switch (look.eyes) {
            case Eyes::Dot:
                p.setPen(Qt::NoPen);
                p.setBrush(ink);
                p.drawEllipse(c, 3, 3.6);
                p.setBrush(Qt::white);
                p.drawEllipse(c + QPointF(1, -1.2), 1, 1);
                break;
            case Eyes::Round:
                p.setPen(QPen(ink, 1.0));
                p.setBrush(Qt::white);
                p.drawEllipse(c, 5, 4.4);
                p.setPen(Qt::NoPen);
                p.setBrush(look.eyeColour);
                p.drawEllipse(c + QPointF(0, 0.4), 3, 3);
                p.setBrush(ink);
                p.drawEllipse(c + QPointF(0, 0.4), 1.5, 1.5);
                p.setBrush(Qt::white);
                p.drawEllipse(c + QPointF(1, -0.8), 0.9, 0.9);
                break;
            case Eyes::Happy: {
                QPainterPath arc;
                arc.moveTo(c.x() - 4.2, c.y() + 1.5);
                arc.quadTo(c.x(), c.y() - 4, c.x() + 4.2, c.y() + 1.5);
                p.setPen(QPen(ink, 2.1, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(arc);
                break;
            }
            case Eyes::Almond: {
                QPainterPath almond;
                almond.moveTo(c.x() - 5.5, c.y() + 0.5);
                almond.quadTo(c.x(), c.y() - 5, c.x() + 5.5, c.y() + 0.5);
                almond.quadTo(c.x(), c.y() + 4, c.x() - 5.5, c.y() + 0.5);
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawPath(almond);
                p.save();
                p.setClipPath(almond);
                p.setBrush(look.eyeColour);
                p.drawEllipse(c + QPointF(0, -0.3), 2.8, 2.8);
                p.setBrush(ink);
                p.drawEllipse(c + QPointF(0, -0.3), 1.4, 1.4);
                p.restore();
                QPainterPath lid;
                lid.moveTo(c.x() - 5.8, c.y() + 0.5);
                lid.quadTo(c.x(), c.y() - 5.2, c.x() + 5.8, c.y() + 0.5);
                p.setPen(QPen(ink, look.feminine ? 1.8 : 1.3, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(lid);
                if (look.feminine) {
                    const qreal outer = c.x() + side * 5.8;
                    p.drawLine(QPointF(outer, c.y() + 0.5),
                               QPointF(outer + side * 1.8, c.y() - 1.5));
                }
                break;
            }
        }
    }
}

void paintGlasses(QPainter& p, const Look& look, const Frame& f) {
    if (look.glasses == Glasses::None) return;
    const qreal eyeY = f.eyeY();
    const qreal eyeDx = f.eyeDx();
    QColor lens(255, 255, 255, 55);
    p.setPen(QPen(look.glassesColour, 1.8));
    p.setBrush(lens);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(f.cx + side * eyeDx, eyeY);
        switch (look.glasses) {
            case Glasses::Round:
                p.drawEllipse(c, 7.5, 7.5);
                break;
            case Glasses::Square:
                p.drawRoundedRect(QRectF(c.x() - 8, c.y() - 6, 16, 12), 2.5, 2.5);
                break;
            case Glasses::Wide:
                p.drawRoundedRect(QRectF(c.x() - 8.5, c.y() - 5, 17, 10), 4.5, 4.5);
                break;
            case Glasses::None:
                break;
        }
        // Temple arm towards the ear.
        p.drawLine(QPointF(f.cx + side * (eyeDx + 8), eyeY - 2),
                   QPointF(f.cx + side * (f.hw - 0.5), eyeY - 3));
    }
    QPainterPath bridge;
    bridge.moveTo(f.cx - eyeDx + 7.5, eyeY - 1);
    bridge.quadTo(f.cx, eyeY - 4, f.cx + eyeDx - 7.5, eyeY - 1);
    p.setBrush(Qt::NoBrush);
    p.drawPath(bridge);
}

}  // namespace face
