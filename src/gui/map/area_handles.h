#pragma once

#include "core/map/area_drag.h"
#include "gui/map/paint/map_frame.h"

#include <Qt>
#include <QPoint>
#include <QRect>

namespace vexa {

// The pixels the playable area's outline covers in a frame.
QRect areaRect(const MapFrame& frame, const PlayableArea& area);

// The edges of the area's outline that lie within a few pixels of the point: one edge, a
// corner's two, or none.
AreaEdges edgesNear(const MapFrame& frame, const PlayableArea& area, QPoint point);

// The cursor that tells which way the edges drag: sideways, up and down, or slanted.
Qt::CursorShape cursorForEdges(AreaEdges edges);

// The whole columns and rows the mouse has moved, at the frame's cell size.
CellPlace cellsMoved(const MapFrame& frame, QPoint from, QPoint to);

} // namespace vexa
