#pragma once

// Flags whose design is made of stars: the United States, Brazil, China and Turkey.

class QPainter;

namespace flag {

void unitedStates(QPainter& p);
void brazil(QPainter& p);
void china(QPainter& p);
void turkey(QPainter& p);

}  // namespace flag
