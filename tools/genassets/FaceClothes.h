#pragma once

// The clothes of a portrait: the shirt on the shoulders (with its hood) and the collar round
// the neck.

#include "FaceLook.h"

class QPainter;

namespace face {

// Drawn first, behind the hair and the neck.
void paintShirt(QPainter& p, const Look& look, const Frame& f);
// Drawn over the neck.
void paintCollar(QPainter& p, const Look& look, const Frame& f);

}  // namespace face
