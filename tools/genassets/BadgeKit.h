#pragma once

// What the parts of an option badge share: the badge's size, its white, and angles given in
// degrees.

#include <QColor>
#include <numbers>

#include "OptionPainter.h"

namespace badge {

constexpr qreal BadgeWidth = OptionPainter::Width;
constexpr qreal BadgeHeight = OptionPainter::Height;
inline const QColor White(0xff, 0xff, 0xff);

inline qreal radians(qreal degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace badge
