// A card drawn between two places: a picture stretched over the sprite's rectangle, above the
// table's controls, letting every click through to what lies under it.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zelvaro::ui {

class CardSprite : public QWidget {
    Q_OBJECT
public:
    CardSprite(const QPixmap& picture, QWidget* table);
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace zelvaro::ui
