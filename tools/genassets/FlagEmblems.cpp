#include "FlagEmblems.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <iterator>
#include <numbers>

#include "FlagKit.h"

namespace flag {

void japan(QPainter& p) {
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xbc002d));
    p.drawEllipse(QPointF(W / 2, H / 2), H * 0.3, H * 0.3);
}

void argentina(QPainter& p) {
    horizontal(p, {0x74acdf, 0xffffff, 0x74acdf});
    const QPointF c(W / 2, H / 2);
    const QColor sun = rgb(0xf6b40e);
    const QColor edge = rgb(0x85340a);
    QPainterPath rays;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * std::numbers::pi / 8;
        const qreal len = i % 2 == 0 ? 12.5 : 10.5;
        const qreal half = 0.17;
        QPolygonF ray;
        ray << QPointF(c.x() + 5 * std::cos(a - half), c.y() + 5 * std::sin(a - half))
            << QPointF(c.x() + len * std::cos(a), c.y() + len * std::sin(a))
            << QPointF(c.x() + 5 * std::cos(a + half), c.y() + 5 * std::sin(a + half));
        rays.addPolygon(ray);
        rays.closeSubpath();
    }
    p.setPen(QPen(edge, 0.5));
    p.setBrush(sun);
    p.drawPath(rays);
    p.drawEllipse(c, 6, 6);
    p.setPen(QPen(edge, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPoint(QPointF(c.x() - 2, c.y() - 1));
    p.drawPoint(QPointF(c.x() + 2, c.y() - 1));
    p.drawArc(QRectF(c.x() - 2, c.y(), 4, 2.5), 200 * 16, 140 * 16);
}

void canada(QPainter& p) {
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    const QColor red = rgb(0xd52b1e);
    p.fillRect(QRectF(0, 0, W / 4, H), red);
    p.fillRect(QRectF(W * 3 / 4, 0, W / 4 + 1, H), red);
    // Maple leaf: the right half in leaf units, mirrored for the left.
    const QPointF half[] = {{0, -0.50},    {0.085, -0.33}, {0.16, -0.37}, {0.13, -0.10},
                            {0.28, -0.26}, {0.31, -0.18},  {0.45, -0.21}, {0.40, -0.05},
                            {0.47, -0.01}, {0.26, 0.16},   {0.29, 0.24},  {0.035, 0.20},
                            {0.035, 0.46}};
    QPolygonF leaf;
    for (const QPointF& pt : half) leaf << pt;
    for (int i = static_cast<int>(std::size(half)) - 1; i >= 1; --i)
        leaf << QPointF(-half[i].x(), half[i].y());
    QTransform t;
    t.translate(W / 2, H / 2 + 1);
    t.scale(56, 56);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPolygon(t.map(leaf));
}

void unknownNation(QPainter& p) {
    p.fillRect(QRectF(0, 0, W, H), rgb(0x7f93ab));
    p.fillRect(QRectF(0, H * 0.78, W, H * 0.22 + 1), rgb(0x6a7f99));
    const QPointF c(W / 2, H / 2 - 3);
    const qreal r = 22;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2.2));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, 1.3));
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    const qreal latY = r * 0.5;
    const qreal latX = std::sqrt(r * r - latY * latY);
    p.drawLine(QPointF(c.x() - latX, c.y() - latY), QPointF(c.x() + latX, c.y() - latY));
    p.drawLine(QPointF(c.x() - latX, c.y() + latY), QPointF(c.x() + latX, c.y() + latY));
}

}  // namespace flag
