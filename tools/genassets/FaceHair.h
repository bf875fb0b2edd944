#pragma once

// The hair on a portrait's head: what falls behind the head and the shoulders, and what covers
// the top of the head.

#include "FaceLook.h"

class QPainter;

namespace face {

// Hair that falls behind the head and shoulders; drawn before the neck and the head.
void paintBackHair(QPainter& p, const Look& look, const Frame& f);
// Hair over the top of the head: the cap, the fringe or the tufts of a bald head.
void paintFrontHair(QPainter& p, const Look& look, const Frame& f);

}  // namespace face
