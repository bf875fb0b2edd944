#include "ui/FeltWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "engine/display/TableLayout.h"
#include "ui/PictureCache.h"
#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {

FeltWidget::FeltWidget(std::shared_ptr<PictureCache> pictures, QWidget* parent)
    : PaintedScreen({Theme::feltCentre(), Theme::feltEdge(), {0.5, 0.38}}, parent),
      pictures_(std::move(pictures)) {}

void FeltWidget::paintFan(QPainter& painter, QPointF pivot, const QStringList& cards,
                          qreal firstAngle, qreal step) {
    constexpr qreal kWidth = 104;
    constexpr qreal kHeight = kWidth * 100.0 / 72.0;
    // Each card is read at the size it covers in device pixels.
    const qreal pixels = Stage::scale(this) * devicePixelRatioF();
    const QSize shown = (QSizeF(kWidth, kHeight) * pixels).toSize();
    qreal angle = firstAngle;
    for (const QString& name : cards) {
        const QPixmap card =
            pictures_->picture(QStringLiteral("carte/") + name + QStringLiteral(".jpg"), shown);
        if (card.isNull()) continue;
        painter.save();
        painter.translate(pivot);
        painter.rotate(angle);
        // The card hangs from the pivot at its lower middle.
        const QRectF place(-kWidth / 2, -kHeight - 10, kWidth, kHeight);
        QPainterPath outline;
        outline.addRoundedRect(place, 7, 7);
        painter.fillPath(outline.translated(3, 4), QColor(0, 0, 0, 70));
        painter.setClipPath(outline);
        painter.drawPixmap(place, card, QRectF(card.rect()));
        painter.setClipping(false);
        painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline);
        painter.restore();
        angle += step;
    }
}

void FeltWidget::paintBackground(QPainter& painter) {
    constexpr qreal width = layout::kWindowWidth;
    // A double gold line around the cloth, like the rail of a card table, along the window's
    // edges however wide the margins.
    const QRectF rail = Stage::designArea(this).adjusted(14.5, 14.5, -14.5, -14.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 150), 1.6));
    painter.drawRoundedRect(rail, 22, 22);
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 70), 1.0));
    painter.drawRoundedRect(rail.adjusted(6, 6, -6, -6), 17, 17);

    paintFan(painter, QPointF(170, 700),
             {QStringLiteral("14 p"), QStringLiteral("14 c"), QStringLiteral("14 f"),
              QStringLiteral("14 m")},
             -33, 14);
    paintFan(painter, QPointF(width - 170, 700),
             {QStringLiteral("11 c"), QStringLiteral("12 p"), QStringLiteral("13 m"),
              QStringLiteral("retro")},
             -9, 14);

    // The menu sits on a darker plate under the title.
    const QRectF plate(width / 2.0 - 190, 262, 380, 362);
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 90), 1.2));
    painter.setBrush(QColor(0, 20, 8, 92));
    painter.drawRoundedRect(plate, 18, 18);

    // Suit ornament under the title.
    painter.setFont(Theme::serif(22));
    const QString suits = QStringLiteral("\u2660   \u2665   \u2663   \u2666");
    const QRectF ornament(0, 206, width, 34);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(ornament.translated(1, 2), Qt::AlignCenter, suits);
    painter.setPen(QColor(0xe0, 0xc0, 0x68));
    painter.drawText(ornament, Qt::AlignCenter, suits);
    const qreal y = ornament.center().y() + 1;
    QLinearGradient fade(width / 2.0 - 260, 0, width / 2.0 + 260, 0);
    fade.setColorAt(0.0, QColor(0xc9, 0xa4, 0x3a, 0));
    fade.setColorAt(0.35, QColor(0xc9, 0xa4, 0x3a, 200));
    fade.setColorAt(0.65, QColor(0xc9, 0xa4, 0x3a, 200));
    fade.setColorAt(1.0, QColor(0xc9, 0xa4, 0x3a, 0));
    painter.setPen(QPen(QBrush(fade), 1.2));
    painter.drawLine(QPointF(width / 2.0 - 260, y), QPointF(width / 2.0 - 110, y));
    painter.drawLine(QPointF(width / 2.0 + 110, y), QPointF(width / 2.0 + 260, y));
}

}  // namespace zelvaro::ui
