#include "ui/GameStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

#include "ui/Stage.h"

namespace zelvaro::ui {

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int GameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) {
        return qRound(20 * (widget != nullptr ? Stage::scale(widget) : 1.0));
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    if (element != PE_IndicatorCheckBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const bool enabled = option->state & State_Enabled;
    const bool on = option->state & State_On;
    const QRectF box = QRectF(option->rect).adjusted(1, 1, -1, -1);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(enabled ? QColor(0xc9, 0xa4, 0x3a) : QColor(0x6d, 0x66, 0x50), 1.4));
    painter->setBrush(enabled ? QColor(0xf7, 0xf1, 0xe1) : QColor(0x8f, 0x8a, 0x7c));
    painter->drawRoundedRect(box, 4, 4);
    if (on) {
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
        tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.74);
        tick.lineTo(box.left() + box.width() * 0.80, box.top() + box.height() * 0.28);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(enabled ? QColor(0x1d, 0x6b, 0x38) : QColor(0x4a, 0x46, 0x3c), 2.6,
                             Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(tick);
    }
    painter->restore();
}

QPalette GameStyle::inputPalette(const QPalette& base) {
    QPalette palette = base;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, QColor(0xf7, 0xf1, 0xe1));
        palette.setColor(group, QPalette::Text, QColor(0x1f, 0x1a, 0x12));
        palette.setColor(group, QPalette::Button, QColor(0xea, 0xdc, 0xae));
        palette.setColor(group, QPalette::ButtonText, QColor(0x3b, 0x2f, 0x10));
        palette.setColor(group, QPalette::Window, QColor(0xea, 0xdc, 0xae));
        palette.setColor(group, QPalette::WindowText, QColor(0x1f, 0x1a, 0x12));
        palette.setColor(group, QPalette::Highlight, QColor(0xc9, 0xa4, 0x3a));
        palette.setColor(group, QPalette::HighlightedText, QColor(0x1f, 0x1a, 0x12));
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xb9, 0xb4, 0xa5));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x5d, 0x57, 0x4a));
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(0xa8, 0xa2, 0x90));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x5d, 0x57, 0x4a));
    return palette;
}

}  // namespace zelvaro::ui
