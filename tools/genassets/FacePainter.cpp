#include "FacePainter.h"

#include "FaceBeard.h"
#include "FaceClothes.h"
#include "FaceHair.h"
#include "FaceHead.h"
#include "FaceLook.h"
#include "PaintKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace {

void paintBackground(QPainter &p, const face::Look &look)
{
    QRadialGradient g(QPointF(60, 45), 85);
    g.setColorAt(0, look.background.lighter(108));
    g.setColorAt(1, look.background.darker(108));
    p.fillRect(QRectF(0, 0, FacePainter::Size, FacePainter::Size), g);
    // A soft halo behind the head.
    p.setPen(Qt::NoPen);
    QColor halo = Qt::white;
    halo.setAlpha(45);
    p.setBrush(halo);
    p.drawEllipse(QPointF(60, 54), 46, 46);
}

} // namespace

namespace face {

namespace {

void paintFeatures(QPainter &p, const Look &look, const Frame &f)
{
    const QColor ink(0x2a, 0x1e, 0x1a);
    const qreal eyeY = f.cy + 1;
    const qreal eyeDx = f.hw * 0.42;

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
            for (const QPointF &s : spots)
                p.drawEllipse(QPointF(f.cx + side * f.hw * 0.55 + s.x(), eyeY + 8 + s.y()), 0.7, 0.7);
    }

    // Eyebrows.
    QColor browColour = look.hairColour.darker(look.hairColour.lightness() > 150 ? 160 : 115);
    if (look.hair == Hair::Bald && !look.older)
        browColour = QColor(0x3b, 0x28, 0x1e);
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

    // Eyes.
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
                p.drawLine(QPointF(outer, c.y() + 0.5), QPointF(outer + side * 1.8, c.y() - 1.5));
            }
            break;
        }
        }
    }

    // Nose.
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

    // Mouth.
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
        p.setPen(QPen(look.lipstick ? lip : QColor(0x6a, 0x26, 0x22), 1.2, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
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

    if (look.older) {
        p.setPen(QPen(look.skin.darker(122), 0.9, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int side = -1; side <= 1; side += 2) {
            const qreal x = f.cx + side * (eyeDx + 7);
            p.drawLine(QPointF(x, eyeY - 1), QPointF(x + side * 2.5, eyeY - 2.5));
            p.drawLine(QPointF(x, eyeY + 1), QPointF(x + side * 2.5, eyeY + 2));
        }
        p.drawArc(QRectF(f.cx - 8, eyeY - 19, 16, 6), 30 * 16, 120 * 16);
    }
}

void paintGlasses(QPainter &p, const Look &look, const Frame &f)
{
    if (look.glasses == Glasses::None)
        return;
    const qreal eyeY = f.cy + 1;
    const qreal eyeDx = f.hw * 0.42;
    QColor lens(255, 255, 255, 55);
    p.setPen(QPen(look.glassesColour, 1.8));
    p.setBrush(lens);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(f.cx + side * eyeDx, eyeY);
        switch (look.glasses) {
        case Glasses::Round: p.drawEllipse(c, 7.5, 7.5); break;
        case Glasses::Square: p.drawRoundedRect(QRectF(c.x() - 8, c.y() - 6, 16, 12), 2.5, 2.5); break;
        case Glasses::Wide: p.drawRoundedRect(QRectF(c.x() - 8.5, c.y() - 5, 17, 10), 4.5, 4.5); break;
        case Glasses::None: break;
        }
        // Temple arm towards the ear.
        p.drawLine(QPointF(f.cx + side * (eyeDx + 8), eyeY - 2), QPointF(f.cx + side * (f.hw - 0.5), eyeY - 3));
    }
    QPainterPath bridge;
    bridge.moveTo(f.cx - eyeDx + 7.5, eyeY - 1);
    bridge.quadTo(f.cx, eyeY - 4, f.cx + eyeDx - 7.5, eyeY - 1);
    p.setBrush(Qt::NoBrush);
    p.drawPath(bridge);
}

} // namespace

} // namespace face

QImage FacePainter::portrait(int index) const
{
    const face::Look look = face::makeLook(index);
    face::Frame f;
    f.hw = look.halfWidth;
    f.hh = look.halfHeight;

    QImage image = PaintKit::canvas(Size, Size, look.background);
    QPainter p(&image);
    PaintKit::prepare(p);

    paintBackground(p, look);
    face::paintShirt(p, look, f);
    face::paintBackHair(p, look, f);
    face::paintNeck(p, look, f);
    face::paintCollar(p, look, f);
    face::paintEars(p, look, f);
    const QPainterPath head = face::headPath(f, look.jaw);
    face::paintHead(p, look, head);
    face::paintFacialHair(p, look, f, head);
    face::paintFeatures(p, look, f);
    face::paintFrontHair(p, look, f);
    face::paintGlasses(p, look, f);
    face::paintEarrings(p, look, f);
    return image;
}
