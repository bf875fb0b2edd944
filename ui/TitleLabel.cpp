#include "ui/TitleLabel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/Stage.h"

namespace zelvaro::ui {

TitleLabel::TitleLabel(QWidget* parent) : ClickableLabel(parent) {}

void TitleLabel::paintEvent(QPaintEvent*) {
    if (text().isEmpty()) return;
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QFont font = Stage::designFont(this);
    const QRectF area = Stage::designArea(this);
    const QFontMetricsF metrics(font);
    const qreal textWidth = metrics.horizontalAdvance(text());
    const qreal x = (area.width() - textWidth) / 2.0;
    const qreal baseline = (area.height() + metrics.capHeight()) / 2.0;
    QPainterPath letters;
    letters.addText(QPointF(x, baseline), font, text());

    // Shadow: a few offset layers give a soft edge without a blur pass.
    for (int i = 4; i >= 1; --i) {
        painter.save();
        painter.translate(i * 0.9, i * 1.3);
        painter.fillPath(letters, QColor(0, 0, 0, 38));
        painter.restore();
    }
    const QRectF bounds = letters.boundingRect();
    QLinearGradient gold(bounds.topLeft(), bounds.bottomLeft());
    gold.setColorAt(0.0, QColor(0xff, 0xf1, 0xb8));
    gold.setColorAt(0.42, QColor(0xe6, 0xc0, 0x55));
    gold.setColorAt(0.55, QColor(0xc4, 0x93, 0x24));
    gold.setColorAt(1.0, QColor(0xf0, 0xd0, 0x70));
    painter.fillPath(letters, gold);
    painter.setPen(QPen(QColor(0x5a, 0x3e, 0x08, 170), 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters);
}

}  // namespace zelvaro::ui
