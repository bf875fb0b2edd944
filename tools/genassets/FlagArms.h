#pragma once

// Flags with a coat of arms on their bands: Spain, Portugal and Mexico.

class QPainter;

namespace flag {

void spain(QPainter& p);
void portugal(QPainter& p);
void mexico(QPainter& p);

}  // namespace flag
