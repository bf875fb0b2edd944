#pragma once

// The hair on a portrait's face: beards, stubble, goatees and moustaches.

#include <QPainterPath>

#include "FaceLook.h"

class QPainter;

namespace face {

// Drawn over the head, whose outline the beard and the stubble follow.
void paintFacialHair(QPainter& p, const Look& look, const Frame& f, const QPainterPath& head);

}  // namespace face
