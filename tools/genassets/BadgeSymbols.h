#pragma once

// The small pictures that say what an option badge is about: a star, a trophy, chips, coins,
// an exit door, swapping arrows, a prohibition sign and a plain card with a big rank.

#include <QColor>
#include <QPointF>
#include <QString>

#include "PaintKit.h"

class QPainter;
class QRectF;

namespace badge {

void paintStar(QPainter& p, QPointF c, qreal r);
void paintTrophy(QPainter& p, QPointF c, qreal s);
void paintChipStack(QPainter& p, QPointF base, int count, const QColor& colour, qreal rx);
// Three piles of coins, about 34 pixels wide.
void paintCoins(QPainter& p, QPointF c);
// Exit sign: a door with an arrow leaving it.
void paintOut(QPainter& p, QPointF c);
// Two curved arrows chasing each other, drawn as a circle of two halves.
void paintSwapArrows(QPainter& p, QPointF c, qreal r);
void paintProhibition(QPainter& p, QPointF c, qreal r);
// A plain small card with a big rank for the two-beats-ace badges.
void paintRankCard(QPainter& p, const QRectF& r, const QString& rank, Suit suit);

}  // namespace badge
