#include "ui/StrengthBar.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/Stage.h"

namespace zelvaro::ui {

StrengthBar::StrengthBar(QWidget* parent) : ClickableLabel(parent) {}

void StrengthBar::paintEvent(QPaintEvent*) {
    if (width() <= 0) return;
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar = Stage::designArea(this).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(0, 0, 0, bar.bottom());
    shade.setColorAt(0.0, QColor(0xff, 0xe2, 0x8a));
    shade.setColorAt(0.45, QColor(0xe8, 0x9a, 0x2c));
    shade.setColorAt(1.0, QColor(0xb0, 0x4a, 0x18));
    painter.setPen(Stage::outline(painter, QColor(0x4a, 0x22, 0x08, 200), 1.0));
    painter.setBrush(shade);
    const qreal radius = bar.height() / 2.0;
    painter.drawRoundedRect(bar, radius, radius);
}

}  // namespace zelvaro::ui
