#include "ui/PaintedScreen.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/FeltPainter.h"
#include "ui/Stage.h"

namespace zelvaro::ui {

PaintedScreen::PaintedScreen(const Felt& felt, QWidget* parent) : QWidget(parent), felt_(felt) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QPixmap& PaintedScreen::background() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (background_.size() == pixels && background_.devicePixelRatio() == ratio) return background_;
    // The cloth's grain is woven in whole design pixels, so a large window does not pay
    // for grain finer than the design's.
    const int weave = std::max(1, int(Stage::scale(this) * ratio));
    background_ =
        QPixmap::fromImage(FeltPainter::felt(pixels, felt_.centre, felt_.edge, felt_.light, weave));
    background_.setDevicePixelRatio(ratio);
    QPainter painter(&background_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Stage::useDesignCoordinates(painter, this);
    paintBackground(painter);
    return background_;
}

void PaintedScreen::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void PaintedScreen::resizeEvent(QResizeEvent*) {
    background_ = QPixmap();
}

void PaintedScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background());
}

}  // namespace zelvaro::ui
