#include "IconPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "CardPainter.h"
#include "PaintKit.h"

namespace {

constexpr int Master = 256;

// One card of the fan, turned by `degrees` about the fan's foot.
void paintCard(QPainter& painter, const QImage& card, qreal degrees) {
    const QRectF place(-48, -150, 96, 133);
    painter.save();
    painter.rotate(degrees);
    QPainterPath outline;
    outline.addRoundedRect(place, 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(outline.translated(3, 4));
    painter.setClipPath(outline);
    painter.drawImage(place, card);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

}  // namespace

QImage IconPainter::icon(int size) const {
    QImage master(Master, Master, QImage::Format_ARGB32_Premultiplied);
    master.fill(Qt::transparent);
    QPainter painter(&master);
    PaintKit::prepare(painter);

    // The cloth.
    QRadialGradient cloth(QPointF(Master * 0.45, Master * 0.4), Master * 0.75);
    cloth.setColorAt(0.0, QColor(0x2f, 0x8f, 0x52));
    cloth.setColorAt(1.0, QColor(0x0c, 0x3a, 0x1f));
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a), 6));
    painter.setBrush(cloth);
    painter.drawRoundedRect(QRectF(8, 8, Master - 16, Master - 16), 44, 44);

    // Three cards fanned from a point low in the middle.
    const CardPainter cards;
    painter.translate(Master / 2.0, Master * 0.86);
    paintCard(painter, cards.back(), -24);
    paintCard(painter, cards.face(14, Suit::Hearts), 0);
    paintCard(painter, cards.face(14, Suit::Spades), 24);
    painter.end();

    return size == Master
               ? master
               : master.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
