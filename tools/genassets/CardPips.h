#pragma once

// The middle of a number card (its pips) and of an ace (one large suit symbol).

#include "PaintKit.h"

class QPainter;

namespace card {

// value 2..10.
void paintPips(QPainter& painter, int value, Suit suit);
void paintAce(QPainter& painter, Suit suit);

}  // namespace card
