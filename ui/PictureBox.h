// A picture control: shows one pixmap stretched to its size, reports clicks and mouse moves
// like a caption, and never greys its picture out when the window is disabled.
#pragma once

#include <QPixmap>

#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

class PictureBox : public ClickableLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& pixmap);
    void clearPicture();
    const QPixmap& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    // A thin dark outline around the picture (flags).
    void setOutlined(bool outlined);
    // The size pictures are loaded at, when it differs from the box's (a box that grows).
    void setPictureSize(QSize size) { pictureSize_ = size; }
    QSize pictureSize() const { return pictureSize_.isValid() ? pictureSize_ : size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QSize pictureSize_;
    bool outlined_ = false;
};

}  // namespace zelvaro::ui
