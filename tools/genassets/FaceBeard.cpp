#include "FaceBeard.h"

#include <QPainter>

namespace face {

void paintFacialHair(QPainter& p, const Look& look, const Frame& f, const QPainterPath& head) {
    QColor c = look.hairColour;
    if (look.hair == Hair::Bald && !look.older) c = QColor(0x3b, 0x28, 0x1e);
    const qreal mouthY = f.cy + f.hh * 0.5;
    p.setPen(QPen(c.darker(130), 1.0));
    p.setBrush(c);
    switch (look.facialHair) {
        case FacialHair::None:
            return;
        case FacialHair::Beard: {
            QPainterPath lower;
            lower.addRect(QRectF(0, f.cy + 2, 120, 60));
            QPainterPath chin;
            chin.addEllipse(QPointF(f.cx, f.cy + f.hh - 1), f.hw * 0.62, 8);
            QPainterPath cheeks;
            cheeks.addEllipse(QPointF(f.cx, f.cy + 5), f.hw * 0.7, f.hh * 0.3);
            QPainterPath beard = head.intersected(lower).united(chin).subtracted(cheeks);
            p.drawPath(beard);
            break;
        }
        case FacialHair::Stubble: {
            QPainterPath lower;
            lower.addRect(QRectF(0, f.cy + 6, 120, 60));
            QPainterPath cheeks;
            cheeks.addEllipse(QPointF(f.cx, f.cy + 6), f.hw * 0.66, f.hh * 0.28);
            QColor shadow = c;
            shadow.setAlpha(70);
            p.setPen(Qt::NoPen);
            p.setBrush(shadow);
            p.drawPath(head.intersected(lower).subtracted(cheeks));
            break;
        }
        case FacialHair::Goatee:
            p.drawEllipse(QPointF(f.cx, f.cy + f.hh - 4), 6, 6.5);
            [[fallthrough]];
        case FacialHair::Moustache:
        case FacialHair::Chevron: {
            QPainterPath m;
            const qreal y = mouthY - 4.5;
            if (look.facialHair == FacialHair::Chevron) {
                m.moveTo(f.cx - 10, y + 4);
                m.cubicTo(f.cx - 9, y - 3, f.cx + 9, y - 3, f.cx + 10, y + 4);
                m.quadTo(f.cx, y + 1.5, f.cx - 10, y + 4);
            } else {
                m.moveTo(f.cx - 11, y + 3);
                m.cubicTo(f.cx - 8, y - 3, f.cx - 2, y - 2, f.cx, y);
                m.cubicTo(f.cx + 2, y - 2, f.cx + 8, y - 3, f.cx + 11, y + 3);
                m.cubicTo(f.cx + 6, y + 1, f.cx + 3, y + 2.5, f.cx, y + 2);
                m.cubicTo(f.cx - 3, y + 2.5, f.cx - 6, y + 1, f.cx - 11, y + 3);
            }
            m.closeSubpath();
            p.drawPath(m);
            break;
        }
    }
}

}  // namespace face
