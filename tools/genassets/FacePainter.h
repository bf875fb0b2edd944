#pragma once

// Draws the illustrated portraits of the players (faces 1 .. 91).

#include <QImage>

class FacePainter {
public:
    static constexpr int Size = 120;
    static constexpr int Count = 91;

    // Pictures of Size x Size design pixels, `scale` image pixels each.
    explicit FacePainter(int scale = 1) : m_scale(scale) {}

    // The same index always gives the same face.
    QImage portrait(int index) const;

private:
    int m_scale;
};
