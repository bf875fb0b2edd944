#pragma once

// Flags with one emblem in the middle: the sun of Japan and of Argentina, the maple leaf of
// Canada, and the globe drawn for a nation with no design of its own.

class QPainter;

namespace flag {

void japan(QPainter& p);
void argentina(QPainter& p);
void canada(QPainter& p);
void unknownNation(QPainter& p);

}  // namespace flag
