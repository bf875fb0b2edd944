// A screen-sized widget drawn over a background that only changes with its size: the window's
// felt, the table and the standings sheet. The background is painted once per size and kept;
// mouse moves over the bare background are reported.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zelvaro::ui {

class PaintedScreen : public QWidget {
    Q_OBJECT
public:
    explicit PaintedScreen(QWidget* parent = nullptr);

signals:
    void mouseMoved();

protected:
    // Paints the background for the current size into `background`.
    virtual void paintBackground(QPixmap& background) = 0;
    // The kept background, painted again first if the size changed.
    const QPixmap& background();

    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap background_;
};

}  // namespace zelvaro::ui
