#include "OptionPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor White(0xff, 0xff, 0xff);
const QColor Red(0xe0, 0x3a, 0x3a);
constexpr qreal BadgeWidth = OptionPainter::Width;
constexpr qreal BadgeHeight = OptionPainter::Height;
const QRectF LabelRect(8, 70, BadgeWidth - 16.0, 20);

qreal radians(qreal degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

void paintPlaque(QPainter &p)
{
    const QRectF plaque(2, 2, BadgeWidth - 4, BadgeHeight - 4);
    QLinearGradient g(plaque.topLeft(), plaque.bottomLeft());
    g.setColorAt(0, QColor(0x1a, 0x5c, 0x33));
    g.setColorAt(1, QColor(0x0c, 0x36, 0x1d));
    p.setPen(QPen(PaintKit::gold(), 2.4));
    p.setBrush(g);
    p.drawRoundedRect(plaque, 12, 12);
    QColor inner = PaintKit::gold();
    inner.setAlpha(90);
    p.setPen(QPen(inner, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plaque.adjusted(4, 4, -4, -4), 9, 9);
}

void paintLabel(QPainter &p, const QString &text)
{
    PaintKit::drawFittedText(p, LabelRect.translated(0, 1), text,
                             PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), 17, true),
                             QColor(0, 0, 0, 120));
    PaintKit::drawFittedText(p, LabelRect, text,
                             PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), 17, true), White);
}

// Lays out a big number and an icon of iconWidth side by side, centred on the badge, and
// draws the number; returns the centre where the icon belongs.
QPointF paintNumber(QPainter &p, const QString &number, qreal iconWidth)
{
    const int size = number.size() <= 2 ? 42 : number.size() == 3 ? 37 : 31;
    const QFont font = PaintKit::font(QStringLiteral("DejaVu Sans Condensed"), size, true);
    const qreal gap = number.size() <= 2 ? 10 : 5;
    const qreal room = BadgeWidth - 14 - gap - iconWidth;
    const qreal width = std::min(QFontMetricsF(font).horizontalAdvance(number), room);
    const qreal left = (BadgeWidth - (width + gap + iconWidth)) / 2;
    const QRectF rect(left, 12, width, 50);
    PaintKit::drawFittedText(p, rect.translated(1.2, 1.5), number, font, QColor(0, 0, 0, 130));
    PaintKit::drawFittedText(p, rect, number, font, White);
    return QPointF(left + width + gap + iconWidth / 2, 37);
}

void paintStar(QPainter &p, QPointF c, qreal r)
{
    p.setPen(QPen(PaintKit::gold().darker(140), 1.2));
    p.setBrush(PaintKit::gold());
    p.drawPath(PaintKit::star(c, r, r * 0.45));
}

void paintTrophy(QPainter &p, QPointF c, qreal s)
{
    const QColor gold = PaintKit::gold();
    p.setPen(QPen(gold.darker(150), 1.1));
    p.setBrush(Qt::NoBrush);
    QPen handle(gold, 2.6 * s);
    p.setPen(handle);
    p.drawArc(QRectF(c.x() - 15 * s, c.y() - 13 * s, 10 * s, 12 * s), 90 * 16, 180 * 16);
    p.drawArc(QRectF(c.x() + 5 * s, c.y() - 13 * s, 10 * s, 12 * s), 90 * 16, -180 * 16);
    p.setPen(QPen(gold.darker(150), 1.1));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(c.x() - 11 * s, c.y() - 14 * s);
    cup.lineTo(c.x() + 11 * s, c.y() - 14 * s);
    cup.cubicTo(c.x() + 11 * s, c.y() + 2 * s, c.x() + 5 * s, c.y() + 5 * s, c.x() + 2 * s, c.y() + 6 * s);
    cup.lineTo(c.x() + 2 * s, c.y() + 10 * s);
    cup.lineTo(c.x() + 7 * s, c.y() + 12 * s);
    cup.lineTo(c.x() + 7 * s, c.y() + 15 * s);
    cup.lineTo(c.x() - 7 * s, c.y() + 15 * s);
    cup.lineTo(c.x() - 7 * s, c.y() + 12 * s);
    cup.lineTo(c.x() - 2 * s, c.y() + 10 * s);
    cup.lineTo(c.x() - 2 * s, c.y() + 6 * s);
    cup.cubicTo(c.x() - 5 * s, c.y() + 5 * s, c.x() - 11 * s, c.y() + 2 * s, c.x() - 11 * s, c.y() - 14 * s);
    cup.closeSubpath();
    p.drawPath(cup);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(QRectF(c.x() - 7 * s, c.y() - 12 * s, 3 * s, 12 * s), 1.5, 1.5);
}

void paintChip(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &colour)
{
    // Side of the chip, then its face with the white edge spots.
    const qreal thick = ry * 0.55;
    p.setPen(QPen(colour.darker(170), 0.8));
    p.setBrush(colour.darker(125));
    p.drawRoundedRect(QRectF(c.x() - rx, c.y() - thick / 2, 2 * rx, thick + ry), ry, ry);
    p.setBrush(colour);
    p.drawEllipse(QPointF(c.x(), c.y() - thick / 2), rx, ry);
    p.setPen(QPen(White, 1.6, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(c.x(), c.y() - thick / 2), rx * 0.72, ry * 0.72);
}

void paintChipStack(QPainter &p, QPointF base, int count, const QColor &colour, qreal rx)
{
    const qreal ry = rx * 0.42;
    for (int i = 0; i < count; ++i)
        paintChip(p, QPointF(base.x(), base.y() - i * ry * 0.95), rx, ry, colour);
}

// Three piles of coins, about 34 pixels wide.
void paintCoins(QPainter &p, QPointF c)
{
    const QColor gold = PaintKit::gold();
    auto coin = [&](QPointF at) {
        p.setPen(QPen(gold.darker(170), 0.9));
        p.setBrush(gold.darker(120));
        p.drawRoundedRect(QRectF(at.x() - 9, at.y() - 2, 18, 6.5), 3.2, 3.2);
        p.setBrush(gold);
        p.drawEllipse(QPointF(at.x(), at.y() - 1.5), 9, 3.5);
    };
    for (int i = 0; i < 5; ++i)
        coin(QPointF(c.x() - 7.5, c.y() + 8 - i * 4.2));
    for (int i = 0; i < 3; ++i)
        coin(QPointF(c.x() + 8, c.y() + 10 - i * 4.2));
    coin(QPointF(c.x(), c.y() + 14));
}

// Exit sign: a door with an arrow leaving it.
void paintOut(QPainter &p, QPointF c)
{
    const QColor gold = PaintKit::gold();
    p.setPen(QPen(gold, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath door;
    door.moveTo(c.x() + 1, c.y() - 9);
    door.lineTo(c.x() + 1, c.y() - 14);
    door.lineTo(c.x() - 14, c.y() - 14);
    door.lineTo(c.x() - 14, c.y() + 14);
    door.lineTo(c.x() + 1, c.y() + 14);
    door.lineTo(c.x() + 1, c.y() + 9);
    p.drawPath(door);
    p.setPen(QPen(Red, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 7, c.y()), QPointF(c.x() + 10, c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    QPolygonF head;
    head << QPointF(c.x() + 16, c.y()) << QPointF(c.x() + 8, c.y() - 7) << QPointF(c.x() + 8, c.y() + 7);
    p.drawPolygon(head);
}

void paintGauge(QPainter &p, int speed)
{
    const QPointF c(BadgeWidth / 2, 60);
    const qreal r = 40;
    const QRectF arcRect(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const QColor zones[] = {QColor(0x4c, 0xaf, 0x50), QColor(0xf2, 0xc2, 0x3a), QColor(0xe5, 0x3e, 0x35)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(zones[i], 7, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(arcRect.adjusted(4, 4, -4, -4), static_cast<int>((180 - i * 60) * 16), -60 * 16);
    }
    p.setPen(QPen(White, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i <= 6; ++i) {
        const qreal a = radians(180 - i * 30);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(c + dir * (r - 13), c + dir * (r - 17));
    }
    const qreal angle = radians(speed == 0 ? 150 : speed == 1 ? 90 : 28);
    const QPointF tip = c + QPointF(std::cos(angle), -std::sin(angle)) * (r - 10);
    const QPointF side(std::sin(angle) * 3.2, std::cos(angle) * 3.2);
    QPolygonF needle;
    needle << c + side << tip << c - side;
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawPolygon(needle);
    p.setBrush(PaintKit::gold());
    p.setPen(QPen(PaintKit::gold().darker(150), 1));
    p.drawEllipse(c, 5, 5);
    // Chevrons on the right say the same thing again: one, two or three.
    p.setPen(QPen(PaintKit::gold(), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= speed; ++i) {
        const qreal x = 14 + i * 7;
        QPolygonF chev;
        chev << QPointF(x, 12) << QPointF(x + 5, 18) << QPointF(x, 24);
        p.drawPolyline(chev);
    }
    if (speed == 2) {
        QPolygonF bolt;
        bolt << QPointF(110, 8) << QPointF(101, 22) << QPointF(107, 22) << QPointF(103, 33)
             << QPointF(114, 17) << QPointF(108, 17) << QPointF(113, 8);
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x10), 1.0));
        p.setBrush(QColor(0xff, 0xd8, 0x3a));
        p.drawPolygon(bolt);
    }
}

// Two curved arrows chasing each other, drawn as a circle of two halves.
void paintSwapArrows(QPainter &p, QPointF c, qreal r)
{
    const QColor gold = PaintKit::gold();
    p.setPen(QPen(gold, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(circle, 30 * 16, 120 * 16);
    p.drawArc(circle, 210 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int k = 0; k < 2; ++k) {
        const qreal end = radians(150 + k * 180);
        const QPointF at = c + QPointF(std::cos(end), -std::sin(end)) * r;
        const QPointF tangent(-std::sin(end), -std::cos(end)); // direction of travel (counter-clockwise)
        const QPointF normal(-tangent.y(), tangent.x());
        QPolygonF head;
        head << at + tangent * 7 << at + normal * 5.5 << at - normal * 5.5;
        p.drawPolygon(head);
    }
}

void paintProhibition(QPainter &p, QPointF c, qreal r)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 6.5));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Red, 4.5));
    p.drawEllipse(c, r, r);
    const QPointF d(r * std::cos(radians(45)), r * std::sin(radians(45)));
    p.setPen(QPen(Red, 4.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - QPointF(d.x(), -d.y()), c + QPointF(d.x(), -d.y()));
}

// A plain small card with a big rank for the two-beats-ace badges.
void paintRankCard(QPainter &p, const QRectF &r, const QString &rank, Suit suit)
{
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.0));
    p.setBrush(White);
    p.drawRoundedRect(r, 4, 4);
    const QColor colour = PaintKit::suitColour(suit);
    PaintKit::drawFittedText(p, QRectF(r.left(), r.top() + 3, r.width(), r.height() * 0.6), rank,
                             PaintKit::font(QStringLiteral("DejaVu Sans"), 28, true), colour);
    PaintKit::drawSuit(p, suit, QPointF(r.center().x(), r.bottom() - 11), 13, colour);
}

struct Option
{
    const char *name;
    enum Kind { Speed, Single, Points, Wins, Chips, Elimination, Pot, Prize, Change, TwoAce } kind;
    int param;
};

const Option Options[] = {
    {"Lenta", Option::Speed, 0},
    {"Normale", Option::Speed, 1},
    {"Turbo", Option::Speed, 2},
    {"Partita Singola", Option::Single, 0},
    {"25 Punti", Option::Points, 25},
    {"50 Punti", Option::Points, 50},
    {"100 Punti", Option::Points, 100},
    {"3 Vinte", Option::Wins, 3},
    {"5 Vinte", Option::Wins, 5},
    {"Chips", Option::Chips, 0},
    {"Eliminazione 25", Option::Elimination, 25},
    {"Eliminazione 50", Option::Elimination, 50},
    {"Eliminazione 100", Option::Elimination, 100},
    {"Piatto 500", Option::Pot, 500},
    {"Piatto 1000", Option::Pot, 1000},
    {"Piatto 2000", Option::Pot, 2000},
    {"Nascosto", Option::Prize, 0},
    {"1 Carta", Option::Prize, 1},
    {"2 Carte", Option::Prize, 2},
    {"Cambio Carte", Option::Change, 1},
    {"Non Cambio Carte", Option::Change, 0},
    {"Duesuperaasso", Option::TwoAce, 1},
    {"Duenonsuperaasso", Option::TwoAce, 0},
};

} // namespace

QStringList OptionPainter::optionNames()
{
    QStringList names;
    for (const Option &option : Options)
        names << QString::fromLatin1(option.name);
    return names;
}

void OptionPainter::paintMiniCard(QPainter &painter, const QRectF &rect, int value, Suit suit,
                                  bool faceUp, qreal angle) const
{
    const QImage card = faceUp ? m_cards.face(value, suit) : m_cards.back();
    // Downscale with area averaging first; drawImage alone would alias the fine lines.
    const QImage small = card.scaled(rect.size().toSize() * 2, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
    painter.save();
    painter.translate(rect.center());
    painter.rotate(angle);
    const QRectF local(-rect.width() / 2, -rect.height() / 2, rect.width(), rect.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(local.translated(1.5, 2), 4, 4);
    // Clip to the rounded card so the table green of the source corners does not show.
    QPainterPath clip;
    clip.addRoundedRect(local, 3.5, 3.5);
    painter.setClipPath(clip);
    painter.drawImage(local, small);
    painter.restore();
}

QImage OptionPainter::badge(const QString &option) const
{
    const Option *found = nullptr;
    for (const Option &candidate : Options)
        if (option == QString::fromLatin1(candidate.name))
            found = &candidate;
    if (!found)
        return QImage();

    QImage image = PaintKit::canvas(Width, Height, PaintKit::tableGreen());
    QPainter p(&image);
    PaintKit::prepare(p);
    paintPlaque(p);

    const int n = found->param;
    const QString number = QString::number(n);
    switch (found->kind) {
    case Option::Speed:
        paintGauge(p, n);
        paintLabel(p, n == 0 ? QStringLiteral("LENTA") : n == 1 ? QStringLiteral("NORMALE")
                                                                : QStringLiteral("TURBO"));
        break;
    case Option::Single:
        paintMiniCard(p, QRectF(Width / 2 - 19, 9, 38, 53), 14, Suit::Spades, true, 0);
        paintLabel(p, QStringLiteral("SINGOLA"));
        break;
    case Option::Points:
        paintStar(p, paintNumber(p, number, 38), 19);
        paintLabel(p, QStringLiteral("PUNTI"));
        break;
    case Option::Wins:
        paintTrophy(p, paintNumber(p, number, 38) + QPointF(0, 1), 1.25);
        paintLabel(p, QStringLiteral("VINTE"));
        break;
    case Option::Chips:
        paintChipStack(p, QPointF(42, 54), 5, QColor(0xc8, 0x10, 0x2e), 17);
        paintChipStack(p, QPointF(84, 54), 3, QColor(0x1d, 0x4f, 0xa8), 17);
        paintChipStack(p, QPointF(64, 60), 2, QColor(0x22, 0x22, 0x22), 17);
        paintLabel(p, QStringLiteral("CHIPS"));
        break;
    case Option::Elimination:
        paintOut(p, paintNumber(p, number, 30) + QPointF(-1, 1));
        paintLabel(p, QStringLiteral("ELIMINAZIONE"));
        break;
    case Option::Pot:
        paintCoins(p, paintNumber(p, number, 34) + QPointF(0, -2));
        paintLabel(p, QStringLiteral("PIATTO"));
        break;
    case Option::Prize: {
        const QRectF left(Width / 2 - 38, 10, 36, 50);
        const QRectF right(Width / 2 + 2, 10, 36, 50);
        paintMiniCard(p, left, 14, Suit::Hearts, n >= 1, -7);
        paintMiniCard(p, right, 13, Suit::Spades, n >= 2, 7);
        paintLabel(p, n == 0 ? QStringLiteral("NASCOSTO") : n == 1 ? QStringLiteral("1 CARTA")
                                                                    : QStringLiteral("2 CARTE"));
        break;
    }
    case Option::Change:
        paintMiniCard(p, QRectF(14, 11, 34, 48), 0, Suit::Spades, false, -4);
        paintMiniCard(p, QRectF(Width - 48, 11, 34, 48), 9, Suit::Hearts, true, 4);
        paintSwapArrows(p, QPointF(Width / 2, 36), 13);
        if (n == 0)
            paintProhibition(p, QPointF(Width / 2, 36), 22);
        paintLabel(p, n == 1 ? QStringLiteral("CAMBIO") : QStringLiteral("NO CAMBIO"));
        break;
    case Option::TwoAce: {
        paintRankCard(p, QRectF(14, 11, 36, 50), QStringLiteral("2"), Suit::Spades);
        paintRankCard(p, QRectF(Width - 50, 11, 36, 50), QStringLiteral("A"), Suit::Hearts);
        // The two beats the ace: "2 > A"; otherwise the ace stays on top: "2 < A".
        const QFont sign = PaintKit::font(QStringLiteral("DejaVu Sans"), 36, true);
        PaintKit::drawFittedText(p, QRectF(Width / 2 - 14, 16, 28, 40),
                                 n == 1 ? QStringLiteral(">") : QStringLiteral("<"), sign,
                                 n == 1 ? PaintKit::gold() : QColor(0xd8, 0xd8, 0xd8));
        paintLabel(p, n == 1 ? QStringLiteral("2 BATTE ASSO") : QStringLiteral("ASSO BATTE 2"));
        break;
    }
    }
    return image;
}
