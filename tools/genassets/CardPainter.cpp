#include "CardPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr qreal CornerRadius = 9.0;
const QRectF CardRect(0.5, 0.5, CardPainter::Width - 1.0, CardPainter::Height - 1.0);

// Pip centres: column -1/0/1, row 0 (top) .. 1 (bottom).
struct Pip
{
    qreal column;
    qreal row;
};

std::vector<Pip> pipLayout(int value)
{
    const std::vector<Pip> sidesThree = {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    const std::vector<Pip> sidesFour = {{-1, 0},     {1, 0},     {-1, 1 / 3.0}, {1, 1 / 3.0},
                                        {-1, 2 / 3.0}, {1, 2 / 3.0}, {-1, 1},     {1, 1}};
    std::vector<Pip> pips;
    switch (value) {
    case 2: return {{0, 0}, {0, 1}};
    case 3: return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4: return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5: return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6: return sidesThree;
    case 7:
        pips = sidesThree;
        pips.push_back({0, 0.25});
        return pips;
    case 8:
        pips = sidesThree;
        pips.push_back({0, 0.25});
        pips.push_back({0, 0.75});
        return pips;
    case 9:
        pips = sidesFour;
        pips.push_back({0, 0.5});
        return pips;
    case 10:
        pips = sidesFour;
        pips.push_back({0, 1 / 6.0});
        pips.push_back({0, 5 / 6.0});
        return pips;
    default: return {};
    }
}

// The three figure colours of the court cards, rotated per card so that no two look the same.
struct CourtPalette
{
    QColor robe;
    QColor trim;
    QColor accent;
};

CourtPalette courtPalette(int value, Suit suit)
{
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

const QRectF CourtFrame(34, 17, 76, 166);

} // namespace

QString CardPainter::rankText(int value)
{
    switch (value) {
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    case 14: return QStringLiteral("A");
    default: return QString::number(value);
    }
}

QImage CardPainter::face(int value, Suit suit) const
{
    QImage image = PaintKit::canvas(Width, Height, PaintKit::tableGreen());
    QPainter painter(&image);
    PaintKit::prepare(painter);
    paintBody(painter);
    if (value == 14)
        paintAce(painter, suit);
    else if (value >= 11)
        paintCourt(painter, value, suit);
    else
        paintPips(painter, value, suit);
    paintIndices(painter, value, suit);
    return image;
}

QImage CardPainter::emptyPlace() const
{
    QImage image = PaintKit::canvas(Width, Height, PaintKit::tableGreen());
    QPainter painter(&image);
    PaintKit::prepare(painter);
    const QRectF place = CardRect.adjusted(2.5, 2.5, -2.5, -2.5);
    painter.setBrush(QColor(0x1a, 0x5e, 0x33));
    painter.setPen(QPen(QColor(0x11, 0x47, 0x25), 3.0));
    painter.drawRoundedRect(place, CornerRadius, CornerRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x17, 0x57, 0x2f), 1.2, Qt::DashLine));
    painter.drawRoundedRect(place.adjusted(6, 6, -6, -6), CornerRadius - 3, CornerRadius - 3);
    return image;
}

QImage CardPainter::back() const
{
    QImage image = PaintKit::canvas(Width, Height, PaintKit::tableGreen());
    QPainter painter(&image);
    PaintKit::prepare(painter);
    paintBody(painter);

    const QRectF field = CardRect.adjusted(8, 8, -8, -8);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 5, 5);
    QLinearGradient shade(field.topLeft(), field.bottomRight());
    shade.setColorAt(0, QColor(0xa3, 0x17, 0x26));
    shade.setColorAt(1, QColor(0x7a, 0x0e, 0x1a));
    painter.fillPath(fieldPath, shade);

    // Fine lattice of diagonal lines with a small dot at every crossing.
    painter.save();
    painter.setClipPath(fieldPath);
    painter.setPen(QPen(QColor(0xd4, 0x55, 0x60, 150), 0.9));
    const qreal step = 9.0;
    for (qreal d = -Height; d < Width + Height; d += step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
        painter.drawLine(QPointF(d, 0), QPointF(d - Height, Height));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0xa0, 0xa8, 170));
    for (qreal y = step / 2; y < Height; y += step) {
        for (qreal x = 0; x < Width + step; x += step) {
            const qreal cx = x + (static_cast<int>(y / step) % 2 == 0 ? step / 2 : 0);
            painter.drawEllipse(QPointF(cx, y + 0.5 * step), 0.9, 0.9);
        }
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 1.4));
    painter.drawRoundedRect(field.adjusted(4, 4, -4, -4), 3, 3);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    painter.drawRoundedRect(field.adjusted(6.5, 6.5, -6.5, -6.5), 2, 2);

    // Central medallion with the four suits.
    const QPointF centre(Width / 2.0, Height / 2.0);
    QRadialGradient disc(centre, 28);
    disc.setColorAt(0, QColor(0xb0, 0x1c, 0x2c));
    disc.setColorAt(1, QColor(0x6a, 0x0b, 0x16));
    painter.setBrush(disc);
    painter.setPen(QPen(PaintKit::gold(), 2.2));
    painter.drawEllipse(centre, 27, 27);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
    painter.drawEllipse(centre, 23, 23);
    const QColor ivory(0xfb, 0xf3, 0xe0);
    PaintKit::drawSuit(painter, Suit::Spades, centre + QPointF(0, -10.5), 12, ivory);
    PaintKit::drawSuit(painter, Suit::Hearts, centre + QPointF(10.5, 0), 12, ivory);
    PaintKit::drawSuit(painter, Suit::Clubs, centre + QPointF(0, 10.5), 12, ivory);
    PaintKit::drawSuit(painter, Suit::Diamonds, centre + QPointF(-10.5, 0), 12, ivory);
    return image;
}

void CardPainter::paintBody(QPainter &painter)
{
    painter.save();
    painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(CardRect, CornerRadius, CornerRadius);
    painter.restore();
}

void CardPainter::paintIndices(QPainter &painter, int value, Suit suit)
{
    const QColor colour = PaintKit::suitColour(suit);
    const QFont font = PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), 27, true);
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        if (corner == 1) {
            painter.translate(Width, Height);
            painter.rotate(180);
        }
        PaintKit::drawFittedText(painter, QRectF(2, 5, 29, 26), rankText(value), font, colour);
        PaintKit::drawSuit(painter, suit, QPointF(16.5, 44), 17, colour);
        painter.restore();
    }
}

void CardPainter::paintPips(QPainter &painter, int value, Suit suit)
{
    const QColor colour = PaintKit::suitColour(suit);
    const qreal top = 35, bottom = Height - 35;
    const qreal size = 25;
    for (const Pip &pip : pipLayout(value)) {
        const QPointF centre(Width / 2.0 + pip.column * 27, top + pip.row * (bottom - top));
        painter.save();
        painter.translate(centre);
        if (pip.row > 0.5)
            painter.rotate(180);
        PaintKit::drawSuit(painter, suit, QPointF(0, 0), size, colour);
        painter.restore();
    }
}

void CardPainter::paintAce(QPainter &painter, Suit suit)
{
    const QPointF centre(Width / 2.0, Height / 2.0);
    const QColor colour = PaintKit::suitColour(suit);
    // A faint engraved ring gives the ace its usual flourish.
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QColor ring = colour;
    ring.setAlpha(60);
    painter.setPen(QPen(ring, 1.0));
    painter.drawEllipse(centre, 46, 46);
    painter.drawEllipse(centre, 43, 43);
    painter.restore();
    PaintKit::drawSuit(painter, suit, centre, 66, colour);
}

void CardPainter::paintCourt(QPainter &painter, int value, Suit suit)
{
    const CourtPalette palette = courtPalette(value, suit);
    const QColor suitColour = PaintKit::suitColour(suit);

    painter.save();
    QPainterPath framePath;
    framePath.addRect(CourtFrame);
    painter.fillPath(framePath, QColor(0xfd, 0xf6, 0xe3));
    painter.setClipPath(framePath);

    // Top half figure, then the same figure turned round for the bottom half.
    for (int half = 0; half < 2; ++half) {
        painter.save();
        if (half == 1) {
            painter.translate(Width, Height);
            painter.rotate(180);
        }
        painter.setClipRect(QRectF(CourtFrame.left(), CourtFrame.top(), CourtFrame.width(),
                                   CourtFrame.height() / 2.0),
                            Qt::IntersectClip);
        painter.translate(CourtFrame.center().x(), CourtFrame.top());
        // Drawn a touch larger than its 83-unit design, anchored on the divider.
        const qreal grow = 1.07;
        painter.translate(0, 83 * (1 - grow) + 1);
        painter.scale(grow, grow);
        paintCourtHalf(painter, value, suit);
        painter.restore();
    }
    painter.restore();

    // Divider between the two halves and the double frame.
    painter.save();
    const qreal midY = CourtFrame.center().y();
    painter.setPen(QPen(palette.trim.darker(115), 1.6));
    painter.drawLine(QPointF(CourtFrame.left(), midY), QPointF(CourtFrame.right(), midY));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(suitColour, 1.6));
    painter.drawRect(CourtFrame);
    painter.setPen(QPen(PaintKit::gold(), 1.0));
    painter.drawRect(CourtFrame.adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

// Draws one half figure; the origin is the top centre of the frame, y grows down to the divider
// at 83.
void CardPainter::paintCourtHalf(QPainter &painter, int value, Suit suit)
{
    const CourtPalette pal = courtPalette(value, suit);
    const QColor ink(0x1a, 0x1a, 0x1a);
    const QColor skin(0xf7, 0xd9, 0xb5);
    const QPen outline(ink, 1.0);
    const bool king = value == 13;
    const bool queen = value == 12;
    const qreal faceY = 37;

    painter.setPen(outline);

    // Long hair of the queen falls behind the shoulders.
    if (queen) {
        QPainterPath hair;
        hair.moveTo(-16, faceY - 6);
        hair.cubicTo(-20, faceY + 14, -22, faceY + 30, -18, faceY + 38);
        hair.lineTo(18, faceY + 38);
        hair.cubicTo(22, faceY + 30, 20, faceY + 14, 16, faceY - 6);
        hair.closeSubpath();
        painter.setBrush(QColor(0xe6, 0xb8, 0x3c));
        painter.drawPath(hair);
    }

    // Robe with a front band.
    QPainterPath robe;
    robe.moveTo(-40, 84);
    robe.lineTo(-40, 66);
    robe.cubicTo(-34, 58, -24, 56, -12, 54);
    robe.lineTo(12, 54);
    robe.cubicTo(24, 56, 34, 58, 40, 66);
    robe.lineTo(40, 84);
    robe.closeSubpath();
    painter.setBrush(pal.robe);
    painter.drawPath(robe);

    // Shoulder pattern: small diamonds in the trim colour.
    painter.save();
    painter.setClipPath(robe, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    QColor dotColour = pal.trim;
    dotColour.setAlpha(200);
    painter.setBrush(dotColour);
    for (int row = 0; row < 4; ++row) {
        for (int col = -5; col <= 5; ++col) {
            const qreal x = col * 8 + (row % 2) * 4;
            const qreal y = 62 + row * 7;
            if (std::abs(x) < 12)
                continue;
            QPolygonF d;
            d << QPointF(x, y - 2) << QPointF(x + 1.6, y) << QPointF(x, y + 2) << QPointF(x - 1.6, y);
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
    painter.setBrush(pal.accent);
    painter.drawPath(band);
    painter.setBrush(pal.trim);
    for (int i = 0; i < 3; ++i)
        painter.drawEllipse(QPointF(0, 62 + i * 8), 1.8, 1.8);

    // Collar: ermine for the king, lace for the queen, plain for the jack.
    painter.setBrush(king ? QColor(0xfa, 0xfa, 0xf5) : queen ? QColor(0xff, 0xff, 0xff) : pal.trim);
    QPainterPath collar;
    collar.moveTo(-22, 56);
    collar.quadTo(0, 66, 22, 56);
    collar.quadTo(0, 52, -22, 56);
    collar.closeSubpath();
    painter.drawPath(collar);
    if (king) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        for (int i = -2; i <= 2; ++i)
            painter.drawEllipse(QPointF(i * 7.5, 57.5 + (2 - std::abs(i)) * 0.9), 0.9, 1.3);
        painter.setPen(outline);
    }

    // Neck and face.
    painter.setBrush(skin.darker(106));
    painter.drawRect(QRectF(-5, faceY + 10, 10, 8));
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(0, faceY), 11.5, 13.5);

    // Hair and beard.
    if (king) {
        painter.setBrush(QColor(0xec, 0xec, 0xe8));
        QPainterPath beard;
        beard.moveTo(-11, faceY + 1);
        beard.cubicTo(-11, faceY + 16, -5, faceY + 21, 0, faceY + 22);
        beard.cubicTo(5, faceY + 21, 11, faceY + 16, 11, faceY + 1);
        beard.cubicTo(8, faceY + 9, 4, faceY + 7, 0, faceY + 7);
        beard.cubicTo(-4, faceY + 7, -8, faceY + 9, -11, faceY + 1);
        beard.closeSubpath();
        painter.drawPath(beard);
        painter.drawEllipse(QPointF(-12, faceY - 3), 3.5, 6);
        painter.drawEllipse(QPointF(12, faceY - 3), 3.5, 6);
    } else if (queen) {
        painter.setBrush(QColor(0xe6, 0xb8, 0x3c));
        QPainterPath fringe;
        fringe.moveTo(-12, faceY + 2);
        fringe.cubicTo(-13, faceY - 14, 13, faceY - 14, 12, faceY + 2);
        fringe.cubicTo(8, faceY - 6, -4, faceY - 8, -12, faceY + 2);
        fringe.closeSubpath();
        painter.drawPath(fringe);
    } else {
        painter.setBrush(QColor(0x7a, 0x4a, 0x22));
        QPainterPath bob;
        bob.moveTo(-13, faceY + 8);
        bob.cubicTo(-15, faceY - 16, 15, faceY - 16, 13, faceY + 8);
        bob.lineTo(10, faceY + 8);
        bob.cubicTo(10, faceY - 2, 6, faceY - 5, 0, faceY - 6);
        bob.cubicTo(-6, faceY - 5, -10, faceY - 2, -10, faceY + 8);
        bob.closeSubpath();
        painter.drawPath(bob);
    }

    // Features.
    painter.setBrush(ink);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(-4.2, faceY - 1), 1.3, 1.5);
    painter.drawEllipse(QPointF(4.2, faceY - 1), 1.3, 1.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-6.2, faceY - 4.2), QPointF(-2.4, faceY - 4.6));
    painter.drawLine(QPointF(6.2, faceY - 4.2), QPointF(2.4, faceY - 4.6));
    QPainterPath nose;
    nose.moveTo(0, faceY - 1);
    nose.quadTo(-1.8, faceY + 3.5, 0.6, faceY + 3.8);
    painter.drawPath(nose);
    if (king) {
        QPainterPath moustache;
        moustache.moveTo(-6, faceY + 7.5);
        moustache.quadTo(0, faceY + 4, 6, faceY + 7.5);
        painter.setPen(QPen(QColor(0x9a, 0x9a, 0x96), 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(moustache);
    } else {
        painter.setPen(QPen(QColor(0xb0, 0x20, 0x30), 1.3, Qt::SolidLine, Qt::RoundCap));
        QPainterPath mouth;
        mouth.moveTo(-3, faceY + 7);
        mouth.quadTo(0, faceY + 9, 3, faceY + 7);
        painter.drawPath(mouth);
        QColor blush(0xe8, 0x80, 0x80, 80);
        painter.setPen(Qt::NoPen);
        painter.setBrush(blush);
        painter.drawEllipse(QPointF(-7, faceY + 4), 2.6, 1.7);
        painter.drawEllipse(QPointF(7, faceY + 4), 2.6, 1.7);
    }

    // Headwear.
    const QColor crownGold(0xf2, 0xc2, 0x3a);
    painter.setPen(outline);
    if (king) {
        QPainterPath crown;
        crown.moveTo(-13, faceY - 11);
        crown.lineTo(-15, faceY - 26);
        crown.lineTo(-7.5, faceY - 18);
        crown.lineTo(0, faceY - 29);
        crown.lineTo(7.5, faceY - 18);
        crown.lineTo(15, faceY - 26);
        crown.lineTo(13, faceY - 11);
        crown.closeSubpath();
        painter.setBrush(crownGold);
        painter.drawPath(crown);
        painter.drawRect(QRectF(-13.5, faceY - 14, 27, 4));
        painter.setBrush(pal.accent == QColor(0xe8, 0xb4, 0x2a) ? QColor(0xc8, 0x10, 0x2e) : pal.accent);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(0, faceY - 12), 1.6, 1.6);
        painter.drawEllipse(QPointF(-8, faceY - 12), 1.3, 1.3);
        painter.drawEllipse(QPointF(8, faceY - 12), 1.3, 1.3);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(0, faceY - 29), 1.6, 1.6);
        painter.drawEllipse(QPointF(-15, faceY - 26), 1.4, 1.4);
        painter.drawEllipse(QPointF(15, faceY - 26), 1.4, 1.4);
    } else if (queen) {
        QPainterPath tiara;
        tiara.moveTo(-11, faceY - 10);
        tiara.quadTo(-10, faceY - 20, -5.5, faceY - 15);
        tiara.quadTo(0, faceY - 25, 5.5, faceY - 15);
        tiara.quadTo(10, faceY - 20, 11, faceY - 10);
        tiara.quadTo(0, faceY - 13, -11, faceY - 10);
        tiara.closeSubpath();
        painter.setBrush(crownGold);
        painter.drawPath(tiara);
        painter.setPen(Qt::NoPen);
        painter.setBrush(pal.robe == QColor(0xc8, 0x10, 0x2e) ? QColor(0x1d, 0x4f, 0xa8) : QColor(0xc8, 0x10, 0x2e));
        painter.drawEllipse(QPointF(0, faceY - 15.5), 1.7, 1.7);
        painter.setBrush(Qt::white);
        for (int i = -2; i <= 2; ++i)
            painter.drawEllipse(QPointF(i * 4.2, faceY - 11.3 - (2 - std::abs(i)) * 0.4), 0.9, 0.9);
    } else {
        // Jack: a soft cap with a feather.
        QPainterPath feather;
        feather.moveTo(6, faceY - 14);
        feather.cubicTo(14, faceY - 26, 24, faceY - 26, 26, faceY - 32);
        feather.cubicTo(22, faceY - 20, 14, faceY - 16, 6, faceY - 12);
        feather.closeSubpath();
        painter.setBrush(QColor(0xfa, 0xfa, 0xf5));
        painter.drawPath(feather);
        QPainterPath cap;
        cap.moveTo(-15, faceY - 8);
        cap.cubicTo(-16, faceY - 24, 16, faceY - 24, 15, faceY - 8);
        cap.quadTo(0, faceY - 12, -15, faceY - 8);
        cap.closeSubpath();
        painter.setBrush(pal.accent);
        painter.drawPath(cap);
        painter.setBrush(pal.trim);
        QPainterPath brim;
        brim.moveTo(-16, faceY - 7);
        brim.quadTo(0, faceY - 13, 16, faceY - 7);
        brim.quadTo(0, faceY - 9, -16, faceY - 7);
        painter.drawPath(brim);
    }

    // Each figure carries its attribute: sceptre for the king, flower for the queen, halberd for
    // the jack.
    painter.setPen(outline);
    if (king) {
        painter.setBrush(crownGold);
        painter.drawRect(QRectF(24, 30, 2.6, 54));
        painter.drawEllipse(QPointF(25.3, 28), 4, 4);
        painter.drawRect(QRectF(21, 48, 8.6, 2.4));
    } else if (queen) {
        painter.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 1.4));
        painter.drawLine(QPointF(24, 84), QPointF(26, 40));
        painter.setPen(outline);
        painter.setBrush(QColor(0xc8, 0x10, 0x2e));
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 2 * std::numbers::pi / 5;
            painter.drawEllipse(QPointF(26 + 3.2 * std::cos(a), 37 + 3.2 * std::sin(a)), 2.6, 2.6);
        }
        painter.setBrush(crownGold);
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

    // Suit mark in the upper corner of the frame.
    const qreal markX = (king || queen) ? -27 : 27;
    PaintKit::drawSuit(painter, suit, QPointF(markX, 15), 12, PaintKit::suitColour(suit));
}
