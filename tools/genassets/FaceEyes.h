#pragma once

// The eyes of a portrait: the eyebrows, the eyes themselves and the glasses over them.

#include "FaceLook.h"

class QPainter;

namespace face {

void paintBrows(QPainter& p, const Look& look, const Frame& f);
void paintEyes(QPainter& p, const Look& look, const Frame& f);
// Drawn over the front hair.
void paintGlasses(QPainter& p, const Look& look, const Frame& f);

}  // namespace face
