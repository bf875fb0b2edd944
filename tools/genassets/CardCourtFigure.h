#pragma once

// The figure of a jack, queen or king, drawn once for each half of a court card.

#include <QColor>

#include "PaintKit.h"

class QPainter;

namespace card {

// The three figure colours of the court cards, rotated per card so that no two look the same.
struct CourtPalette {
    QColor robe;
    QColor trim;
    QColor accent;
};

class CourtFigure {
public:
    // value 11 jack, 12 queen, 13 king.
    CourtFigure(int value, Suit suit);

    const CourtPalette& palette() const { return m_palette; }
    // Draws one half figure; the origin is the top centre of the frame, y grows down to the
    // divider at 83.
    void paintHalf(QPainter& painter) const;

private:
    // The queen's long hair, behind the shoulders.
    void paintLongHair(QPainter& painter) const;
    // The robe with its front band and the pattern on the shoulders.
    void paintRobe(QPainter& painter) const;
    // Ermine for the king, lace for the queen, plain for the jack.
    void paintCollar(QPainter& painter) const;
    // The neck and the face.
    void paintHead(QPainter& painter) const;
    // The king's hair and beard, the queen's fringe, the jack's bob.
    void paintHair(QPainter& painter) const;
    // Eyes, brows and nose; the king's moustache, or a mouth and blushing cheeks.
    void paintFeatures(QPainter& painter) const;
    // The king's crown, the queen's tiara, the jack's cap with its feather.
    void paintHeadwear(QPainter& painter) const;
    // Sceptre for the king, flower for the queen, halberd for the jack.
    void paintAttribute(QPainter& painter) const;

    CourtPalette m_palette;
    Suit m_suit;
    bool m_king;
    bool m_queen;
};

}  // namespace card
