#include "ui/CardSprite.h"

#include <QPainter>

namespace zelvaro::ui {

CardSprite::CardSprite(const QPixmap& picture, QWidget* table) : QWidget(table), picture_(picture) {
    setObjectName(QStringLiteral("cartaInViaggio"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void CardSprite::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void CardSprite::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_, picture_.rect());
}

}  // namespace zelvaro::ui
