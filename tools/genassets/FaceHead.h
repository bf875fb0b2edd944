#pragma once

// The skin of a portrait: the outline of the head, the neck and the ears, and the earrings worn
// on them.

#include <QPainterPath>

#include "FaceLook.h"

class QPainter;

namespace face {

// The outline of the face from the crown to the chin; a larger jaw gives a squarer chin.
QPainterPath headPath(const Frame& f, qreal jaw);
void paintHead(QPainter& p, const Look& look, const QPainterPath& head);
void paintNeck(QPainter& p, const Look& look, const Frame& f);
// The neck's skin, a shade darker than the face; it also shows in a V-neck.
QColor neckShade(const Look& look);
void paintEars(QPainter& p, const Look& look, const Frame& f);
void paintEarrings(QPainter& p, const Look& look, const Frame& f);

}  // namespace face
