#pragma once

#include "gui/map/paint/map_frame.h"

#include <QRect>
#include <QSize>

#include <cstdint>
#include <span>
#include <vector>

namespace vexa {

// Where the waypoints' number tags go beside their cells: geometry only, no painting.

// A waypoint waiting for its tag: its cell and the size of the tag its number needs.
struct TagRequest {
    std::int32_t cell = 0;
    QSize size;
};

struct TagPlace {
    QRect rect;          // where the tag stands, or would stand when it is left out
    bool shown = false;  // false: no free place was left (or the cell is off the map)
};

// One place per request, so that no shown tag covers another or a waypoint's cell: each
// tag in list order takes the first free place of above, below, right, left and the four
// corners of its cell; a tag without one is left out.
std::vector<TagPlace> layOutTags(std::span<const TagRequest> requests, const MapFrame& frame);

// The first place a tag may take beside its cell: above it, centred. A tag left out
// shows there when its cell is revealed.
QRect firstTagPlace(const QRect& cell, QSize tag);

} // namespace vexa
