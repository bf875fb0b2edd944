#include "ui/PictureBox.h"

#include <QPainter>

#include "ui/PictureCache.h"

namespace zelvaro::ui {

PictureBox::PictureBox(QWidget* parent) : ClickableLabel(parent) {}

QSize PictureBox::deviceSize() const {
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

QSize PictureBox::sourceSize() const {
    return pictures_ != nullptr && !path_.isEmpty() ? pictures_->sourceSize(path_, deviceSize())
                                                    : QSize();
}

void PictureBox::showPicture(std::shared_ptr<PictureCache> pictures, const QString& path) {
    pictures_ = std::move(pictures);
    path_ = path;
    found_ = !path.isEmpty() && pictures_ != nullptr &&
             !pictures_->sourceSize(path, QSize(1, 1)).isEmpty();
    picture_ = QPixmap();
    followSize();
    update();
}

void PictureBox::clearPicture() {
    path_.clear();
    found_ = false;
    if (picture_.isNull()) return;
    picture_ = QPixmap();
    update();
}

void PictureBox::followSize() {
    if (pictures_ == nullptr || path_.isEmpty() || size().isEmpty()) return;
    const QSize pixels = deviceSize();
    if (!picture_.isNull() && picture_.size() == pixels) return;
    picture_ = pictures_->picture(path_, pixels);
}

void PictureBox::setOutlined(bool outlined) {
    outlined_ = outlined;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    followSize();
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // One picture pixel on one device pixel.
    painter.drawPixmap(rect(), picture_, picture_.rect());
    if (outlined_) {
        painter.setPen(QPen(QColor(0, 0, 0, 150), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace zelvaro::ui
