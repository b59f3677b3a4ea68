#pragma once

#include "core/map/placed_things.h"
#include "gui/map/paint/ground_picture.h"
#include "gui/map/paint/map_frame.h"

class QPainter;

namespace vexa {

// The first layer: the ground with the grid, or the plain map where no picture of the
// ground is given, and the small things of the overlay pack marked in their cells.
void paintGround(QPainter& painter, const GroundPicture& ground, const MapFrame& frame, const QRect& visible);

// The cells outside the playable rectangle are shaded, the rectangle outlined.
void paintPlayableArea(QPainter& painter, const MapContents& contents, const MapFrame& frame);

} // namespace vexa
