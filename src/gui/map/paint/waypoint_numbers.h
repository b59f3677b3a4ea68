#pragma once

#include "core/map/placed_things.h"
#include "gui/map/paint/map_frame.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace vexa {

// A waypoint's number on its tag beside the waypoint's cell.
struct WaypointTag {
    std::int32_t cell = 0;
    QString number;
    QRect rect;          // where the tag stands, or would stand when it is left out
    bool shown = false;  // false: no free place was left, the tag shows only when revealed
};

// Where the waypoints' numbers go at the frame's cell size (layOutTags() with each tag
// sized for its number), as the painter places them. Nothing where the cells are too
// small to carry numbers.
std::vector<WaypointTag> placeWaypointTags(const MapContents& contents, const MapFrame& frame);

// Where a waypoint's tag shows when its cell is revealed and its number found no room
// beside it; empty where the cells are too small to carry numbers.
QRect revealedTagRect(const MapFrame& frame, const PlacedThing& waypoint);

// The waypoints' numbers on white tags beside their cells, leaving the cells to what
// stands there. A tag that found no free place shows while its cell is revealed, on top
// of everything else.
void paintWaypointNumbers(QPainter& painter, const MapContents& contents, const MapFrame& frame,
                          const QRect& visible, std::optional<std::int32_t> revealed);

} // namespace vexa
