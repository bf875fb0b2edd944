#include "OptionPainter.h"

#include <QPainter>
#include <QPainterPath>

#include "BadgePlaque.h"
#include "BadgeSpeedGauge.h"
#include "BadgeSymbols.h"

namespace {

struct Option {
    const char* name;
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

}  // namespace

QStringList OptionPainter::optionNames() {
    QStringList names;
    for (const Option& option : Options) names << QString::fromLatin1(option.name);
    return names;
}

void OptionPainter::paintMiniCard(QPainter& painter, const QRectF& rect, int value, Suit suit,
                                  bool faceUp, qreal angle) const {
    const QImage card = faceUp ? m_cards.face(value, suit) : m_cards.back();
    // Downscale with area averaging first; drawImage alone would alias the fine lines.
    const QImage small = card.scaled(rect.size().toSize() * 2 * m_scale, Qt::IgnoreAspectRatio,
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

QImage OptionPainter::badge(const QString& option) const {
    const Option* found = nullptr;
    for (const Option& candidate : Options)
        if (option == QString::fromLatin1(candidate.name)) found = &candidate;
    if (!found) return QImage();

    QImage image = PaintKit::canvas(Width, Height, PaintKit::tableGreen(), m_scale);
    QPainter p(&image);
    PaintKit::prepare(p);
    badge::paintPlaque(p);

    const int n = found->param;
    const QString number = QString::number(n);
    switch (found->kind) {
        case Option::Speed:
            badge::paintGauge(p, n);
            badge::paintLabel(p, n == 0   ? QStringLiteral("LENTA")
                                 : n == 1 ? QStringLiteral("NORMALE")
                                          : QStringLiteral("TURBO"));
            break;
        case Option::Single:
            paintMiniCard(p, QRectF(Width / 2 - 19, 9, 38, 53), 14, Suit::Spades, true, 0);
            badge::paintLabel(p, QStringLiteral("SINGOLA"));
            break;
        case Option::Points:
            badge::paintStar(p, badge::paintNumber(p, number, 38), 19);
            badge::paintLabel(p, QStringLiteral("PUNTI"));
            break;
        case Option::Wins:
            badge::paintTrophy(p, badge::paintNumber(p, number, 38) + QPointF(0, 1), 1.25);
            badge::paintLabel(p, QStringLiteral("VINTE"));
            break;
        case Option::Chips:
            badge::paintChipStack(p, QPointF(42, 54), 5, QColor(0xc8, 0x10, 0x2e), 17);
            badge::paintChipStack(p, QPointF(84, 54), 3, QColor(0x1d, 0x4f, 0xa8), 17);
            badge::paintChipStack(p, QPointF(64, 60), 2, QColor(0x22, 0x22, 0x22), 17);
            badge::paintLabel(p, QStringLiteral("CHIPS"));
            break;
        case Option::Elimination:
            badge::paintOut(p, badge::paintNumber(p, number, 30) + QPointF(-1, 1));
            badge::paintLabel(p, QStringLiteral("ELIMINAZIONE"));
            break;
        case Option::Pot:
            badge::paintCoins(p, badge::paintNumber(p, number, 34) + QPointF(0, -2));
            badge::paintLabel(p, QStringLiteral("PIATTO"));
            break;
        case Option::Prize: {
            const QRectF left(Width / 2 - 38, 10, 36, 50);
            const QRectF right(Width / 2 + 2, 10, 36, 50);
            paintMiniCard(p, left, 14, Suit::Hearts, n >= 1, -7);
            paintMiniCard(p, right, 13, Suit::Spades, n >= 2, 7);
            badge::paintLabel(p, n == 0   ? QStringLiteral("NASCOSTO")
                                 : n == 1 ? QStringLiteral("1 CARTA")
                                          : QStringLiteral("2 CARTE"));
            break;
        }
        case Option::Change:
            paintMiniCard(p, QRectF(14, 11, 34, 48), 0, Suit::Spades, false, -4);
            paintMiniCard(p, QRectF(Width - 48, 11, 34, 48), 9, Suit::Hearts, true, 4);
            badge::paintSwapArrows(p, QPointF(Width / 2, 36), 13);
            if (n == 0) badge::paintProhibition(p, QPointF(Width / 2, 36), 22);
            badge::paintLabel(p, n == 1 ? QStringLiteral("CAMBIO") : QStringLiteral("NO CAMBIO"));
            break;
        case Option::TwoAce: {
            badge::paintRankCard(p, QRectF(14, 11, 36, 50), QStringLiteral("2"), Suit::Spades);
            badge::paintRankCard(p, QRectF(Width - 50, 11, 36, 50), QStringLiteral("A"),
                                 Suit::Hearts);
            // The two beats the ace: "2 > A"; otherwise the ace stays on top: "2 < A".
            const QFont sign = PaintKit::font(QStringLiteral("DejaVu Sans"), 36, true);
            PaintKit::drawFittedText(p, QRectF(Width / 2 - 14, 16, 28, 40),
                                     n == 1 ? QStringLiteral(">") : QStringLiteral("<"), sign,
                                     n == 1 ? PaintKit::gold() : QColor(0xd8, 0xd8, 0xd8));
            badge::paintLabel(
                p, n == 1 ? QStringLiteral("2 BATTE ASSO") : QStringLiteral("ASSO BATTE 2"));
            break;
        }
    }
    return image;
}
