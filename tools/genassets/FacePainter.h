#pragma once

// Draws the illustrated portraits of the players (faces 1 .. 91).

#include <QImage>

class FacePainter
{
public:
    static constexpr int Size = 120;
    static constexpr int Count = 91;

    // The same index always gives the same face.
    QImage portrait(int index) const;
};
