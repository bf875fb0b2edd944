#pragma once

// Flags built on a cross: the Nordic crosses, the Union Flag, Switzerland and Greece.

class QPainter;

namespace flag {

void sweden(QPainter& p);
void denmark(QPainter& p);
void finland(QPainter& p);
void norway(QPainter& p);
void unitedKingdom(QPainter& p);
void switzerland(QPainter& p);
void greece(QPainter& p);

}  // namespace flag
