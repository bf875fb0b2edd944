#include "ui/FeltPainter.h"

#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "ui/Stage.h"

namespace zelvaro::ui {
namespace {

constexpr int kGrainTile = 256;
constexpr int kGrainRowBytes = kGrainTile * 4;
// What each byte of a pixel (blue, green, red, unused) gains, without and with a thread.
using GrainTile = std::array<std::int8_t, kGrainTile * kGrainRowBytes>;
using GrainTiles = std::array<GrainTile, 2>;

// Fixed noise from -6 to 6 on green and half that on red and blue, the same at every run.
const GrainTiles& grainTiles() {
    static const GrainTiles tiles = [] {
        GrainTiles made{};
        std::uint32_t state = 0x2545F491u;
        for (int pixel = 0; pixel < kGrainTile * kGrainTile; ++pixel) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            for (int thread = 0; thread < 2; ++thread) {
                const int grain = static_cast<int>(state % 13) - 6 + 2 * thread;
                std::int8_t* bytes = made[thread].data() + pixel * 4;
                bytes[0] = static_cast<std::int8_t>(grain / 2);
                bytes[1] = static_cast<std::int8_t>(grain);
                bytes[2] = static_cast<std::int8_t>(grain / 2);
                bytes[3] = 0;
            }
        }
        return made;
    }();
    return tiles;
}

}  // namespace

namespace {

// Each pixel of `cloth` as a block of weave × weave pixels, cut to `size`.
QImage woven(const QImage& cloth, QSize size, int weave) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (y % weave != 0) {
            std::memcpy(line, image.constScanLine(y - 1), std::size_t(size.width()) * sizeof(QRgb));
            continue;
        }
        const auto* source = reinterpret_cast<const QRgb*>(
            cloth.constScanLine(std::min(y / weave, cloth.height() - 1)));
        for (int x = 0, from = 0; x < size.width(); ++from) {
            const QRgb pixel = source[std::min(from, cloth.width() - 1)];
            for (int k = 0; k < weave && x < size.width(); ++k) line[x++] = pixel;
        }
    }
    return image;
}

}  // namespace

QImage FeltPainter::felt(QSize size, QColor centre, QColor edge, QPointF light, int weave) {
    if (weave > 1) {
        const QSize threads((size.width() + weave - 1) / weave,
                            (size.height() + weave - 1) / weave);
        return woven(felt(threads, centre, edge, light), size, weave);
    }
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
    // Grain: every pixel a little lighter or darker, plus faint horizontal threads. The grain
    // is one fixed tile laid over the cloth like a weave, added byte by byte, so that any
    // size costs one quick pass.
    const GrainTiles& tiles = grainTiles();
    const int rowBytes = image.width() * 4;
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* line = image.scanLine(y);
        const std::int8_t* grains =
            tiles[y % 3 == 0 ? 1 : 0].data() + (y % kGrainTile) * kGrainRowBytes;
        for (int from = 0; from < rowBytes; from += kGrainRowBytes) {
            const int count = std::min(kGrainRowBytes, rowBytes - from);
            std::uint8_t* bytes = line + from;
            for (int i = 0; i < count; ++i)
                bytes[i] = static_cast<std::uint8_t>(std::clamp(bytes[i] + grains[i], 0, 255));
        }
    }
    return image;
}

void FeltPainter::plate(QPainter& painter, const QRectF& box, int alpha) {
    painter.setPen(Stage::outline(painter, QColor(0xc9, 0xa4, 0x3a, 120), 1.0));
    painter.setBrush(QColor(4, 20, 10, alpha));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
}

}  // namespace zelvaro::ui
