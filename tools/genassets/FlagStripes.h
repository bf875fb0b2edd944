#pragma once

// Flags of plain bands of colour: the tricolours and the bicolours.

class QPainter;

namespace flag {

void italy(QPainter& p);
void france(QPainter& p);
void ireland(QPainter& p);
void belgium(QPainter& p);
void germany(QPainter& p);
void netherlands(QPainter& p);
void austria(QPainter& p);
void russia(QPainter& p);
void poland(QPainter& p);

}  // namespace flag
