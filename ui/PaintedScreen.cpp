#include "ui/PaintedScreen.h"

#include <QMouseEvent>
#include <QPainter>

namespace zelvaro::ui {

PaintedScreen::PaintedScreen(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QPixmap& PaintedScreen::background() {
    if (background_.size() != size()) paintBackground(background_);
    return background_;
}

void PaintedScreen::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void PaintedScreen::resizeEvent(QResizeEvent*) { background_ = QPixmap(); }

void PaintedScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background());
}

}  // namespace zelvaro::ui
