#include "FaceHair.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

namespace face {

namespace {

// Curls and puffs of hair: overlapping circles merged into one outline.
QPainterPath circles(const std::vector<QPointF>& centres, qreal r) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    for (const QPointF& c : centres) p.addEllipse(c, r, r);
    return p.simplified();
}

}  // namespace

void paintBackHair(QPainter& p, const Look& look, const Frame& f) {
    const QColor c = look.hairColour;
    p.setPen(QPen(c.darker(135), 1.2));
    p.setBrush(c);
    switch (look.hair) {
        case Hair::Long:
        case Hair::Wavy: {
            QPainterPath back;
            back.moveTo(f.cx - f.hw - 6, f.cy - 8);
            back.cubicTo(f.cx - f.hw - 10, f.cy - f.hh * 1.6, f.cx + f.hw + 10, f.cy - f.hh * 1.6,
                         f.cx + f.hw + 6, f.cy - 8);
            back.cubicTo(f.cx + f.hw + 9, f.cy + 20, f.cx + f.hw + 10, f.cy + 38, f.cx + f.hw + 4,
                         104);
            back.lineTo(f.cx - f.hw - 4, 104);
            back.cubicTo(f.cx - f.hw - 10, f.cy + 38, f.cx - f.hw - 9, f.cy + 20, f.cx - f.hw - 6,
                         f.cy - 8);
            back.closeSubpath();
            if (look.hair == Hair::Wavy) {
                std::vector<QPointF> curls;
                for (int i = 0; i < 6; ++i) {
                    curls.push_back(QPointF(f.cx - f.hw - 5 + (i % 2) * 2, f.cy - 2 + i * 8.5));
                    curls.push_back(QPointF(f.cx + f.hw + 5 - (i % 2) * 2, f.cy - 2 + i * 8.5));
                }
                back = back.united(circles(curls, 6));
            }
            p.drawPath(back);
            break;
        }
        case Hair::Bob: {
            QPainterPath back;
            back.moveTo(f.cx - f.hw - 7, f.cy - 6);
            back.cubicTo(f.cx - f.hw - 10, f.cy - f.hh * 1.6, f.cx + f.hw + 10, f.cy - f.hh * 1.6,
                         f.cx + f.hw + 7, f.cy - 6);
            back.cubicTo(f.cx + f.hw + 9, f.cy + 12, f.cx + f.hw + 8, f.cy + 20, f.cx + f.hw + 3,
                         f.cy + 22);
            back.lineTo(f.cx - f.hw - 3, f.cy + 22);
            back.cubicTo(f.cx - f.hw - 8, f.cy + 20, f.cx - f.hw - 9, f.cy + 12, f.cx - f.hw - 7,
                         f.cy - 6);
            back.closeSubpath();
            p.drawPath(back);
            break;
        }
        case Hair::Afro: {
            std::vector<QPointF> puffs;
            const QPointF centre(f.cx, f.cy - 10);
            const qreal r = f.hw + 12;
            for (int i = 0; i < 16; ++i) {
                const qreal a = i * 2 * 3.14159265358979 / 16;
                puffs.push_back(
                    QPointF(centre.x() + r * std::cos(a), centre.y() + r * 0.92 * std::sin(a)));
            }
            QPainterPath afro = circles(puffs, 9.5);
            QPainterPath core;
            core.addEllipse(centre, r, r * 0.92);
            afro = afro.united(core);
            p.drawPath(afro);
            break;
        }
        case Hair::Curly: {
            std::vector<QPointF> puffs;
            for (int i = 0; i <= 10; ++i) {
                const qreal a = 3.14159265358979 * (1.0 + i / 10.0);
                puffs.push_back(
                    QPointF(f.cx + (f.hw + 4) * std::cos(a), f.cy - 6 + (f.hh + 6) * std::sin(a)));
            }
            if (look.feminine) {
                for (int i = 0; i < 4; ++i) {
                    puffs.push_back(QPointF(f.cx - f.hw - 4, f.cy + 2 + i * 8));
                    puffs.push_back(QPointF(f.cx + f.hw + 4, f.cy + 2 + i * 8));
                }
            }
            p.drawPath(circles(puffs, 8));
            break;
        }
        case Hair::Bun:
            p.drawEllipse(QPointF(f.cx, f.cy - f.hh - 8), 12, 10);
            break;
        case Hair::Ponytail: {
            QPainterPath tail;
            tail.moveTo(f.cx + f.hw - 4, f.cy - 18);
            tail.cubicTo(f.cx + f.hw + 20, f.cy - 18, f.cx + f.hw + 16, f.cy + 14, f.cx + f.hw + 10,
                         f.cy + 30);
            tail.cubicTo(f.cx + f.hw + 4, f.cy + 14, f.cx + f.hw + 4, f.cy - 4, f.cx + f.hw - 4,
                         f.cy - 8);
            tail.closeSubpath();
            p.drawPath(tail);
            break;
        }
        default:
            break;
    }
}

void paintFrontHair(QPainter& p, const Look& look, const Frame& f) {
    QColor c = look.hairColour;
    const qreal top = f.cy - f.hh * 1.42;
    QPainterPath cap;
    switch (look.hair) {
        case Hair::Bald:
            if (look.older) {
                p.setPen(QPen(c.darker(130), 1.0));
                p.setBrush(c);
                p.drawEllipse(QPointF(f.cx - f.hw + 1, f.cy - 10), 4, 7);
                p.drawEllipse(QPointF(f.cx + f.hw - 1, f.cy - 10), 4, 7);
            }
            // A soft shine on the scalp.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 70));
            p.drawEllipse(QPointF(f.cx - 9, f.cy - f.hh + 2), 7, 3.5);
            return;
        case Hair::Buzz:
        case Hair::Short:
        case Hair::Spiky: {
            const qreal lift = look.hair == Hair::Buzz ? 1.33 : 1.5;
            cap.moveTo(f.cx - f.hw - 1.5, f.cy + 1);
            if (look.hair == Hair::Spiky) {
                cap.lineTo(f.cx - f.hw - 3, f.cy - 12);
                const int spikes = 7;
                for (int i = 0; i <= spikes; ++i) {
                    const qreal t = static_cast<qreal>(i) / spikes;
                    const qreal x = f.cx - f.hw - 3 + t * (2 * f.hw + 6);
                    const qreal arc = std::sin(t * 3.14159265358979);
                    const qreal base = f.cy - 12 - arc * (f.hh * 0.95);
                    if (i > 0) cap.lineTo(x - (2 * f.hw + 6) / spikes / 2, base - 9 - arc * 3);
                    cap.lineTo(x, base);
                }
                cap.lineTo(f.cx + f.hw + 1.5, f.cy + 1);
            } else {
                cap.cubicTo(f.cx - f.hw - 4, f.cy - f.hh * lift, f.cx + f.hw + 4,
                            f.cy - f.hh * lift, f.cx + f.hw + 1.5, f.cy + 1);
            }
            cap.lineTo(f.cx + f.hw - 3, f.cy + 1);
            if (look.hair == Hair::Short) {
                // A fringe of a few tufts swept towards one side.
                const qreal y = f.cy - f.hh * 0.52;
                const qreal right = f.cx + f.hw * 0.8, left = f.cx - f.hw * 0.8;
                cap.cubicTo(f.cx + f.hw - 3, f.cy - 8, f.cx + f.hw - 2, y, right, y);
                const int tufts = 4;
                const qreal step = (right - left) / tufts;
                for (int i = 0; i < tufts; ++i) {
                    const qreal x0 = right - i * step;
                    const qreal tipY = y + 4.5 + (i == 1 ? 1.5 : 0);
                    cap.quadTo(x0 - step * 0.3, y - 1, x0 - step * 0.85, tipY);
                    cap.quadTo(x0 - step * 0.9, y - 1.5, x0 - step, y - 0.5);
                }
                cap.cubicTo(f.cx - f.hw + 2, y, f.cx - f.hw + 3, f.cy - 8, f.cx - f.hw + 3,
                            f.cy + 1);
            } else {
                cap.cubicTo(f.cx + f.hw - 4, f.cy - f.hh * 0.45, f.cx + f.hw * 0.35,
                            f.cy - f.hh * 0.62, f.cx, f.cy - f.hh * 0.6);
                cap.cubicTo(f.cx - f.hw * 0.35, f.cy - f.hh * 0.62, f.cx - f.hw + 4,
                            f.cy - f.hh * 0.45, f.cx - f.hw + 3, f.cy + 1);
            }
            cap.closeSubpath();
            if (look.hair == Hair::Buzz) {
                c = QColor((c.red() + look.skin.red()) / 2, (c.green() + look.skin.green()) / 2,
                           (c.blue() + look.skin.blue()) / 2);
                c = c.darker(115);
            }
            break;
        }
        case Hair::SidePart: {
            cap.moveTo(f.cx - f.hw - 1.5, f.cy + 1);
            cap.cubicTo(f.cx - f.hw - 5, f.cy - f.hh * 1.55, f.cx + f.hw + 5, f.cy - f.hh * 1.55,
                        f.cx + f.hw + 1.5, f.cy + 1);
            cap.lineTo(f.cx + f.hw - 3, f.cy + 1);
            cap.cubicTo(f.cx + f.hw - 3, f.cy - f.hh * 0.3, f.cx + f.hw * 0.2, f.cy - f.hh * 0.35,
                        f.cx - f.hw * 0.35, f.cy - f.hh * 0.85);
            cap.cubicTo(f.cx - f.hw * 0.6, f.cy - f.hh * 0.75, f.cx - f.hw + 3, f.cy - f.hh * 0.5,
                        f.cx - f.hw + 3, f.cy + 1);
            cap.closeSubpath();
            break;
        }
        case Hair::Long:
        case Hair::Wavy:
        case Hair::Bob:
        case Hair::Ponytail:
        case Hair::Bun:
        case Hair::Curly:
        case Hair::Afro: {
            const bool tight = look.hair == Hair::Bun || look.hair == Hair::Ponytail;
            const bool sides = look.hair != Hair::Afro && look.hair != Hair::Curly && !tight;
            const qreal lift = tight ? 1.42 : 1.55;
            const qreal bottom = sides ? f.cy + 16 : f.cy + 1;
            cap.moveTo(f.cx - f.hw - 2, bottom);
            cap.cubicTo(f.cx - f.hw - 6, f.cy - f.hh * lift, f.cx + f.hw + 6, f.cy - f.hh * lift,
                        f.cx + f.hw + 2, bottom);
            cap.lineTo(f.cx + f.hw - 4, bottom);
            if (look.bangs && !tight) {
                cap.cubicTo(f.cx + f.hw - 3, f.cy - 6, f.cx + f.hw - 4, f.cy - f.hh * 0.42,
                            f.cx + f.hw * 0.5, f.cy - f.hh * 0.42);
                cap.quadTo(f.cx, f.cy - f.hh * 0.34, f.cx - f.hw * 0.5, f.cy - f.hh * 0.42);
                cap.cubicTo(f.cx - f.hw + 4, f.cy - f.hh * 0.42, f.cx - f.hw + 3, f.cy - 6,
                            f.cx - f.hw + 4, bottom);
            } else {
                cap.cubicTo(f.cx + f.hw - 3, f.cy - f.hh * 0.5, f.cx + f.hw * 0.4,
                            f.cy - f.hh * 0.62, f.cx, f.cy - f.hh * 0.8);
                cap.cubicTo(f.cx - f.hw * 0.4, f.cy - f.hh * 0.62, f.cx - f.hw + 3,
                            f.cy - f.hh * 0.5, f.cx - f.hw + 4, bottom);
            }
            cap.closeSubpath();
            if (look.hair == Hair::Afro || look.hair == Hair::Curly) {
                // Curls along the hairline.
                std::vector<QPointF> curls;
                for (int i = 0; i <= 6; ++i) {
                    const qreal t = i / 6.0;
                    const qreal x = f.cx - f.hw * 0.85 + t * f.hw * 1.7;
                    const qreal y =
                        f.cy - f.hh * 0.62 - std::sin(t * 3.14159265358979) * f.hh * 0.18;
                    curls.push_back(QPointF(x, y));
                }
                cap = cap.united(circles(curls, 5));
            }
            break;
        }
    }
    p.setPen(QPen(c.darker(135), 1.2));
    p.setBrush(c);
    p.drawPath(cap);
    // A light streak gives the hair some sheen.
    p.save();
    p.setClipPath(cap);
    p.setBrush(Qt::NoBrush);
    QColor sheen = c.lighter(140);
    sheen.setAlpha(110);
    p.setPen(QPen(sheen, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(f.cx - f.hw * 0.8, top + 6, f.hw * 1.2, f.hh * 0.9), 100 * 16, 50 * 16);
    p.restore();
}

}  // namespace face
