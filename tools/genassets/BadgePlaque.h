#pragma once

// The plaque every option badge is drawn on, and its lettering: the label along the bottom and
// the big number of a points, wins, elimination or pot badge.

#include <QPointF>
#include <QString>

class QPainter;

namespace badge {

void paintPlaque(QPainter& p);
void paintLabel(QPainter& p, const QString& text);
// Lays out a big number and an icon of iconWidth side by side, centred on the badge, and
// draws the number; returns the centre where the icon belongs.
QPointF paintNumber(QPainter& p, const QString& number, qreal iconWidth);

}  // namespace badge
