#include "ui/PictureBox.h"

#include <QPainter>

namespace zelvaro::ui {

PictureBox::PictureBox(QWidget* parent) : ClickableLabel(parent) {}

void PictureBox::setPicture(const QPixmap& pixmap) {
    picture_ = pixmap;
    update();
}

void PictureBox::clearPicture() {
    if (picture_.isNull()) return;
    picture_ = QPixmap();
    update();
}

void PictureBox::setOutlined(bool outlined) {
    outlined_ = outlined;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize own = size();
    if (picture_.size() == own * picture_.devicePixelRatio()) {
        painter.drawPixmap(0, 0, picture_);
    } else {
        painter.drawPixmap(rect(), picture_);
    }
    if (outlined_) {
        painter.setPen(QPen(QColor(0, 0, 0, 150), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace zelvaro::ui
