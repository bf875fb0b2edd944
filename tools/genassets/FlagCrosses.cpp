#include "FlagCrosses.h"

#include <QPainter>

#include "FlagKit.h"

namespace flag {

namespace {

// Nordic cross. Proportions in flag units: hoist-side field, cross width, fly-side field;
// top field, cross height, bottom field. innerInset > 0 draws a second cross inside (Norway).
void nordic(QPainter& p, unsigned field, unsigned cross, qreal hoist, qreal arm, qreal fly,
            qreal top, qreal bottom, unsigned inner = 0, qreal innerInset = 0) {
    p.fillRect(QRectF(0, 0, W, H), rgb(field));
    const qreal ux = W / (hoist + arm + fly);
    const qreal uy = H / (top + arm + bottom);
    p.fillRect(QRectF(hoist * ux, 0, arm * ux, H), rgb(cross));
    p.fillRect(QRectF(0, top * uy, W, arm * uy), rgb(cross));
    if (innerInset > 0) {
        p.fillRect(QRectF((hoist + innerInset) * ux, 0, (arm - 2 * innerInset) * ux, H),
                   rgb(inner));
        p.fillRect(QRectF(0, (top + innerInset) * uy, W, (arm - 2 * innerInset) * uy), rgb(inner));
    }
}

}  // namespace

void sweden(QPainter& p) {
    nordic(p, 0x006aa7, 0xfecc00, 5, 2, 9, 4, 4);
}
void denmark(QPainter& p) {
    nordic(p, 0xc8102e, 0xffffff, 12, 4, 21, 12, 12);
}
void finland(QPainter& p) {
    nordic(p, 0xffffff, 0x002f6c, 5, 3, 10, 4, 4);
}
void norway(QPainter& p) {
    nordic(p, 0xba0c2f, 0xffffff, 6, 4, 12, 6, 6, 0x00205b, 1);
}

void unitedKingdom(QPainter& p) {
    const qreal u = H / 30.0;  // the flag is designed on a 60 x 30 grid
    p.fillRect(QRectF(0, 0, W, H), rgb(0x012169));
    const QLineF diagA(0, 0, W, H);
    const QLineF diagB(0, H, W, 0);
    p.setPen(QPen(Qt::white, 6 * u, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(diagA.pointAt(-0.1), diagA.pointAt(1.1));
    p.drawLine(diagB.pointAt(-0.1), diagB.pointAt(1.1));

    // Red saltire, counterchanged: in each quarter the red band lies on one side of the diagonal.
    const QColor red = rgb(0xc8102e);
    auto redBand = [&](const QRectF& quarter, const QLineF& diag, qreal side) {
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
    redBand(tl, diagA, 1);   // below the diagonal near the hoist
    redBand(br, diagA, -1);  // above it near the fly
    redBand(tr, diagB, -1);  // pinwheel: always on the anticlockwise side of its arm
    redBand(bl, diagB, 1);

    p.fillRect(QRectF(W / 2 - 5 * u, 0, 10 * u, H), Qt::white);
    p.fillRect(QRectF(0, H / 2 - 5 * u, W, 10 * u), Qt::white);
    p.fillRect(QRectF(W / 2 - 3 * u, 0, 6 * u, H), red);
    p.fillRect(QRectF(0, H / 2 - 3 * u, W, 6 * u), red);
}

void switzerland(QPainter& p) {
    p.fillRect(QRectF(0, 0, W, H), rgb(0xda291c));
    const qreal arm = 15, span = 50;
    const QPointF c(W / 2, H / 2);
    p.fillRect(QRectF(c.x() - arm / 2, c.y() - span / 2, arm, span), Qt::white);
    p.fillRect(QRectF(c.x() - span / 2, c.y() - arm / 2, span, arm), Qt::white);
}

void greece(QPainter& p) {
    const qreal s = H / 9.0;
    for (int i = 0; i < 9; ++i)
        p.fillRect(QRectF(0, i * s, W, s + 1), rgb(i % 2 == 0 ? 0x0d5eaf : 0xffffff));
    p.fillRect(QRectF(0, 0, 5 * s, 5 * s), rgb(0x0d5eaf));
    p.fillRect(QRectF(2 * s, 0, s, 5 * s), Qt::white);
    p.fillRect(QRectF(0, 2 * s, 5 * s, s), Qt::white);
}

}  // namespace flag
