#include "CardCourtFigure.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace card {

namespace {

const QColor Ink(0x1a, 0x1a, 0x1a);
const QColor Skin(0xf7, 0xd9, 0xb5);
const QColor CrownGold(0xf2, 0xc2, 0x3a);
const QColor QueenHair(0xe6, 0xb8, 0x3c);
// Height of the centre of the face below the top of the frame.
constexpr qreal FaceY = 37;

QPen outline() {
    return QPen(Ink, 1.0);
}

CourtPalette courtPalette(int value, Suit suit) {
    const QColor red(0xc8, 0x10, 0x2e);
    const QColor blue(0x1d, 0x4f, 0xa8);
    const QColor yellow(0xe8, 0xb4, 0x2a);
    const QColor black(0x22, 0x22, 0x2a);
    const bool redSuit = suit == Suit::Hearts || suit == Suit::Diamonds;
    const int turn = (value + static_cast<int>(suit)) % 3;
    if (redSuit) {
        const std::array<CourtPalette, 3> palettes = {CourtPalette{red, yellow, blue},
                                                      CourtPalette{blue, yellow, red},
                                                      CourtPalette{red, blue, yellow}};
        return palettes[turn];
    }
    const std::array<CourtPalette, 3> palettes = {CourtPalette{blue, yellow, red},
                                                  CourtPalette{black, yellow, red},
                                                  CourtPalette{red, yellow, black}};
    return palettes[turn];
}

}  // namespace

CourtFigure::CourtFigure(int value, Suit suit)
    : m_palette(courtPalette(value, suit)),
      m_suit(suit),
      m_king(value == 13),
      m_queen(value == 12) {}

void CourtFigure::paintHalf(QPainter& painter) const {
    if (m_queen) paintLongHair(painter);
    paintRobe(painter);
    paintCollar(painter);
    paintHead(painter);
    paintHair(painter);
    paintFeatures(painter);
    paintHeadwear(painter);
    paintAttribute(painter);

    // Suit mark in the upper corner of the frame.
    const qreal markX = (m_king || m_queen) ? -27 : 27;
    PaintKit::drawSuit(painter, m_suit, QPointF(markX, 15), 12, PaintKit::suitColour(m_suit));
}

void CourtFigure::paintLongHair(QPainter& painter) const {
    painter.setPen(outline());
    QPainterPath hair;
    hair.moveTo(-16, FaceY - 6);
    hair.cubicTo(-20, FaceY + 14, -22, FaceY + 30, -18, FaceY + 38);
    hair.lineTo(18, FaceY + 38);
    hair.cubicTo(22, FaceY + 30, 20, FaceY + 14, 16, FaceY - 6);
    hair.closeSubpath();
    painter.setBrush(QueenHair);
    painter.drawPath(hair);
}

void CourtFigure::paintRobe(QPainter& painter) const {
    painter.setPen(outline());
    QPainterPath robe;
    robe.moveTo(-40, 84);
    robe.lineTo(-40, 66);
    robe.cubicTo(-34, 58, -24, 56, -12, 54);
    robe.lineTo(12, 54);
    robe.cubicTo(24, 56, 34, 58, 40, 66);
    robe.lineTo(40, 84);
    robe.closeSubpath();
    painter.setBrush(m_palette.robe);
    painter.drawPath(robe);

    // Shoulder pattern: small diamonds in the trim colour.
    painter.save();
    painter.setClipPath(robe, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    QColor dotColour = m_palette.trim;
    dotColour.setAlpha(200);
    painter.setBrush(dotColour);
    for (int row = 0; row < 4; ++row) {
        for (int col = -5; col <= 5; ++col) {
            const qreal x = col * 8 + (row % 2) * 4;
            const qreal y = 62 + row * 7;
            if (std::abs(x) < 12) continue;
            QPolygonF d;
            d << QPointF(x, y - 2) << QPointF(x + 1.6, y) << QPointF(x, y + 2)
              << QPointF(x - 1.6, y);
            painter.drawPolygon(d);
        }
    }
    painter.restore();

    QPainterPath band;
    band.moveTo(-9, 54);
    band.lineTo(9, 54);
    band.lineTo(11, 84);
    band.lineTo(-11, 84);
    band.closeSubpath();
    painter.setBrush(m_palette.accent);
    painter.drawPath(band);
    painter.setBrush(m_palette.trim);
    for (int i = 0; i < 3; ++i) painter.drawEllipse(QPointF(0, 62 + i * 8), 1.8, 1.8);
}

void CourtFigure::paintCollar(QPainter& painter) const {
    painter.setPen(outline());
    painter.setBrush(m_king    ? QColor(0xfa, 0xfa, 0xf5)
                     : m_queen ? QColor(0xff, 0xff, 0xff)
                               : m_palette.trim);
    QPainterPath collar;
    collar.moveTo(-22, 56);
    collar.quadTo(0, 66, 22, 56);
    collar.quadTo(0, 52, -22, 56);
    collar.closeSubpath();
    painter.drawPath(collar);
    if (m_king) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Ink);
        for (int i = -2; i <= 2; ++i)
            painter.drawEllipse(QPointF(i * 7.5, 57.5 + (2 - std::abs(i)) * 0.9), 0.9, 1.3);
        painter.setPen(outline());
    }
}

void CourtFigure::paintHead(QPainter& painter) const {
    painter.setPen(outline());
    painter.setBrush(Skin.darker(106));
    painter.drawRect(QRectF(-5, FaceY + 10, 10, 8));
    painter.setBrush(Skin);
    painter.drawEllipse(QPointF(0, FaceY), 11.5, 13.5);
}

void CourtFigure::paintHair(QPainter& painter) const {
    painter.setPen(outline());
    if (m_king) {
        painter.setBrush(QColor(0xec, 0xec, 0xe8));
        QPainterPath beard;
        beard.moveTo(-11, FaceY + 1);
        beard.cubicTo(-11, FaceY + 16, -5, FaceY + 21, 0, FaceY + 22);
        beard.cubicTo(5, FaceY + 21, 11, FaceY + 16, 11, FaceY + 1);
        beard.cubicTo(8, FaceY + 9, 4, FaceY + 7, 0, FaceY + 7);
        beard.cubicTo(-4, FaceY + 7, -8, FaceY + 9, -11, FaceY + 1);
        beard.closeSubpath();
        painter.drawPath(beard);
        painter.drawEllipse(QPointF(-12, FaceY - 3), 3.5, 6);
        painter.drawEllipse(QPointF(12, FaceY - 3), 3.5, 6);
    } else if (m_queen) {
        painter.setBrush(QueenHair);
        QPainterPath fringe;
        fringe.moveTo(-12, FaceY + 2);
        fringe.cubicTo(-13, FaceY - 14, 13, FaceY - 14, 12, FaceY + 2);
        fringe.cubicTo(8, FaceY - 6, -4, FaceY - 8, -12, FaceY + 2);
        fringe.closeSubpath();
        painter.drawPath(fringe);
    } else {
        painter.setBrush(QColor(0x7a, 0x4a, 0x22));
        QPainterPath bob;
        bob.moveTo(-13, FaceY + 8);
        bob.cubicTo(-15, FaceY - 16, 15, FaceY - 16, 13, FaceY + 8);
        bob.lineTo(10, FaceY + 8);
        bob.cubicTo(10, FaceY - 2, 6, FaceY - 5, 0, FaceY - 6);
        bob.cubicTo(-6, FaceY - 5, -10, FaceY - 2, -10, FaceY + 8);
        bob.closeSubpath();
        painter.drawPath(bob);
    }
}

void CourtFigure::paintFeatures(QPainter& painter) const {
    painter.setBrush(Ink);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(-4.2, FaceY - 1), 1.3, 1.5);
    painter.drawEllipse(QPointF(4.2, FaceY - 1), 1.3, 1.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-6.2, FaceY - 4.2), QPointF(-2.4, FaceY - 4.6));
    painter.drawLine(QPointF(6.2, FaceY - 4.2), QPointF(2.4, FaceY - 4.6));
    QPainterPath nose;
    nose.moveTo(0, FaceY - 1);
    nose.quadTo(-1.8, FaceY + 3.5, 0.6, FaceY + 3.8);
    painter.drawPath(nose);
    if (m_king) {
        QPainterPath moustache;
        moustache.moveTo(-6, FaceY + 7.5);
        moustache.quadTo(0, FaceY + 4, 6, FaceY + 7.5);
        painter.setPen(QPen(QColor(0x9a, 0x9a, 0x96), 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(moustache);
    } else {
        painter.setPen(QPen(QColor(0xb0, 0x20, 0x30), 1.3, Qt::SolidLine, Qt::RoundCap));
        QPainterPath mouth;
        mouth.moveTo(-3, FaceY + 7);
        mouth.quadTo(0, FaceY + 9, 3, FaceY + 7);
        painter.drawPath(mouth);
        QColor blush(0xe8, 0x80, 0x80, 80);
        painter.setPen(Qt::NoPen);
        painter.setBrush(blush);
        painter.drawEllipse(QPointF(-7, FaceY + 4), 2.6, 1.7);
        painter.drawEllipse(QPointF(7, FaceY + 4), 2.6, 1.7);
    }
}

void CourtFigure::paintHeadwear(QPainter& painter) const {
    painter.setPen(outline());
    if (m_king) {
        QPainterPath crown;
        crown.moveTo(-13, FaceY - 11);
        crown.lineTo(-15, FaceY - 26);
        crown.lineTo(-7.5, FaceY - 18);
        crown.lineTo(0, FaceY - 29);
        crown.lineTo(7.5, FaceY - 18);
        crown.lineTo(15, FaceY - 26);
        crown.lineTo(13, FaceY - 11);
        crown.closeSubpath();
        painter.setBrush(CrownGold);
        painter.drawPath(crown);
        painter.drawRect(QRectF(-13.5, FaceY - 14, 27, 4));
        painter.setBrush(m_palette.accent == QColor(0xe8, 0xb4, 0x2a) ? QColor(0xc8, 0x10, 0x2e)
                                                                      : m_palette.accent);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(0, FaceY - 12), 1.6, 1.6);
        painter.drawEllipse(QPointF(-8, FaceY - 12), 1.3, 1.3);
        painter.drawEllipse(QPointF(8, FaceY - 12), 1.3, 1.3);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(0, FaceY - 29), 1.6, 1.6);
        painter.drawEllipse(QPointF(-15, FaceY - 26), 1.4, 1.4);
        painter.drawEllipse(QPointF(15, FaceY - 26), 1.4, 1.4);
    } else if (m_queen) {
        QPainterPath tiara;
        tiara.moveTo(-11, FaceY - 10);
        tiara.quadTo(-10, FaceY - 20, -5.5, FaceY - 15);
        tiara.quadTo(0, FaceY - 25, 5.5, FaceY - 15);
        tiara.quadTo(10, FaceY - 20, 11, FaceY - 10);
        tiara.quadTo(0, FaceY - 13, -11, FaceY - 10);
        tiara.closeSubpath();
        painter.setBrush(CrownGold);
        painter.drawPath(tiara);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_palette.robe == QColor(0xc8, 0x10, 0x2e) ? QColor(0x1d, 0x4f, 0xa8)
                                                                    : QColor(0xc8, 0x10, 0x2e));
        painter.drawEllipse(QPointF(0, FaceY - 15.5), 1.7, 1.7);
        painter.setBrush(Qt::white);
        for (int i = -2; i <= 2; ++i)
            painter.drawEllipse(QPointF(i * 4.2, FaceY - 11.3 - (2 - std::abs(i)) * 0.4), 0.9, 0.9);
    } else {
        // Jack: a soft cap with a feather.
        QPainterPath feather;
        feather.moveTo(6, FaceY - 14);
        feather.cubicTo(14, FaceY - 26, 24, FaceY - 26, 26, FaceY - 32);
        feather.cubicTo(22, FaceY - 20, 14, FaceY - 16, 6, FaceY - 12);
        feather.closeSubpath();
        painter.setBrush(QColor(0xfa, 0xfa, 0xf5));
        painter.drawPath(feather);
        QPainterPath cap;
        cap.moveTo(-15, FaceY - 8);
        cap.cubicTo(-16, FaceY - 24, 16, FaceY - 24, 15, FaceY - 8);
        cap.quadTo(0, FaceY - 12, -15, FaceY - 8);
        cap.closeSubpath();
        painter.setBrush(m_palette.accent);
        painter.drawPath(cap);
        painter.setBrush(m_palette.trim);
        QPainterPath brim;
        brim.moveTo(-16, FaceY - 7);
        brim.quadTo(0, FaceY - 13, 16, FaceY - 7);
        brim.quadTo(0, FaceY - 9, -16, FaceY - 7);
        painter.drawPath(brim);
    }
}

void CourtFigure::paintAttribute(QPainter& painter) const {
    painter.setPen(outline());
    if (m_king) {
        painter.setBrush(CrownGold);
        painter.drawRect(QRectF(24, 30, 2.6, 54));
        painter.drawEllipse(QPointF(25.3, 28), 4, 4);
        painter.drawRect(QRectF(21, 48, 8.6, 2.4));
    } else if (m_queen) {
        painter.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 1.4));
        painter.drawLine(QPointF(24, 84), QPointF(26, 40));
        painter.setPen(outline());
        painter.setBrush(QColor(0xc8, 0x10, 0x2e));
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 2 * std::numbers::pi / 5;
            painter.drawEllipse(QPointF(26 + 3.2 * std::cos(a), 37 + 3.2 * std::sin(a)), 2.6, 2.6);
        }
        painter.setBrush(CrownGold);
        painter.drawEllipse(QPointF(26, 37), 2, 2);
    } else {
        painter.setBrush(QColor(0x8a, 0x5a, 0x2b));
        painter.drawRect(QRectF(-28, 24, 2.4, 60));
        QPainterPath blade;
        blade.moveTo(-26.8, 12);
        blade.lineTo(-23, 24);
        blade.lineTo(-21, 30);
        blade.quadTo(-24, 28, -26.8, 30);
        blade.quadTo(-30, 28, -33, 30);
        blade.quadTo(-31, 24, -30, 22);
        blade.closeSubpath();
        painter.setBrush(QColor(0xc8, 0xcc, 0xd4));
        painter.drawPath(blade);
    }
}

}  // namespace card
