#include "PaintKit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <cmath>
#include <numbers>

QColor PaintKit::tableGreen() {
    return QColor(0x1f, 0x6b, 0x3a);
}

QColor PaintKit::gold() {
    return QColor(0xd4, 0xaf, 0x37);
}

namespace {

QPainterPath heartPath() {
    QPainterPath p;
    p.moveTo(0, -0.27);
    p.cubicTo(0.07, -0.45, 0.19, -0.5, 0.27, -0.5);
    p.cubicTo(0.41, -0.5, 0.5, -0.39, 0.5, -0.22);
    p.cubicTo(0.5, 0.03, 0.22, 0.22, 0, 0.5);
    p.cubicTo(-0.22, 0.22, -0.5, 0.03, -0.5, -0.22);
    p.cubicTo(-0.5, -0.39, -0.41, -0.5, -0.27, -0.5);
    p.cubicTo(-0.19, -0.5, -0.07, -0.45, 0, -0.27);
    p.closeSubpath();
    return p;
}

QPainterPath diamondPath() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.17, -0.21, 0.4, 0);
    p.quadTo(0.17, 0.21, 0, 0.5);
    p.quadTo(-0.17, 0.21, -0.4, 0);
    p.quadTo(-0.17, -0.21, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath clubPath() {
    const qreal r = 0.235;
    QPainterPath leaves;
    leaves.addEllipse(QPointF(0, -0.265), r, r);
    leaves.addEllipse(QPointF(-0.265, 0.06), r, r);
    leaves.addEllipse(QPointF(0.265, 0.06), r, r);
    leaves.addEllipse(QPointF(0, 0.0), 0.13, 0.13);
    QPainterPath stem;
    stem.moveTo(-0.045, 0.0);
    stem.quadTo(-0.03, 0.37, -0.21, 0.5);
    stem.lineTo(0.21, 0.5);
    stem.quadTo(0.03, 0.37, 0.045, 0.0);
    stem.closeSubpath();
    leaves.setFillRule(Qt::WindingFill);
    return leaves.united(stem).simplified();
}

QPainterPath spadePath() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.12, -0.31, 0.5, -0.14, 0.5, 0.1);
    p.cubicTo(0.5, 0.26, 0.38, 0.34, 0.26, 0.34);
    p.cubicTo(0.16, 0.34, 0.08, 0.3, 0.04, 0.22);
    p.quadTo(0.06, 0.42, 0.21, 0.5);
    p.lineTo(-0.21, 0.5);
    p.quadTo(-0.06, 0.42, -0.04, 0.22);
    p.cubicTo(-0.08, 0.3, -0.16, 0.34, -0.26, 0.34);
    p.cubicTo(-0.38, 0.34, -0.5, 0.26, -0.5, 0.1);
    p.cubicTo(-0.5, -0.14, -0.12, -0.31, 0, -0.5);
    p.closeSubpath();
    return p;
}

}  // namespace

QPainterPath PaintKit::suitPath(Suit suit) {
    static const QPainterPath hearts = heartPath();
    static const QPainterPath diamonds = diamondPath();
    static const QPainterPath clubs = clubPath();
    static const QPainterPath spades = spadePath();
    switch (suit) {
        case Suit::Hearts:
            return hearts;
        case Suit::Diamonds:
            return diamonds;
        case Suit::Clubs:
            return clubs;
        case Suit::Spades:
            return spades;
    }
    return hearts;
}

QColor PaintKit::suitColour(Suit suit) {
    const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
    return red ? QColor(0xc8, 0x10, 0x2e) : QColor(0x14, 0x14, 0x14);
}

QChar PaintKit::suitLetter(Suit suit) {
    switch (suit) {
        case Suit::Hearts:
            return QLatin1Char('c');
        case Suit::Diamonds:
            return QLatin1Char('m');
        case Suit::Clubs:
            return QLatin1Char('f');
        case Suit::Spades:
            return QLatin1Char('p');
    }
    return QLatin1Char('c');
}

void PaintKit::drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal size,
                        const QColor& colour) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(size, size);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(t.map(suitPath(suit)));
    painter.restore();
}

QPainterPath PaintKit::star(QPointF centre, qreal outer, qreal inner, int points,
                            qreal rotationDegrees) {
    QPainterPath path;
    const qreal start = (rotationDegrees - 90.0) * std::numbers::pi / 180.0;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = start + i * std::numbers::pi / points;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QFont PaintKit::font(const QString& family, int pixelSize, bool bold) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void PaintKit::drawFittedText(QPainter& painter, const QRectF& rect, const QString& text,
                              const QFont& font, const QColor& colour) {
    const QFontMetricsF fm(font);
    const qreal width = fm.horizontalAdvance(text);
    const qreal squeeze = width > rect.width() ? rect.width() / width : 1.0;
    QPainterPath path;
    path.addText(0, 0, font, text);
    QTransform t;
    t.translate(rect.center().x(), rect.center().y() + fm.capHeight() / 2.0);
    t.scale(squeeze, 1.0);
    t.translate(-width / 2.0, 0);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(t.map(path));
    painter.restore();
}

QImage PaintKit::canvas(int width, int height, const QColor& colour, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

void PaintKit::prepare(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}
