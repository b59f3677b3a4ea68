#pragma once

#include "core/map/placed_things.h"
#include "gui/map/paint/ground_picture.h"
#include "gui/map/paint/map_frame.h"
#include "gui/map/paint/map_marks.h"
#include "gui/map/paint/thing_looks.h"
#include "gui/map/paint/waypoint_numbers.h"

#include <QRect>

#include <cstdint>
#include <optional>

class QPainter;

namespace vexa {

// Paints the map into the painter's device, layer by layer: the ground (the plain map
// without a picture of it) with the grid, every shown thing in its cell with its kind's
// shape, the area outside the playable rectangle shaded, the marks, and waypoints'
// numbers where the cells are large enough to read them, above everything else. Only
// what lies within visible is painted. The numbers of the revealed cell show even where
// they found no room (the map window reveals the cell under the mouse).
void paintMap(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
              const ShownKinds& shown = kAllKinds, std::optional<std::int32_t> revealed = std::nullopt,
              const GroundPicture& ground = GroundPicture(), const MapMarks& marks = MapMarks());

} // namespace vexa
