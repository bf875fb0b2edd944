#include "BadgePlaque.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "BadgeKit.h"
#include "PaintKit.h"

namespace badge {

namespace {

const QRectF LabelRect(8, 70, BadgeWidth - 16.0, 20);

}  // namespace

void paintPlaque(QPainter& p) {
    const QRectF plaque(2, 2, BadgeWidth - 4, BadgeHeight - 4);
    QLinearGradient g(plaque.topLeft(), plaque.bottomLeft());
    g.setColorAt(0, QColor(0x1a, 0x5c, 0x33));
    g.setColorAt(1, QColor(0x0c, 0x36, 0x1d));
    p.setPen(QPen(PaintKit::gold(), 2.4));
    p.setBrush(g);
    p.drawRoundedRect(plaque, 12, 12);
    QColor inner = PaintKit::gold();
    inner.setAlpha(90);
    p.setPen(QPen(inner, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plaque.adjusted(4, 4, -4, -4), 9, 9);
}

void paintLabel(QPainter& p, const QString& text) {
    PaintKit::drawFittedText(p, LabelRect.translated(0, 1), text,
                             PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), 17, true),
                             QColor(0, 0, 0, 120));
    PaintKit::drawFittedText(p, LabelRect, text,
                             PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), 17, true),
                             White);
}

QPointF paintNumber(QPainter& p, const QString& number, qreal iconWidth) {
    const int size = number.size() <= 2 ? 42 : number.size() == 3 ? 37 : 31;
    const QFont font = PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), size, true);
    const qreal gap = number.size() <= 2 ? 10 : 5;
    const qreal room = BadgeWidth - 14 - gap - iconWidth;
    const qreal width = std::min(QFontMetricsF(font).horizontalAdvance(number), room);
    const qreal left = (BadgeWidth - (width + gap + iconWidth)) / 2;
    const QRectF rect(left, 12, width, 50);
    PaintKit::drawFittedText(p, rect.translated(1.2, 1.5), number, font, QColor(0, 0, 0, 130));
    PaintKit::drawFittedText(p, rect, number, font, White);
    return QPointF(left + width + gap + iconWidth / 2, 37);
}

}  // namespace badge
