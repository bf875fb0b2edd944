// A picture control: shows one picture at its size, reports clicks and mouse moves like a
// caption, and never greys its picture out when the window is disabled. The picture is read
// at the box's size in device pixels each time that size changes, so it stays sharp at every
// window size and screen density.
#pragma once

#include <QPixmap>
#include <QString>
#include <memory>

#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

class PictureCache;

class PictureBox : public ClickableLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows the picture at `path` (relative to the pictures' folder); an empty path or a
    // missing file shows nothing.
    void showPicture(std::shared_ptr<PictureCache> pictures, const QString& path);
    void clearPicture();
    bool hasPicture() const { return found_; }
    // The picture as it is drawn now, in device pixels.
    const QPixmap& picture() const { return picture_; }
    // The box's size in device pixels, the size its picture is read at.
    QSize deviceSize() const;
    // The size of the file the picture is read from at that size.
    QSize sourceSize() const;
    // A thin dark outline around the picture (flags).
    void setOutlined(bool outlined);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Reads the picture again when the box's device size changed.
    void followSize();

    std::shared_ptr<PictureCache> pictures_;
    QString path_;
    QPixmap picture_;
    bool found_ = false;
    bool outlined_ = false;
};

}  // namespace zelvaro::ui
