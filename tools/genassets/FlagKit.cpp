#include "FlagKit.h"

#include <QPainter>

namespace flag {

QColor rgb(unsigned v) {
    return QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
}

void stripes(QPainter& p, bool horizontal,
             std::initializer_list<std::pair<unsigned, qreal>> bands) {
    qreal total = 0;
    for (const auto& band : bands) total += band.second;
    qreal at = 0;
    for (const auto& band : bands) {
        const qreal length = (horizontal ? H : W) * band.second / total;
        // Each band overlaps the next by a pixel so no seam of background shows through.
        const QRectF r = horizontal ? QRectF(0, at, W, length + 1) : QRectF(at, 0, length + 1, H);
        p.fillRect(r, rgb(band.first));
        at += length;
    }
}

void horizontal(QPainter& p, std::initializer_list<unsigned> colours) {
    qreal y = 0;
    const qreal h = H / static_cast<qreal>(colours.size());
    for (unsigned c : colours) {
        p.fillRect(QRectF(0, y, W, h + 1), rgb(c));
        y += h;
    }
}

void vertical(QPainter& p, std::initializer_list<unsigned> colours) {
    qreal x = 0;
    const qreal w = W / static_cast<qreal>(colours.size());
    for (unsigned c : colours) {
        p.fillRect(QRectF(x, 0, w + 1, H), rgb(c));
        x += w;
    }
}

}  // namespace flag
