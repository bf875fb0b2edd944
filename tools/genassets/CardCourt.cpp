#include "CardCourt.h"

#include <QPainter>
#include <QPainterPath>

#include "CardCourtFigure.h"
#include "CardPainter.h"

namespace card {

namespace {

const QRectF CourtFrame(34, 17, 76, 166);

}  // namespace

void paintCourt(QPainter& painter, int value, Suit suit) {
    const CourtFigure figure(value, suit);
    const QColor suitColour = PaintKit::suitColour(suit);

    painter.save();
    QPainterPath framePath;
    framePath.addRect(CourtFrame);
    painter.fillPath(framePath, QColor(0xfd, 0xf6, 0xe3));
    painter.setClipPath(framePath);

    // Top half figure, then the same figure turned round for the bottom half.
    for (int half = 0; half < 2; ++half) {
        painter.save();
        if (half == 1) {
            painter.translate(CardPainter::Width, CardPainter::Height);
            painter.rotate(180);
        }
        painter.setClipRect(QRectF(CourtFrame.left(), CourtFrame.top(), CourtFrame.width(),
                                   CourtFrame.height() / 2.0),
                            Qt::IntersectClip);
        painter.translate(CourtFrame.center().x(), CourtFrame.top());
        // Drawn a touch larger than its 83-unit design, anchored on the divider.
        const qreal grow = 1.07;
        painter.translate(0, 83 * (1 - grow) + 1);
        painter.scale(grow, grow);
        figure.paintHalf(painter);
        painter.restore();
    }
    painter.restore();

    // Divider between the two halves and the double frame.
    painter.save();
    const qreal midY = CourtFrame.center().y();
    painter.setPen(QPen(figure.palette().trim.darker(115), 1.6));
    painter.drawLine(QPointF(CourtFrame.left(), midY), QPointF(CourtFrame.right(), midY));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(suitColour, 1.6));
    painter.drawRect(CourtFrame);
    painter.setPen(QPen(PaintKit::gold(), 1.0));
    painter.drawRect(CourtFrame.adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

}  // namespace card
