#pragma once

// Draws the badges that show the chosen game options at the table.

#include <QImage>
#include <QString>
#include <QStringList>

#include "CardPainter.h"

class QPainter;
class QRectF;

class OptionPainter {
public:
    static constexpr int Width = 128;
    static constexpr int Height = 96;

    // Pictures of Width x Height design pixels, `scale` image pixels each.
    explicit OptionPainter(int scale = 1) : m_scale(scale), m_cards(scale) {}

    // Every option value that has a picture; the picture file is "<value>.jpg".
    static QStringList optionNames();
    // The badge of one option value; an empty image for a name not in optionNames().
    QImage badge(const QString& option) const;

private:
    void paintMiniCard(QPainter& painter, const QRectF& rect, int value, Suit suit, bool faceUp,
                       qreal angle) const;

    int m_scale;
    CardPainter m_cards;
};
