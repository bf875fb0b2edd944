#pragma once

// Draws the program's icon: a fan of three cards on a rounded square of green cloth.

#include <QImage>

class IconPainter {
public:
    // The icon at size x size pixels, with a transparent surround.
    QImage icon(int size) const;
};
