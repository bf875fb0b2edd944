#pragma once

// What the flag designs are drawn with: the flag's size, colours written as 0xRRGGBB and bands
// of colour across or down the flag.

#include <QColor>
#include <initializer_list>
#include <utility>

#include "FlagPainter.h"

class QPainter;

namespace flag {

constexpr qreal W = FlagPainter::Width;
constexpr qreal H = FlagPainter::Height;

QColor rgb(unsigned v);
// Stripes of relative weights, top to bottom or hoist to fly.
void stripes(QPainter& p, bool horizontal, std::initializer_list<std::pair<unsigned, qreal>> bands);
// Equal bands, top to bottom.
void horizontal(QPainter& p, std::initializer_list<unsigned> colours);
// Equal bands, hoist to fly.
void vertical(QPainter& p, std::initializer_list<unsigned> colours);

}  // namespace flag
