#include "ui/FeltPainter.h"

#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelvaro::ui {

QImage FeltPainter::felt(QSize size, QColor centre, QColor edge, QPointF light) {
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        const QPointF focus(size.width() * light.x(), size.height() * light.y());
        const qreal radius = std::hypot(size.width(), size.height()) * 0.62;
        QRadialGradient lamp(focus, radius);
        lamp.setColorAt(0.0, centre);
        lamp.setColorAt(0.55, QColor::fromRgbF((centre.redF() + edge.redF()) / 2,
                                               (centre.greenF() + edge.greenF()) / 2,
                                               (centre.blueF() + edge.blueF()) / 2));
        lamp.setColorAt(1.0, edge);
        painter.fillRect(image.rect(), lamp);
    }
    // Grain: every pixel a little lighter or darker, plus faint horizontal threads.
    std::uint32_t state = 0x2545F491u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int thread = (y % 3 == 0) ? 2 : 0;
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int grain = static_cast<int>(state % 13) - 6 + thread;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + grain / 2, 0, 255),
                           std::clamp(qGreen(pixel) + grain, 0, 255),
                           std::clamp(qBlue(pixel) + grain / 2, 0, 255));
        }
    }
    return image;
}

void FeltPainter::plate(QPainter& painter, const QRectF& box, int alpha) {
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 120), 1.0));
    painter.setBrush(QColor(4, 20, 10, alpha));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
}

}  // namespace zelvaro::ui
