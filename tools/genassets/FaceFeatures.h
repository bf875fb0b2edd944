#pragma once

// The rest of a portrait's features: the cheeks (blush and freckles), the nose, the mouth and
// the lines of an older face.

#include "FaceLook.h"

class QPainter;

namespace face {

void paintCheeks(QPainter& p, const Look& look, const Frame& f);
void paintNose(QPainter& p, const Look& look, const Frame& f);
void paintMouth(QPainter& p, const Look& look, const Frame& f);
void paintAgeLines(QPainter& p, const Look& look, const Frame& f);

}  // namespace face
