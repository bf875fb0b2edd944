// A screen-sized widget drawn over a background that only changes with its size: the window's
// felt, the table and the standings sheet. The background is painted once per size and kept;
// mouse moves over the bare background are reported.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

class QPainter;

namespace zelvaro::ui {

class PaintedScreen : public QWidget {
    Q_OBJECT
public:
    // The cloth under everything: its colours and where its lamp stands, as a share of the
    // screen's size.
    struct Felt {
        QColor centre;
        QColor edge;
        QPointF light;
    };
    explicit PaintedScreen(const Felt& felt, QWidget* parent = nullptr);

signals:
    void mouseMoved();

protected:
    // Paints what lies printed on the felt, in design coordinates.
    virtual void paintBackground(QPainter& painter) = 0;
    // The kept background at the screen's size in device pixels, painted again first if the
    // size changed.
    const QPixmap& background();

    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Felt felt_;
    QPixmap background_;
};

}  // namespace zelvaro::ui
