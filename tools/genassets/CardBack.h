#pragma once

// The design on the back of every card: a red field with a fine lattice, a white frame and a
// medallion of the four suits in the middle.

class QPainter;

namespace card {

// Drawn on the card's white body.
void paintBack(QPainter& painter);

}  // namespace card
