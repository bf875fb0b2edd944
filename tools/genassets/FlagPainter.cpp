#include "FlagPainter.h"

#include "PaintKit.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace {

constexpr qreal W = FlagPainter::Width;
constexpr qreal H = FlagPainter::Height;

using Drawer = std::function<void(QPainter &)>;

QColor rgb(unsigned v)
{
    return QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
}

// Stripes of relative weights, top to bottom or hoist to fly.
void stripes(QPainter &p, bool horizontal, std::initializer_list<std::pair<unsigned, qreal>> bands)
{
    qreal total = 0;
    for (const auto &band : bands)
        total += band.second;
    qreal at = 0;
    for (const auto &band : bands) {
        const qreal length = (horizontal ? H : W) * band.second / total;
        // Each band overlaps the next by a pixel so no seam of background shows through.
        const QRectF r = horizontal ? QRectF(0, at, W, length + 1) : QRectF(at, 0, length + 1, H);
        p.fillRect(r, rgb(band.first));
        at += length;
    }
}

void horizontal(QPainter &p, std::initializer_list<unsigned> colours)
{
    qreal y = 0;
    const qreal h = H / static_cast<qreal>(colours.size());
    for (unsigned c : colours) {
        p.fillRect(QRectF(0, y, W, h + 1), rgb(c));
        y += h;
    }
}

void vertical(QPainter &p, std::initializer_list<unsigned> colours)
{
    qreal x = 0;
    const qreal w = W / static_cast<qreal>(colours.size());
    for (unsigned c : colours) {
        p.fillRect(QRectF(x, 0, w + 1, H), rgb(c));
        x += w;
    }
}

// Nordic cross. Proportions in flag units: hoist-side field, cross width, fly-side field;
// top field, cross height, bottom field. innerInset > 0 draws a second cross inside (Norway).
void nordic(QPainter &p, unsigned field, unsigned cross, qreal hoist, qreal arm, qreal fly, qreal top,
            qreal bottom, unsigned inner = 0, qreal innerInset = 0)
{
    p.fillRect(QRectF(0, 0, W, H), rgb(field));
    const qreal ux = W / (hoist + arm + fly);
    const qreal uy = H / (top + arm + bottom);
    p.fillRect(QRectF(hoist * ux, 0, arm * ux, H), rgb(cross));
    p.fillRect(QRectF(0, top * uy, W, arm * uy), rgb(cross));
    if (innerInset > 0) {
        p.fillRect(QRectF((hoist + innerInset) * ux, 0, (arm - 2 * innerInset) * ux, H), rgb(inner));
        p.fillRect(QRectF(0, (top + innerInset) * uy, W, (arm - 2 * innerInset) * uy), rgb(inner));
    }
}

void fillStar(QPainter &p, QPointF c, qreal r, const QColor &colour, qreal rotation = 0)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(PaintKit::star(c, r, r * 0.382, 5, rotation));
}

void italy(QPainter &p) { vertical(p, {0x009246, 0xffffff, 0xce2b37}); }
void france(QPainter &p) { vertical(p, {0x0055a4, 0xffffff, 0xef4135}); }
void ireland(QPainter &p) { vertical(p, {0x169b62, 0xffffff, 0xff883e}); }
void belgium(QPainter &p) { vertical(p, {0x000000, 0xfdda24, 0xef3340}); }
void germany(QPainter &p) { horizontal(p, {0x000000, 0xdd0000, 0xffce00}); }
void netherlands(QPainter &p) { horizontal(p, {0xae1c28, 0xffffff, 0x21468b}); }
void austria(QPainter &p) { horizontal(p, {0xc8102e, 0xffffff, 0xc8102e}); }
void russia(QPainter &p) { horizontal(p, {0xffffff, 0x0039a6, 0xd52b1e}); }
void poland(QPainter &p) { horizontal(p, {0xffffff, 0xdc143c}); }

void sweden(QPainter &p) { nordic(p, 0x006aa7, 0xfecc00, 5, 2, 9, 4, 4); }
void denmark(QPainter &p) { nordic(p, 0xc8102e, 0xffffff, 12, 4, 21, 12, 12); }
void finland(QPainter &p) { nordic(p, 0xffffff, 0x002f6c, 5, 3, 10, 4, 4); }
void norway(QPainter &p) { nordic(p, 0xba0c2f, 0xffffff, 6, 4, 12, 6, 6, 0x00205b, 1); }

void spain(QPainter &p)
{
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

void portugal(QPainter &p)
{
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
    for (const QPointF &q : quinas)
        p.drawRect(QRectF(c.x() + q.x() - 1.4, c.y() + q.y() - 1.2, 2.8, 3.4));
    // Castles on the red border, suggested by small gold marks.
    p.setBrush(rgb(0xffe000));
    const QPointF castles[] = {{-7.3, -8}, {7.3, -8}, {-7.3, 2}, {7.3, 2}, {0, 9.6}};
    for (const QPointF &q : castles)
        p.drawRect(QRectF(c.x() + q.x() - 1, c.y() + q.y() - 1, 2, 2));
}

void unitedKingdom(QPainter &p)
{
    const qreal u = H / 30.0; // the flag is designed on a 60 x 30 grid
    p.fillRect(QRectF(0, 0, W, H), rgb(0x012169));
    const QLineF diagA(0, 0, W, H);
    const QLineF diagB(0, H, W, 0);
    p.setPen(QPen(Qt::white, 6 * u, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(diagA.pointAt(-0.1), diagA.pointAt(1.1));
    p.drawLine(diagB.pointAt(-0.1), diagB.pointAt(1.1));

    // Red saltire, counterchanged: in each quarter the red band lies on one side of the diagonal.
    const QColor red = rgb(0xc8102e);
    auto redBand = [&](const QRectF &quarter, const QLineF &diag, qreal side) {
        const QPointF d = (diag.p2() - diag.p1()) / diag.length();
        const QPointF n(-d.y() * side, d.x() * side);
        const QPointF a = diag.pointAt(-0.1), b = diag.pointAt(1.1);
        QPolygonF band;
        band << a << b << b + n * (2 * u) << a + n * (2 * u);
        p.save();
        p.setClipRect(quarter);
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawPolygon(band);
        p.restore();
    };
    const QRectF tl(0, 0, W / 2, H / 2), tr(W / 2, 0, W / 2, H / 2);
    const QRectF bl(0, H / 2, W / 2, H / 2), br(W / 2, H / 2, W / 2, H / 2);
    redBand(tl, diagA, 1);  // below the diagonal near the hoist
    redBand(br, diagA, -1); // above it near the fly
    redBand(tr, diagB, -1); // pinwheel: always on the anticlockwise side of its arm
    redBand(bl, diagB, 1);

    p.fillRect(QRectF(W / 2 - 5 * u, 0, 10 * u, H), Qt::white);
    p.fillRect(QRectF(0, H / 2 - 5 * u, W, 10 * u), Qt::white);
    p.fillRect(QRectF(W / 2 - 3 * u, 0, 6 * u, H), red);
    p.fillRect(QRectF(0, H / 2 - 3 * u, W, 6 * u), red);
}

void switzerland(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), rgb(0xda291c));
    const qreal arm = 15, span = 50;
    const QPointF c(W / 2, H / 2);
    p.fillRect(QRectF(c.x() - arm / 2, c.y() - span / 2, arm, span), Qt::white);
    p.fillRect(QRectF(c.x() - span / 2, c.y() - arm / 2, span, arm), Qt::white);
}

void greece(QPainter &p)
{
    const qreal s = H / 9.0;
    for (int i = 0; i < 9; ++i)
        p.fillRect(QRectF(0, i * s, W, s + 1), rgb(i % 2 == 0 ? 0x0d5eaf : 0xffffff));
    p.fillRect(QRectF(0, 0, 5 * s, 5 * s), rgb(0x0d5eaf));
    p.fillRect(QRectF(2 * s, 0, s, 5 * s), Qt::white);
    p.fillRect(QRectF(0, 2 * s, 5 * s, s), Qt::white);
}

void unitedStates(QPainter &p)
{
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

void brazil(QPainter &p)
{
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
    const QPointF stars[] = {{50, 46}, {56, 52}, {63, 49}, {68, 55}, {60, 57}, {72, 46}, {47, 53}, {65, 42}};
    for (const QPointF &s : stars)
        fillStar(p, s, 1.5, Qt::white);
}

void argentina(QPainter &p)
{
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

void mexico(QPainter &p)
{
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
    beak << QPointF(c.x() - 6.3, c.y() - 7.6) << QPointF(c.x() - 8.5, c.y() - 6.5) << QPointF(c.x() - 6.2, c.y() - 6);
    p.drawPolygon(beak);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x4e8b33), 1.0));
    QPainterPath snake;
    snake.moveTo(c.x() - 8, c.y() - 6);
    snake.cubicTo(c.x() - 11, c.y() - 2, c.x() - 6, c.y() - 1, c.x() - 9, c.y() + 3);
    p.drawPath(snake);
}

void japan(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xbc002d));
    p.drawEllipse(QPointF(W / 2, H / 2), H * 0.3, H * 0.3);
}

void china(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), rgb(0xde2910));
    const qreal u = H / 20.0;
    const QColor yellow = rgb(0xffde00);
    const QPointF big(5 * u, 5 * u);
    fillStar(p, big, 3 * u, yellow);
    const QPointF small[] = {{10 * u, 2 * u}, {12 * u, 4 * u}, {12 * u, 7 * u}, {10 * u, 9 * u}};
    for (const QPointF &s : small) {
        // One point of every small star aims at the centre of the large one.
        const qreal angle = std::atan2(big.y() - s.y(), big.x() - s.x()) * 180.0 / std::numbers::pi;
        fillStar(p, s, u, yellow, angle + 90);
    }
}

void turkey(QPainter &p)
{
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

void canada(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    const QColor red = rgb(0xd52b1e);
    p.fillRect(QRectF(0, 0, W / 4, H), red);
    p.fillRect(QRectF(W * 3 / 4, 0, W / 4 + 1, H), red);
    // Maple leaf: the right half in leaf units, mirrored for the left.
    const QPointF half[] = {{0, -0.50}, {0.085, -0.33}, {0.16, -0.37}, {0.13, -0.10}, {0.28, -0.26},
                            {0.31, -0.18}, {0.45, -0.21}, {0.40, -0.05}, {0.47, -0.01}, {0.26, 0.16},
                            {0.29, 0.24}, {0.035, 0.20}, {0.035, 0.46}};
    QPolygonF leaf;
    for (const QPointF &pt : half)
        leaf << pt;
    for (int i = static_cast<int>(std::size(half)) - 1; i >= 1; --i)
        leaf << QPointF(-half[i].x(), half[i].y());
    QTransform t;
    t.translate(W / 2, H / 2 + 1);
    t.scale(56, 56);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPolygon(t.map(leaf));
}

void unknownNation(QPainter &p)
{
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

const QHash<QString, Drawer> &designs()
{
    static const QHash<QString, Drawer> table = {
        {QStringLiteral("italia"), italy},
        {QStringLiteral("francia"), france},
        {QStringLiteral("germania"), germany},
        {QStringLiteral("spagna"), spain},
        {QStringLiteral("portogallo"), portugal},
        {QStringLiteral("irlanda"), ireland},
        {QStringLiteral("regno unito"), unitedKingdom},
        {QStringLiteral("paesi bassi"), netherlands},
        {QStringLiteral("olanda"), netherlands},
        {QStringLiteral("belgio"), belgium},
        {QStringLiteral("svizzera"), switzerland},
        {QStringLiteral("austria"), austria},
        {QStringLiteral("svezia"), sweden},
        {QStringLiteral("norvegia"), norway},
        {QStringLiteral("danimarca"), denmark},
        {QStringLiteral("finlandia"), finland},
        {QStringLiteral("polonia"), poland},
        {QStringLiteral("grecia"), greece},
        {QStringLiteral("russia"), russia},
        {QStringLiteral("stati uniti"), unitedStates},
        {QStringLiteral("usa"), unitedStates},
        {QStringLiteral("brasile"), brazil},
        {QStringLiteral("argentina"), argentina},
        {QStringLiteral("messico"), mexico},
        {QStringLiteral("giappone"), japan},
        {QStringLiteral("cina"), china},
        {QStringLiteral("turchia"), turkey},
        {QStringLiteral("canada"), canada},
    };
    return table;
}

} // namespace

bool FlagPainter::knows(const QString &nation)
{
    return designs().contains(nation.trimmed().toLower());
}

QImage FlagPainter::flag(const QString &nation) const
{
    QImage image = PaintKit::canvas(Width, Height, Qt::white);
    QPainter painter(&image);
    PaintKit::prepare(painter);
    const auto found = designs().constFind(nation.trimmed().toLower());
    painter.save();
    if (found != designs().constEnd())
        (*found)(painter);
    else
        unknownNation(painter);
    painter.restore();

    // Thin dark border; the faint inner line lifts white flags off a white page.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.drawRect(0, 0, Width - 1, Height - 1);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
    painter.drawRect(1, 1, Width - 3, Height - 3);
    return image;
}
