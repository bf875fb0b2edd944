#pragma once

// The middle of a jack, queen or king: the figure in a double frame, its top half turned round
// for the bottom half.

#include "PaintKit.h"

class QPainter;

namespace card {

// value 11 jack, 12 queen, 13 king.
void paintCourt(QPainter& painter, int value, Suit suit);

}  // namespace card
