#pragma once

// Draws the national flags shown next to the players' names.

#include <QImage>
#include <QString>

class QPainter;

class FlagPainter {
public:
    static constexpr int Width = 120;
    static constexpr int Height = 80;

    // Pictures of Width x Height design pixels, `scale` image pixels each.
    explicit FlagPainter(int scale = 1) : m_scale(scale) {}

    // The flag of the nation with the game's Italian name; a neutral globe flag for a
    // nation it does not know.
    QImage flag(const QString& nation) const;
    // True when flag() has a real design for the nation.
    static bool knows(const QString& nation);

private:
    int m_scale;
};
