#include "ui/MarkerShape.h"

#include <QPainter>
#include <QRadialGradient>

#include "ui/Stage.h"

namespace zelvaro::ui {

MarkerShape::MarkerShape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void MarkerShape::paintEvent(QPaintEvent*) {
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = Stage::designArea(this);
    switch (kind_) {
        case Kind::Selection: {
            // A light wash and a bright border: the card stays readable under it.
            const QRectF frame = box.adjusted(1.5, 1.5, -1.5, -1.5);
            painter.setBrush(QColor(0x3d, 0xd0, 0xff, 46));
            painter.setPen(QPen(QColor(0x1c, 0x9c, 0xe8), 3.0));
            painter.drawRoundedRect(frame, 6, 6);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(Stage::outline(painter, QColor(0xd8, 0xf4, 0xff), 1.0));
            painter.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 4, 4);
            break;
        }
        case Kind::TurnDot: {
            const QRectF dot = box.adjusted(1, 1, -1, -1);
            QRadialGradient glow(dot.center() - QPointF(dot.width() * 0.15, dot.height() * 0.2),
                                 dot.width() * 0.6);
            glow.setColorAt(0.0, QColor(0xff, 0xf4, 0xb0));
            glow.setColorAt(0.45, QColor(0xff, 0x9c, 0x1a));
            glow.setColorAt(1.0, QColor(0xc2, 0x30, 0x10));
            painter.setBrush(glow);
            painter.setPen(Stage::outline(painter, QColor(0x40, 0x10, 0x00, 200), 1.0));
            painter.drawEllipse(dot);
            break;
        }
        case Kind::WinningCard: {
            const QRectF outer = box.adjusted(1.5, 1.5, -1.5, -1.5);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(0x7a, 0x55, 0x00, 150), 5.0));
            painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 8, 8);
            painter.setPen(QPen(QColor(0xff, 0xd2, 0x3a), 3.0));
            painter.drawRoundedRect(outer, 9, 9);
            break;
        }
        case Kind::SeatLight: {
            // A soft gold glow around the panel, then a bright edge.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(0xff, 0xd2, 0x3a, 70), 5.0));
            painter.drawRoundedRect(box.adjusted(2.5, 2.5, -2.5, -2.5), 11, 11);
            painter.setPen(Stage::outline(painter, QColor(0xff, 0xd8, 0x50), 2.0));
            painter.drawRoundedRect(box.adjusted(2, 2, -2, -2), 10, 10);
            break;
        }
        case Kind::Suggestion: {
            // Green and dashed, apart from the gold of the keys' outline and of the winning
            // card and from the blue of the player's own marks.
            const QRectF outer = box.adjusted(1.5, 1.5, -1.5, -1.5);
            painter.setBrush(QColor(0x5c, 0xe0, 0x7c, 36));
            painter.setPen(QPen(QColor(0x0c, 0x4a, 0x1c, 160), 5.0));
            painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 8, 8);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(0x6c, 0xf0, 0x8c), 3.0, Qt::DashLine));
            painter.drawRoundedRect(outer, 9, 9);
            break;
        }
        case Kind::RowBand: {
            painter.setPen(Stage::outline(painter, QColor(0xff, 0xd8, 0x50, 200), 1.2));
            painter.setBrush(QColor(0xc9, 0xa4, 0x3a, 70));
            painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
            break;
        }
    }
}

}  // namespace zelvaro::ui
