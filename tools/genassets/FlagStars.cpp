#include "FlagStars.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "FlagKit.h"
#include "PaintKit.h"

namespace flag {

namespace {

void fillStar(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal rotation = 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(PaintKit::star(c, r, r * 0.382, 5, rotation));
}

}  // namespace

void unitedStates(QPainter& p) {
    const qreal s = H / 13.0;
    for (int i = 0; i < 13; ++i)
        p.fillRect(QRectF(0, i * s, W, s + 1), rgb(i % 2 == 0 ? 0xb22234 : 0xffffff));
    const QRectF canton(0, 0, W * 0.4, 7 * s);
    p.fillRect(canton, rgb(0x3c3b6e));
    const qreal dx = canton.width() / 12.0, dy = canton.height() / 10.0;
    for (int row = 0; row < 9; ++row) {
        const int count = row % 2 == 0 ? 6 : 5;
        for (int i = 0; i < count; ++i) {
            const qreal x = dx * (row % 2 == 0 ? 1 + 2 * i : 2 + 2 * i);
            fillStar(p, QPointF(x, dy * (row + 1)), 1.9, Qt::white);
        }
    }
}

void brazil(QPainter& p) {
    p.fillRect(QRectF(0, 0, W, H), rgb(0x009c3b));
    QPolygonF rhombus;
    rhombus << QPointF(10, 40) << QPointF(60, 7) << QPointF(110, 40) << QPointF(60, 73);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xffdf00));
    p.drawPolygon(rhombus);
    const QPointF c(60, 40);
    const qreal r = 20;
    p.setBrush(rgb(0x002776));
    p.drawEllipse(c, r, r);
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.save();
    p.setClipPath(disc);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.6));
    p.drawEllipse(QPointF(52, 92), 56, 56);
    p.restore();
    const QPointF stars[] = {{50, 46}, {56, 52}, {63, 49}, {68, 55},
                             {60, 57}, {72, 46}, {47, 53}, {65, 42}};
    for (const QPointF& s : stars) fillStar(p, s, 1.5, Qt::white);
}

void china(QPainter& p) {
    p.fillRect(QRectF(0, 0, W, H), rgb(0xde2910));
    const qreal u = H / 20.0;
    const QColor yellow = rgb(0xffde00);
    const QPointF big(5 * u, 5 * u);
    fillStar(p, big, 3 * u, yellow);
    const QPointF small[] = {{10 * u, 2 * u}, {12 * u, 4 * u}, {12 * u, 7 * u}, {10 * u, 9 * u}};
    for (const QPointF& s : small) {
        // One point of every small star aims at the centre of the large one.
        const qreal angle = std::atan2(big.y() - s.y(), big.x() - s.x()) * 180.0 / std::numbers::pi;
        fillStar(p, s, u, yellow, angle + 90);
    }
}

void turkey(QPainter& p) {
    p.fillRect(QRectF(0, 0, W, H), rgb(0xe30a17));
    const qreal g = H;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0.5 * g, H / 2), 0.25 * g, 0.25 * g);
    p.setBrush(rgb(0xe30a17));
    p.drawEllipse(QPointF(0.5625 * g, H / 2), 0.2 * g, 0.2 * g);
    // The star's circle starts a third of the height past the inner circle's hoist edge.
    fillStar(p, QPointF((0.5625 - 0.2 + 1.0 / 3.0 + 0.125) * g, H / 2), 0.125 * g, Qt::white, -90);
}

}  // namespace flag
