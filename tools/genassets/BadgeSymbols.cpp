#include "BadgeSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "BadgeKit.h"

namespace badge {

namespace {

const QColor Red(0xe0, 0x3a, 0x3a);

void paintChip(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& colour) {
    // Side of the chip, then its face with the white edge spots.
    const qreal thick = ry * 0.55;
    p.setPen(QPen(colour.darker(170), 0.8));
    p.setBrush(colour.darker(125));
    p.drawRoundedRect(QRectF(c.x() - rx, c.y() - thick / 2, 2 * rx, thick + ry), ry, ry);
    p.setBrush(colour);
    p.drawEllipse(QPointF(c.x(), c.y() - thick / 2), rx, ry);
    p.setPen(QPen(White, 1.6, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(c.x(), c.y() - thick / 2), rx * 0.72, ry * 0.72);
}

}  // namespace

void paintStar(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(PaintKit::gold().darker(140), 1.2));
    p.setBrush(PaintKit::gold());
    p.drawPath(PaintKit::star(c, r, r * 0.45));
}

void paintTrophy(QPainter& p, QPointF c, qreal s) {
    const QColor gold = PaintKit::gold();
    p.setPen(QPen(gold.darker(150), 1.1));
    p.setBrush(Qt::NoBrush);
    QPen handle(gold, 2.6 * s);
    p.setPen(handle);
    p.drawArc(QRectF(c.x() - 15 * s, c.y() - 13 * s, 10 * s, 12 * s), 90 * 16, 180 * 16);
    p.drawArc(QRectF(c.x() + 5 * s, c.y() - 13 * s, 10 * s, 12 * s), 90 * 16, -180 * 16);
    p.setPen(QPen(gold.darker(150), 1.1));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(c.x() - 11 * s, c.y() - 14 * s);
    cup.lineTo(c.x() + 11 * s, c.y() - 14 * s);
    cup.cubicTo(c.x() + 11 * s, c.y() + 2 * s, c.x() + 5 * s, c.y() + 5 * s, c.x() + 2 * s,
                c.y() + 6 * s);
    cup.lineTo(c.x() + 2 * s, c.y() + 10 * s);
    cup.lineTo(c.x() + 7 * s, c.y() + 12 * s);
    cup.lineTo(c.x() + 7 * s, c.y() + 15 * s);
    cup.lineTo(c.x() - 7 * s, c.y() + 15 * s);
    cup.lineTo(c.x() - 7 * s, c.y() + 12 * s);
    cup.lineTo(c.x() - 2 * s, c.y() + 10 * s);
    cup.lineTo(c.x() - 2 * s, c.y() + 6 * s);
    cup.cubicTo(c.x() - 5 * s, c.y() + 5 * s, c.x() - 11 * s, c.y() + 2 * s, c.x() - 11 * s,
                c.y() - 14 * s);
    cup.closeSubpath();
    p.drawPath(cup);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(QRectF(c.x() - 7 * s, c.y() - 12 * s, 3 * s, 12 * s), 1.5, 1.5);
}
void paintChipStack(QPainter& p, QPointF base, int count, const QColor& colour, qreal rx) {
    const qreal ry = rx * 0.42;
    for (int i = 0; i < count; ++i)
        paintChip(p, QPointF(base.x(), base.y() - i * ry * 0.95), rx, ry, colour);
}

void paintCoins(QPainter& p, QPointF c) {
    const QColor gold = PaintKit::gold();
    auto coin = [&](QPointF at) {
        p.setPen(QPen(gold.darker(170), 0.9));
        p.setBrush(gold.darker(120));
        p.drawRoundedRect(QRectF(at.x() - 9, at.y() - 2, 18, 6.5), 3.2, 3.2);
        p.setBrush(gold);
        p.drawEllipse(QPointF(at.x(), at.y() - 1.5), 9, 3.5);
    };
    for (int i = 0; i < 5; ++i) coin(QPointF(c.x() - 7.5, c.y() + 8 - i * 4.2));
    for (int i = 0; i < 3; ++i) coin(QPointF(c.x() + 8, c.y() + 10 - i * 4.2));
    coin(QPointF(c.x(), c.y() + 14));
}

void paintOut(QPainter& p, QPointF c) {
    const QColor gold = PaintKit::gold();
    p.setPen(QPen(gold, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath door;
    door.moveTo(c.x() + 1, c.y() - 9);
    door.lineTo(c.x() + 1, c.y() - 14);
    door.lineTo(c.x() - 14, c.y() - 14);
    door.lineTo(c.x() - 14, c.y() + 14);
    door.lineTo(c.x() + 1, c.y() + 14);
    door.lineTo(c.x() + 1, c.y() + 9);
    p.drawPath(door);
    p.setPen(QPen(Red, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 7, c.y()), QPointF(c.x() + 10, c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    QPolygonF head;
    head << QPointF(c.x() + 16, c.y()) << QPointF(c.x() + 8, c.y() - 7)
         << QPointF(c.x() + 8, c.y() + 7);
    p.drawPolygon(head);
}

void paintSwapArrows(QPainter& p, QPointF c, qreal r) {
    const QColor gold = PaintKit::gold();
    p.setPen(QPen(gold, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(circle, 30 * 16, 120 * 16);
    p.drawArc(circle, 210 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int k = 0; k < 2; ++k) {
        const qreal end = radians(150 + k * 180);
        const QPointF at = c + QPointF(std::cos(end), -std::sin(end)) * r;
        const QPointF tangent(-std::sin(end),
                              -std::cos(end));  // direction of travel (counter-clockwise)
        const QPointF normal(-tangent.y(), tangent.x());
        QPolygonF head;
        head << at + tangent * 7 << at + normal * 5.5 << at - normal * 5.5;
        p.drawPolygon(head);
    }
}

void paintProhibition(QPainter& p, QPointF c, qreal r) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 6.5));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Red, 4.5));
    p.drawEllipse(c, r, r);
    const QPointF d(r * std::cos(radians(45)), r * std::sin(radians(45)));
    p.setPen(QPen(Red, 4.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - QPointF(d.x(), -d.y()), c + QPointF(d.x(), -d.y()));
}

void paintRankCard(QPainter& p, const QRectF& r, const QString& rank, Suit suit) {
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.0));
    p.setBrush(White);
    p.drawRoundedRect(r, 4, 4);
    const QColor colour = PaintKit::suitColour(suit);
    PaintKit::drawFittedText(p, QRectF(r.left(), r.top() + 3, r.width(), r.height() * 0.6), rank,
                             PaintKit::font(QStringLiteral("DejaVu Sans"), 28, true), colour);
    PaintKit::drawSuit(p, suit, QPointF(r.center().x(), r.bottom() - 11), 13, colour);
}

}  // namespace badge
