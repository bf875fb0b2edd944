// Paints card-table felt: a soft radial light over the cloth and a fine, fixed grain; and the
// dark plates laid on it under a seat or a list.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

class QPainter;

namespace zelvaro::ui {

class FeltPainter {
public:
    // `light` is where the lamp stands, as a fraction of the size (0.5, 0.4: a bit above
    // the middle). The grain is the same at every call; each grain covers `weave` pixels
    // across and down.
    static QImage felt(QSize size, QColor centre, QColor edge, QPointF light, int weave = 1);
    // A rounded plate with a thin gold edge; `alpha` is how dark it lies on the cloth.
    static void plate(QPainter& painter, const QRectF& box, int alpha = 150);
};

}  // namespace zelvaro::ui
