// Paints card-table felt: a soft radial light over the cloth and a fine, fixed grain.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

namespace zelvaro::ui {

class FeltPainter {
public:
    // `light` is where the lamp stands, as a fraction of the size (0.5, 0.4: a bit above
    // the middle). The grain is the same at every call.
    static QImage felt(QSize size, QColor centre, QColor edge, QPointF light);
};

}  // namespace zelvaro::ui
